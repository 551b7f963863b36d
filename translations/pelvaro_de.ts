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
    <message>
        <source>The clock asked for, %1 MHz, must be one of the kernel&apos;s operating points within cpufreq&apos;s limits. For a higher clock, raise VCORE first.</source>
        <translation>Der verlangte Takt, %1 MHz, muss einer der Betriebspunkte des Kernels innerhalb der Grenzen von cpufreq sein. Für einen höheren Takt zuerst VCORE erhöhen.</translation>
    </message>
    <message>
        <source>The clock asked for, %1 MHz, must be one of the kernel&apos;s operating points within cpufreq&apos;s limits, %2 to %3 MHz. For a higher clock, raise VCORE first.</source>
        <translation>Der verlangte Takt, %1 MHz, muss einer der Betriebspunkte des Kernels innerhalb der Grenzen von cpufreq sein, %2 bis %3 MHz. Für einen höheren Takt zuerst VCORE erhöhen.</translation>
    </message>
    <message>
        <source>VCORE %1 asks for %2 V; the regulator allows %3 to %4 V, and cpufreq may allow less.</source>
        <translation>VCORE %1 verlangt %2 V; der Regler erlaubt %3 bis %4 V, und cpufreq erlaubt womöglich weniger.</translation>
    </message>
    <message>
        <source>VCORE %1 asks for %2 V, which the regulator or cpufreq does not allow here.</source>
        <translation>VCORE %1 verlangt %2 V, was der Regler oder cpufreq hier nicht erlaubt.</translation>
    </message>
    <message>
        <source>Writing a register needs root: start pelvaro as root, for example with sudo pelvaro.</source>
        <translation>Ein Register zu schreiben braucht root: pelvaro als root starten, zum Beispiel mit sudo pelvaro.</translation>
    </message>
    <message>
        <source>The kernel module behind /proc/zaurus is not loaded: load it as root with modprobe pelvaro_zaurus (package pelvaro-dkms).</source>
        <translation>Das Kernelmodul hinter /proc/zaurus ist nicht geladen: als root mit modprobe pelvaro_zaurus laden (Paket pelvaro-dkms).</translation>
    </message>
    <message>
        <source>cpufreq sets the clock itself here. Choose its governor userspace as root: %1</source>
        <translation>cpufreq setzt den Takt hier selbst. Als root den Governor userspace wählen: %1</translation>
    </message>
    <message>
        <source>cpufreq&apos;s governor is %1, which sets the clock itself. Choose userspace as root: %2</source>
        <translation>Der Governor von cpufreq ist %1, der den Takt selbst setzt. Als root userspace wählen: %2</translation>
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
