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
        <translation>Der verlangte Takt, %1 MHz, muss einer der Betriebspunkte des Kernels innerhalb der Grenzen von cpufreq sein. Erhöhen Sie für einen höheren Takt zuerst VCORE.</translation>
    </message>
    <message>
        <source>The clock asked for, %1 MHz, must be one of the kernel&apos;s operating points within cpufreq&apos;s limits, %2 to %3 MHz. For a higher clock, raise VCORE first.</source>
        <translation>Der verlangte Takt, %1 MHz, muss einer der Betriebspunkte des Kernels innerhalb der Grenzen von cpufreq sein, %2 bis %3 MHz. Erhöhen Sie für einen höheren Takt zuerst VCORE.</translation>
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
        <source>The kernel module behind /proc/zaurus is not loaded: load it as root with modprobe pelvaro_zaurus (package pelvaro-dkms).</source>
        <translation>Das Kernelmodul hinter /proc/zaurus ist nicht geladen. Laden Sie es als root mit modprobe pelvaro_zaurus (Paket pelvaro-dkms).</translation>
    </message>
    <message>
        <source>cpufreq sets the clock itself here. Choose its governor userspace as root: %1</source>
        <translation>cpufreq setzt den Takt hier selbst. Wählen Sie als root den Governor userspace: %1</translation>
    </message>
    <message>
        <source>cpufreq&apos;s governor is %1, which sets the clock itself. Choose userspace as root: %2</source>
        <translation>Der Governor von cpufreq ist %1, der den Takt selbst setzt. Wählen Sie als root userspace: %2</translation>
    </message>
    <message>
        <source>Only L, 2N and A can be changed: LCD stays %1, as the kernel set it (CCCR %2).</source>
        <translation>Nur L, 2N und A lassen sich ändern: LCD bleibt %1, wie der Kernel es gesetzt hat (CCCR %2).</translation>
    </message>
    <message>
        <source>L %1, 2N %2 and A %3 name none of the kernel&apos;s operating points, whose clocks are %4 MHz.</source>
        <translation>L %1, 2N %2 und A %3 ergeben keinen der Betriebspunkte des Kernels; deren Takte sind %4 MHz.</translation>
    </message>
    <message>
        <source>The clock asked for, %1 MHz, lies outside cpufreq&apos;s limits, %2 to %3 MHz.</source>
        <translation>Der verlangte Takt, %1 MHz, liegt außerhalb der Grenzen von cpufreq, %2 bis %3 MHz.</translation>
    </message>
    <message>
        <source>%1 MHz needs a core voltage of at least %2 V (VCORE %3), more than the core gets now. Raise VCORE first.</source>
        <translation>%1 MHz braucht eine Kernspannung von mindestens %2 V (VCORE %3), mehr als der Kern jetzt bekommt. Erhöhen Sie zuerst VCORE.</translation>
    </message>
    <message>
        <source>VCORE %1, %2 V, is less than the clock the processor runs at needs. Lower the clock first.</source>
        <translation>VCORE %1, %2 V, ist weniger, als der Takt braucht, mit dem der Prozessor läuft. Senken Sie zuerst den Takt.</translation>
    </message>
    <message>
        <source>VCORE %1, %2 V, is less than %3 MHz, the clock the processor runs at, needs: at least %4 V (VCORE %5). Lower the clock first.</source>
        <translation>VCORE %1, %2 V, ist weniger, als %3 MHz, der Takt, mit dem der Prozessor läuft, braucht: mindestens %4 V (VCORE %5). Senken Sie zuerst den Takt.</translation>
    </message>
    <message>
        <source>Writing a register needs root. Start pelvaro as root: %1</source>
        <translation>Zum Schreiben eines Registers sind root-Rechte nötig. Starten Sie pelvaro als root: %1</translation>
    </message>
    <message>
        <source>The kernel knows no core-voltage regulator &quot;vcc_core&quot;, so there is no VCORE: its driver is missing, on the SL-C3000 the ISL6271A&apos;s (isl6271a-regulator). Load it as root, then pelvaro_zaurus again.</source>
        <translation>Der Kernel kennt keinen Kernspannungsregler „vcc_core“, daher gibt es kein VCORE: Sein Treiber fehlt, beim SL-C3000 der des ISL6271A (isl6271a-regulator). Laden Sie ihn als root und danach pelvaro_zaurus erneut.</translation>
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
