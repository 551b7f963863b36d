// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel controller: wires the form's widgets to the clock, voltage and register-file
// logic and fills the panel from the kernel at start-up.
#include "app/pelvaro.h"
#include "logic/readouts.h"

#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <utility>

pelvaro::pelvaro(QWidget *parent, const char *name, unsigned int fl) : pelvarobase(parent, name, fl)
{
    connect(changeL, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(change2N, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(changeA, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(changeLCD, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(changeVCORE, &QSpinBox::valueChanged, this, &pelvaro::show_vcore);
    connect(writeCCCR, &QPushButton::clicked, this, &pelvaro::write_cccr);
    connect(writeVCORE, &QPushButton::clicked, this, &pelvaro::write_vcore);
    for (const auto &[readout, unit] : {std::pair{showSystemFreq, TextLabel3_2_2},
                                        {showRunModeFreq, TextLabel3_2_2_2},
                                        {showTurboModeFreq, TextLabel3_2_2_3},
                                        {showMemoryFreq, TextLabel3_2_2_4},
                                        {showLCDFreq, TextLabel3_2_2_5},
                                        {showVCOREVoltage, TextLabel6_2_3}})
        set_readout_unit(readout, unit->text());

    read_cccr();
    read_vcore();
    show_freq();
    show_vcore();
    setWindowTitle(tr("pelvaro"));
}

pelvaro::~pelvaro() = default;
