// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel controller: wires the form's widgets to the clock, voltage and register-file
// logic and fills the panel from the kernel at start-up.
#pragma once

#include "form/pelvarobase.h"

class pelvaro : public pelvarobase
{
    Q_OBJECT

public:
    explicit pelvaro(QWidget *parent = nullptr, const char *name = nullptr, unsigned int fl = 0);
    ~pelvaro() override;

private slots:
    void show_freq();
    void show_vcore();
    void read_cccr();
    void write_cccr();
    void read_vcore();
    void write_vcore();
};
