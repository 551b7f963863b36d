// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The clock configuration register: field layout, packing, and the clocks that follow from it.
#include "logic/clockmodel.h"

namespace
{
constexpr int crystal_mhz = 13;
constexpr int l_shift = 0, l_mask = 0x1F;
constexpr int two_n_shift = 7, two_n_mask = 0xF;
constexpr int a_shift = 25, a_mask = 1;
constexpr int lcd_shift = 27, lcd_mask = 1;

int field(std::uint32_t value, int shift, int mask)
{
    return static_cast<int>((value >> shift) & static_cast<std::uint32_t>(mask));
}

std::uint32_t place(int fieldValue, int shift)
{
    return static_cast<std::uint32_t>(fieldValue) << shift;
}

// L as the clocks use it: never below 2.
int effective_l(int l)
{
    return l <= 1 ? 2 : l;
}

// Divisor of the memory controller clock (1, 2 or 4).
int memory_divisor(int effectiveL)
{
    if (effectiveL <= 10)
        return 1;
    return effectiveL <= 20 ? 2 : 4;
}

// Divisor of the LCD controller clock (1, 2 or 4).
int lcd_divisor(int effectiveL)
{
    if (effectiveL <= 7)
        return 1;
    return effectiveL <= 16 ? 2 : 4;
}

// The turbo ratio N derived from the 2N field.
float turbo_ratio(int twoN)
{
    if (twoN <= 1)
        return 1.0f;
    return static_cast<float>(static_cast<double>(twoN) * 0.5);
}
} // namespace

std::uint32_t pack_cccr(const CccrFields &fields)
{
    return place(fields.a, a_shift) + place(fields.lcd, lcd_shift) +
           place(fields.twoN, two_n_shift) + place(fields.l, l_shift);
}

CccrFields unpack_cccr(std::uint32_t value)
{
    return {field(value, l_shift, l_mask), field(value, two_n_shift, two_n_mask),
            field(value, a_shift, a_mask), field(value, lcd_shift, lcd_mask)};
}

ClockReadings compute_clocks(const CccrFields &fields)
{
    ClockReadings readings;
    const int l = effective_l(fields.l);
    const int crystalTimesL = crystal_mhz * l;

    readings.effectiveL = l;
    readings.turboRatio = turbo_ratio(fields.twoN);
    readings.packed = pack_cccr(fields);
    readings.runModeMhz = static_cast<float>(crystalTimesL);
    readings.systemBusMhz = readings.runModeMhz;
    readings.turboModeMhz = readings.runModeMhz * readings.turboRatio;
    readings.memoryMhz =
        fields.a == 1 ? readings.runModeMhz : static_cast<float>(crystalTimesL / memory_divisor(l));
    // With the LCD bit set the doubled product is divided, so no half is lost twice.
    const int lcdProduct = fields.lcd == 1 ? 2 * crystalTimesL : crystalTimesL;
    readings.lcdMhz = static_cast<float>(lcdProduct / lcd_divisor(l));
    return readings;
}

char *to_binary_text(int value, int width, char *buffer)
{
    if (width < 0)
        width = 0;
    auto bits = static_cast<unsigned>(value);
    buffer[width] = '\0';
    for (int position = width - 1; position >= 0; --position) {
        buffer[position] = "01"[bits % 2];
        bits /= 2;
    }
    return buffer;
}
