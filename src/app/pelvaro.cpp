// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel controller: wires the form's widgets to the clock, voltage and register-file
// logic and fills the panel from the kernel at start-up.
#include "app/pelvaro.h"

#include <QPushButton>
#include <QSpinBox>

pelvaro::pelvaro(QWidget *parent, const char *name, unsigned int fl) : pelvarobase(parent, name, fl)
{
    connect(changeL, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(change2N, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(changeA, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(changeLCD, &QSpinBox::valueChanged, this, &pelvaro::show_freq);
    connect(changeVCORE, &QSpinBox::valueChanged, this, &pelvaro::show_vcore);
    connect(writeCCCR, &QPushButton::clicked, this, &pelvaro::write_cccr);
    connect(writeVCORE, &QPushButton::clicked, this, &pelvaro::write_vcore);

    read_cccr();
    read_vcore();
    show_freq();
    show_vcore();
    setWindowTitle(tr("pelvaro"));
}

pelvaro::~pelvaro() = default;
