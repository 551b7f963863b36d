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

    showLNumber_Bin->display(QString::fromLatin1(to_binary_text(fields.l, 5, text)));
    show2NNumber_Bin->display(QString::fromLatin1(to_binary_text(fields.twoN, 4, text)));
    showANumber_Bin->display(QString::fromLatin1(to_binary_text(fields.a, 1, text)));
    showLCDNumber_Bin->display(QString::fromLatin1(to_binary_text(fields.lcd, 1, text)));

    const ClockReadings clocks = compute_clocks(fields);
    showCCCR->display(QString::fromLatin1(to_hex_text(clocks.packed, text, sizeof text)));

    showLNumber->display(clocks.effectiveL);
    show2NNumber->display(static_cast<double>(clocks.turboRatio));
    showANumber->display(fields.a);
    showLCDNumber->display(fields.lcd);

    showSystemFreq->display(static_cast<double>(clocks.systemBusMhz));
    showRunModeFreq->display(static_cast<double>(clocks.runModeMhz));
    showTurboModeFreq->display(static_cast<double>(clocks.turboModeMhz));
    showMemoryFreq->display(static_cast<double>(clocks.memoryMhz));
    showLCDFreq->display(static_cast<double>(clocks.lcdMhz));
}
