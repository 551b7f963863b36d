// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The text a decimal number display shows for a number, for what assistive technology reads.
#pragma once

#include <QString>

// What a decimal display of `digits` digits shows for `value`: the shortest %g form that fits,
// as the display formats it, without its padding.
QString readout_text(double value, int digits);
