// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the hexadecimal scanner that reads the kernel's register files. Besides finding
// crashes, it checks the scanner's properties on every input:
// - it never reads past its input, and past the number's end by at most one character;
// - what follows the first character that ends the number never changes the result;
// - it agrees with the C library's "%x" wherever the number fits in 32 bits;
// - any 32-bit value, written as "%08X" or "%X" with white space, sign and prefix around it,
//   scans back to itself;
// - a number over 32 bits is always rejected.
#include "logic/hexscan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
void require(bool condition, const char *property)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

struct Scan {
    std::optional<std::uint32_t> value;
    std::size_t consumed = 0; // characters handed to the scanner, the one that ended it included
    std::size_t callsPastEnd = 0;
};

Scan scan(std::string_view text)
{
    Scan result;
    result.value = scan_first_hex([&]() -> int {
        if (result.consumed >= text.size()) {
            ++result.callsPastEnd;
            return EOF;
        }
        return static_cast<unsigned char>(text[result.consumed++]);
    });
    return result;
}

// Reads bytes of the fuzz input one at a time, 0 once it is used up.
struct Bytes {
    const std::uint8_t *data;
    std::size_t size;
    std::size_t position = 0;
    std::uint8_t next() { return position < size ? data[position++] : 0; }
};

void check_arbitrary_text(std::string_view text)
{
    const Scan first = scan(text);
    require(first.callsPastEnd <= 1, "reads past the end of its input");
    require(first.consumed <= text.size(), "reads past its input");

    // The same text with another tail after the character that ended the number.
    std::string changed(text.substr(0, first.consumed));
    for (std::size_t i = first.consumed; i < text.size(); ++i)
        changed.push_back(static_cast<char>(~static_cast<unsigned char>(text[i])));
    changed += "ffff0x1";
    if (first.callsPastEnd == 0) {
        const Scan second = scan(changed);
        require(second.value == first.value, "depends on what follows the number");
    }

    // The C library's "%x" on a NUL-terminated copy. It keeps only the low 32 bits of a longer
    // number, so it is compared only where the scanner took a number.
    if (first.value && std::memchr(text.data(), '\0', text.size()) == nullptr) {
        const std::string copy(text);
        unsigned int libc = 0;
        require(std::sscanf(copy.c_str(), "%x", &libc) == 1, "takes a number %x does not");
        require(libc == *first.value, "disagrees with %x");
    }
}

void check_round_trip(Bytes &bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | bytes.next();
    const std::uint8_t shape = bytes.next();

    static constexpr char spaces[] = " \t\n\v\f\r";
    std::string text;
    for (int n = bytes.next() % 8; n > 0; --n)
        text.push_back(spaces[bytes.next() % 6]);
    if (shape & 1)
        text.push_back('+');
    if (shape & 2)
        text += (shape & 4) ? "0X" : "0x";
    char digits[16];
    std::snprintf(digits, sizeof digits, (shape & 8) ? "%08X" : "%X", value);
    text += digits;
    for (int n = bytes.next() % 8; n > 0; --n)
        text.push_back((shape & 16) ? spaces[bytes.next() % 6] : static_cast<char>('g' + n));

    require(scan(text).value == value, "a formatted 32-bit value does not scan back");
}

void check_too_large(Bytes &bytes)
{
    // A leading digit 1..F and 8 to 40 more digits: always at least 2^32.
    static constexpr char hex[] = "0123456789abcdefABCDEF";
    std::string text(1, hex[1 + bytes.next() % 15]);
    for (int n = 8 + bytes.next() % 33; n > 0; --n)
        text.push_back(hex[bytes.next() % 22]);
    if (bytes.next() & 1)
        text.insert(0, "-");
    require(!scan(text).value, "a number over 32 bits is taken");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    check_arbitrary_text(std::string_view(reinterpret_cast<const char *>(data), size));
    Bytes bytes{data, size};
    check_round_trip(bytes);
    check_too_large(bytes);
    return 0;
}
