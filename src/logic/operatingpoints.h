// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The PXA27x's operating points, as the kernel module switches between them: which CCCR names
// one, and the least core voltage each clock runs on.
#pragma once

#include <cstdint>
#include <vector>

// Whether the L, 2N and A of `cccr` are those of one of the processor's operating points.
bool is_operating_point(std::uint32_t cccr);

// The turbo clocks, in kHz, of the operating points, slowest first.
std::vector<unsigned int> operating_point_khz();

// The least core voltage, in microvolts, on which the processor runs at `khz`: that of its
// slowest operating point at least as fast, or of the fastest where none is. The kernel module
// refuses a VCORE below it, and a clock whose least voltage is above the core voltage.
int least_core_microvolts(unsigned int khz);

// The lowest VCORE setting that gives at least `microvolts`, or 15 where none does.
int least_vcore(int microvolts);
