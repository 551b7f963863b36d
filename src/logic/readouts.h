// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeding the panel's number displays: each value goes through the display's own operation,
// and assistive technology is told what the display then shows, with its unit.
#pragma once

#include <cstddef>

class QLCDNumber;
class QString;

// The buffer the slots format a display's text into.
inline constexpr std::size_t readout_text_size = 40;

// The unit that stands beside `readout` on the panel, said after its number; set once, as the
// panel is built.
void set_readout_unit(QLCDNumber *readout, const QString &unit);

void show_and_describe(QLCDNumber *readout, int value);
void show_and_describe(QLCDNumber *readout, double value);
void show_and_describe(QLCDNumber *readout, const QString &text);
