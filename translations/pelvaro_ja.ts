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
