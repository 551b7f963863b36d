// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the first hexadecimal number of a text the way the C library's "%x" conversion does.
#include "logic/hexscan.h"

std::optional<std::uint32_t> scan_first_hex(std::string_view text)
{
    std::size_t position = 0;
    return scan_first_hex([&]() -> int {
        if (position >= text.size())
            return EOF;
        return static_cast<unsigned char>(text[position++]);
    });
}

std::optional<std::uint32_t> scan_first_hex(std::FILE *stream)
{
    return scan_first_hex([stream] { return std::getc(stream); });
}
