<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>pelvaro</name>
    <message>
        <source>pelvaro</source>
        <translation>pelvaro</translation>
    </message>
    <message>
        <source>Could not write %1 %2: %3: %4</source>
        <translation>%1 %2 を書き込めませんでした: %3: %4</translation>
    </message>
    <message>
        <source>The kernel refused %1 %2: %3.</source>
        <translation>カーネルが %1 %2 を拒否しました: %3</translation>
    </message>
    <message>
        <source>The clock asked for, %1 MHz, must be one of the kernel&apos;s operating points within cpufreq&apos;s limits. For a higher clock, raise VCORE first.</source>
        <translation>要求したクロック %1 MHz は、cpufreq の制限内にあるカーネルの動作点のいずれかでなければなりません。より高いクロックには、先に VCORE を上げてください。</translation>
    </message>
    <message>
        <source>The clock asked for, %1 MHz, must be one of the kernel&apos;s operating points within cpufreq&apos;s limits, %2 to %3 MHz. For a higher clock, raise VCORE first.</source>
        <translation>要求したクロック %1 MHz は、cpufreq の制限 %2 ～ %3 MHz 内にあるカーネルの動作点のいずれかでなければなりません。より高いクロックには、先に VCORE を上げてください。</translation>
    </message>
    <message>
        <source>VCORE %1 asks for %2 V; the regulator allows %3 to %4 V, and cpufreq may allow less.</source>
        <translation>VCORE %1 は %2 V を要求します。レギュレータが許すのは %3 ～ %4 V で、cpufreq はさらに狭い場合があります。</translation>
    </message>
    <message>
        <source>VCORE %1 asks for %2 V, which the regulator or cpufreq does not allow here.</source>
        <translation>VCORE %1 は %2 V を要求しますが、ここではレギュレータまたは cpufreq がそれを許しません。</translation>
    </message>
    <message>
        <source>Writing a register needs root: start pelvaro as root, for example with sudo pelvaro.</source>
        <translation>レジスタの書き込みには root が必要です。pelvaro を root で起動してください (例: sudo pelvaro)。</translation>
    </message>
    <message>
        <source>The kernel module behind /proc/zaurus is not loaded: load it as root with modprobe pelvaro_zaurus (package pelvaro-dkms).</source>
        <translation>/proc/zaurus のカーネルモジュールが読み込まれていません。root で modprobe pelvaro_zaurus を実行して読み込んでください (パッケージ pelvaro-dkms)。</translation>
    </message>
    <message>
        <source>cpufreq sets the clock itself here. Choose its governor userspace as root: %1</source>
        <translation>ここでは cpufreq が自らクロックを設定しています。root でガバナ userspace を選んでください: %1</translation>
    </message>
    <message>
        <source>cpufreq&apos;s governor is %1, which sets the clock itself. Choose userspace as root: %2</source>
        <translation>cpufreq のガバナは %1 で、自らクロックを設定します。root で userspace を選んでください: %2</translation>
    </message>
</context>
<context>
    <name>pelvarobase</name>
    <message>
        <source>pelvarobase</source>
        <translation>pelvarobase</translation>
    </message>
    <message>
        <source>pelvaro</source>
        <translation>pelvaro</translation>
    </message>
    <message>
        <source>Run Mode Frequency</source>
        <translation>ランモード周波数</translation>
    </message>
    <message>
        <source>Memory controller Frequency</source>
        <translation>メモリコントローラ周波数</translation>
    </message>
    <message>
        <source>LCD Frequency</source>
        <translation>LCD周波数</translation>
    </message>
    <message>
        <source>Turbo Mode Frequency</source>
        <translation>ターボモード周波数</translation>
    </message>
    <message>
        <source>System bus Frequency</source>
        <translation>システムバス周波数</translation>
    </message>
    <message>
        <source>Crystal Frequency</source>
        <translation>水晶発振周波数</translation>
    </message>
    <message>
        <source>LCD</source>
        <translation>LCD</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>2N</source>
        <translation>2N</translation>
    </message>
    <message>
        <source>CCCR value</source>
        <translation>CCCR値</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Write CCCR</source>
        <translation>CCCR書込み</translation>
    </message>
    <message>
        <source>VCORE</source>
        <translation>VCORE</translation>
    </message>
    <message>
        <source>Write VCORE</source>
        <translation>VCORE書込み</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>13 MHz</source>
        <translation>13 MHz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>%1 in binary</source>
        <translation>%1の2進数</translation>
    </message>
</context>
</TS>
