// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the first hexadecimal number of a text the way the C library's "%x" conversion does,
// except that a number too large for 32 bits counts as no number at all.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

// The scan proper. `next` returns the next character as an unsigned char value, or EOF at the
// end; it is called at most once past the last character the number uses.
template <typename NextChar> std::optional<std::uint32_t> scan_first_hex(NextChar next)
{
    const auto isSpace = [](int c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    const auto digitValue = [](int c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };

    int c = next();
    while (isSpace(c))
        c = next();

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = next();
    }

    bool anyDigit = false;
    if (c == '0') {
        anyDigit = true;
        c = next();
        if (c == 'x' || c == 'X')
            c = next();
    }

    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    for (int digit = digitValue(c); digit >= 0; c = next(), digit = digitValue(c)) {
        anyDigit = true;
        magnitude = magnitude * 16 + static_cast<unsigned>(digit);
        if (magnitude > UINT32_MAX) {
            tooLarge = true;
            magnitude = UINT32_MAX; // keeps scanning the digits without overflowing
        }
    }

    if (!anyDigit || tooLarge)
        return std::nullopt;
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? static_cast<std::uint32_t>(0u - value) : value;
}

std::optional<std::uint32_t> scan_first_hex(std::string_view text);
std::optional<std::uint32_t> scan_first_hex(std::FILE *stream);
