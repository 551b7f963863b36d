// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The PXA27x's operating points, from the kernel module's own table.
#include "logic/operatingpoints.h"

#include "pxa27x_operating_points.h"

#include <algorithm>
#include <iterator>

namespace
{
struct OperatingPoint {
    std::uint32_t cccr; // L, 2N and A
    unsigned int khz;
    int minMicrovolts;
};
constexpr OperatingPoint operating_points[] = PXA27X_OPERATING_POINTS;
constexpr std::uint32_t operating_point_bits = 0x1F | 0xF << 7 | 1U << 25;
constexpr int vcore_base_microvolts = 850000, vcore_step_microvolts = 50000, vcore_top = 15;
} // namespace

bool is_operating_point(std::uint32_t cccr)
{
    return std::ranges::any_of(operating_points, [cccr](const OperatingPoint &point) {
        return point.cccr == (cccr & operating_point_bits);
    });
}

std::vector<unsigned int> operating_point_khz()
{
    std::vector<unsigned int> clocks;
    for (const OperatingPoint &point : operating_points)
        clocks.push_back(point.khz);
    return clocks;
}

int least_core_microvolts(unsigned int khz)
{
    const auto *point = std::ranges::find_if(
        operating_points, [khz](const OperatingPoint &candidate) { return candidate.khz >= khz; });
    return (point == std::end(operating_points) ? std::prev(point) : point)->minMicrovolts;
}

int least_vcore(int microvolts)
{
    const int above = std::max(microvolts - vcore_base_microvolts, 0);
    return std::min((above + vcore_step_microvolts - 1) / vcore_step_microvolts, vcore_top);
}
