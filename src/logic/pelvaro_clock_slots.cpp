// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's clock readouts: every field, clock and the packed register from the spin boxes.
#include "app/pelvaro.h"
#include "logic/clockmodel.h"

#include <QLCDNumber>
#include <QSpinBox>

void pelvaro::show_freq()
{
    const CccrFields fields{changeL->value(), change2N->value(), changeA->value(),
                            changeLCD->value()};
    char text[readout_text_size];

    display(showLNumber_Bin, QString::fromLatin1(to_binary_text(fields.l, 5, text)));
    display(show2NNumber_Bin, QString::fromLatin1(to_binary_text(fields.twoN, 4, text)));
    display(showANumber_Bin, QString::fromLatin1(to_binary_text(fields.a, 1, text)));
    display(showLCDNumber_Bin, QString::fromLatin1(to_binary_text(fields.lcd, 1, text)));

    const ClockReadings clocks = compute_clocks(fields);
    display(showCCCR, QString::fromLatin1(to_hex_text(clocks.packed, text, sizeof text)));

    display(showLNumber, clocks.effectiveL);
    display(show2NNumber, static_cast<double>(clocks.turboRatio));
    display(showANumber, fields.a);
    display(showLCDNumber, fields.lcd);

    display(showSystemFreq, static_cast<double>(clocks.systemBusMhz));
    display(showRunModeFreq, static_cast<double>(clocks.runModeMhz));
    display(showTurboModeFreq, static_cast<double>(clocks.turboModeMhz));
    display(showMemoryFreq, static_cast<double>(clocks.memoryMhz));
    display(showLCDFreq, static_cast<double>(clocks.lcdMhz));
}
