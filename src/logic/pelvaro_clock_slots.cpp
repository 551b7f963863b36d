// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's clock readouts: every field, clock and the packed register from the spin boxes.
#include "app/pelvaro.h"
#include "logic/clockmodel.h"
#include "logic/readouts.h"

#include <QLCDNumber>
#include <QSpinBox>

#include <cstdio>

void pelvaro::show_freq()
{
    const CccrFields fields{changeL->value(), change2N->value(), changeA->value(),
                            changeLCD->value()};
    char text[readout_text_size];

    show_and_describe(showLNumber_Bin, QString::fromLatin1(to_binary_text(fields.l, 5, text)));
    show_and_describe(show2NNumber_Bin, QString::fromLatin1(to_binary_text(fields.twoN, 4, text)));
    show_and_describe(showANumber_Bin, QString::fromLatin1(to_binary_text(fields.a, 1, text)));
    show_and_describe(showLCDNumber_Bin, QString::fromLatin1(to_binary_text(fields.lcd, 1, text)));

    const ClockReadings clocks = compute_clocks(fields);
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(clocks.packed));
    show_and_describe(showCCCR, QString::fromLatin1(text));

    show_and_describe(showLNumber, clocks.effectiveL);
    show_and_describe(show2NNumber, static_cast<double>(clocks.turboRatio));
    show_and_describe(showANumber, fields.a);
    show_and_describe(showLCDNumber, fields.lcd);

    show_and_describe(showSystemFreq, static_cast<double>(clocks.systemBusMhz));
    show_and_describe(showRunModeFreq, static_cast<double>(clocks.runModeMhz));
    show_and_describe(showTurboModeFreq, static_cast<double>(clocks.turboModeMhz));
    show_and_describe(showMemoryFreq, static_cast<double>(clocks.memoryMhz));
    show_and_describe(showLCDFreq, static_cast<double>(clocks.lcdMhz));
}
