// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's voltage readouts: the VCORE bits and the core voltage they select.
#include "app/pelvaro.h"
#include "logic/clockmodel.h"
#include "logic/readouts.h"
#include "logic/voltage.h"

#include <QLCDNumber>
#include <QSpinBox>

void pelvaro::show_vcore()
{
    char text[readout_text_size];
    show_and_describe(showVCORENumber_Bin,
                      QString::fromLatin1(to_binary_text(changeVCORE->value(), 4, text)));
    show_and_describe(showVCOREVoltage, static_cast<double>(core_voltage(changeVCORE->value())));
}
