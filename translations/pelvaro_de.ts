<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>pelvaro</name>
    <message>
        <source>pelvaro</source>
        <translation>pelvaro</translation>
    </message>
    <message>
        <source>Could not write %1 %2: %3: %4</source>
        <translation>%1 %2 konnte nicht geschrieben werden: %3: %4</translation>
    </message>
    <message>
        <source>The kernel refused %1 %2: %3.</source>
        <translation>Der Kernel hat %1 %2 abgelehnt: %3.</translation>
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
        <translation>Run-Modus-Frequenz</translation>
    </message>
    <message>
        <source>Memory controller Frequency</source>
        <translation>Speichercontroller-Frequenz</translation>
    </message>
    <message>
        <source>LCD Frequency</source>
        <translation>LCD-Frequenz</translation>
    </message>
    <message>
        <source>Turbo Mode Frequency</source>
        <translation>Turbo-Modus-Frequenz</translation>
    </message>
    <message>
        <source>System bus Frequency</source>
        <translation>Systembus-Frequenz</translation>
    </message>
    <message>
        <source>Crystal Frequency</source>
        <translation>Quarzfrequenz</translation>
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
        <translation>CCCR-Wert</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Write CCCR</source>
        <translation>CCCR setzen</translation>
    </message>
    <message>
        <source>VCORE</source>
        <translation>VCORE</translation>
    </message>
    <message>
        <source>Write VCORE</source>
        <translation>VCORE setzen</translation>
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
        <translation>%1 in Binärziffern</translation>
    </message>
</context>
</TS>
