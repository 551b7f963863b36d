// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's palettes and fonts.
#pragma once

#include <QFont>
#include <QPalette>

enum class FontKind {
    Text,    // labels and spin boxes
    Readout, // number displays
    Button,  // the write buttons
    Own,     // the widget's current font, applied back unchanged
};

// A copy of `current` with the family, point size and weight of `kind` put in.
QFont derived_font(const QFont &current, FontKind kind);

// Black on white, for the number displays.
QPalette readout_palette();
// Red text on grey, for the write buttons.
QPalette write_button_palette();
