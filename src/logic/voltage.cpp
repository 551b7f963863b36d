// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The core voltage setting: its field and the voltage it selects.
#include "logic/voltage.h"

float core_voltage(int vcore)
{
    return static_cast<float>(static_cast<double>(vcore) * 0.05 + 0.85);
}
