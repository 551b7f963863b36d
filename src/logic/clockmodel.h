// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The clock configuration register: field layout, packing, and the clocks that follow from it.
#pragma once

#include <cstdint>

// The four register fields the panel edits, as raw field values.
struct CccrFields {
    int l = 0;    // bits 4..0
    int twoN = 0; // bits 10..7
    int a = 0;    // bit 25
    int lcd = 0;  // bit 27
};

std::uint32_t pack_cccr(const CccrFields &fields);
CccrFields unpack_cccr(std::uint32_t value);

// Everything the panel shows about a clock setting; frequencies in MHz.
struct ClockReadings {
    int effectiveL = 0;
    float turboRatio = 0;
    std::uint32_t packed = 0;
    float systemBusMhz = 0;
    float runModeMhz = 0;
    float turboModeMhz = 0;
    float memoryMhz = 0;
    float lcdMhz = 0;
};

ClockReadings compute_clocks(const CccrFields &fields);

// Writes the low `width` bits of `value` as '0'/'1' characters, most significant first, and a
// terminating NUL into `buffer`, which must hold width + 1 characters. Returns `buffer`.
char *to_binary_text(int value, int width, char *buffer);
