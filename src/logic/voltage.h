// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The core voltage setting: its field and the voltage it selects.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t vcore_field_mask = 0xF;

// Core voltage in volts for a VCORE setting, rounded to single precision.
float core_voltage(int vcore);
