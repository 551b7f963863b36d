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
    <message>
        <source>Only L, 2N and A can be changed: LCD stays %1, as the kernel set it (CCCR %2).</source>
        <translation>変更できるのは L、2N、A だけです。LCD はカーネルが設定したとおり %1 のままです (CCCR %2)。</translation>
    </message>
    <message>
        <source>L %1, 2N %2 and A %3 name none of the kernel&apos;s operating points, whose clocks are %4 MHz.</source>
        <translation>L %1、2N %2、A %3 はカーネルのどの動作点にも当たりません。動作点のクロックは %4 MHz です。</translation>
    </message>
    <message>
        <source>The clock asked for, %1 MHz, lies outside cpufreq&apos;s limits, %2 to %3 MHz.</source>
        <translation>要求したクロック %1 MHz は、cpufreq の制限 %2 ～ %3 MHz の外にあります。</translation>
    </message>
    <message>
        <source>%1 MHz needs a core voltage of at least %2 V (VCORE %3), more than the core gets now. Raise VCORE first.</source>
        <translation>%1 MHz には少なくとも %2 V (VCORE %3) のコア電圧が必要で、現在の電圧では足りません。先に VCORE を上げてください。</translation>
    </message>
    <message>
        <source>VCORE %1, %2 V, is less than the clock the processor runs at needs. Lower the clock first.</source>
        <translation>VCORE %1 (%2 V) は、プロセッサが動作しているクロックに必要な電圧より低くなります。先にクロックを下げてください。</translation>
    </message>
    <message>
        <source>VCORE %1, %2 V, is less than %3 MHz, the clock the processor runs at, needs: at least %4 V (VCORE %5). Lower the clock first.</source>
        <translation>VCORE %1 (%2 V) は、プロセッサが動作しているクロック %3 MHz に必要な少なくとも %4 V (VCORE %5) より低くなります。先にクロックを下げてください。</translation>
    </message>
    <message>
        <source>Writing a register needs root. Start pelvaro as root: %1</source>
        <translation>レジスタの書き込みには root 権限が必要です。pelvaro を root で起動してください: %1</translation>
    </message>
    <message>
        <source>The kernel knows no core-voltage regulator &quot;vcc_core&quot;, so there is no VCORE: its driver is missing, on the SL-C3000 the ISL6271A&apos;s (isl6271a-regulator). Load it as root, then pelvaro_zaurus again.</source>
        <translation>カーネルがコア電圧レギュレータ「vcc_core」を知らないため、VCORE がありません。そのドライバ (SL-C3000 では ISL6271A の isl6271a-regulator) がありません。root でそれを読み込み、その後 pelvaro_zaurus を読み込み直してください。</translation>
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
