// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The clock configuration register: field layout, packing, and the clocks that follow from it.
#pragma once

#include <cstddef>
#include <cstdint>

// Size of the text buffer the readouts format their texts into.
inline constexpr std::size_t readout_text_size = 40;

inline constexpr int crystal_mhz = 13;

// The four register fields the panel edits, as raw field values.
struct CccrFields {
    int l = 0;    // bits 4..0
    int twoN = 0; // bits 10..7
    int a = 0;    // bit 25
    int lcd = 0;  // bit 27
};

std::uint32_t pack_cccr(const CccrFields &fields);
CccrFields unpack_cccr(std::uint32_t value);

// L as the clocks use it: never below 2.
int effective_l(int l);
// Divisor of the memory controller clock (1, 2 or 4).
int memory_divisor(int effectiveL);
// Divisor of the LCD controller clock (1, 2 or 4).
int lcd_divisor(int effectiveL);
// The turbo ratio N derived from the 2N field.
float turbo_ratio(int twoN);

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

// Writes `value` as eight upper-case hexadecimal digits into `buffer` of `size` characters.
char *to_hex_text(std::uint32_t value, char *buffer, std::size_t size);
