// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The kernel's register files and the program-wide values last read from or written to them.
#include "logic/registerfiles.h"

#include "logic/hexscan.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

std::uint32_t cccr_value = 0;
std::uint32_t vcore_value = 0;

void scan_register_file(const char *path, std::uint32_t &value)
{
    std::FILE *file = std::fopen(path, "r");
    if (!file)
        return;
    if (const auto scanned = scan_first_hex(file))
        value = *scanned;
    std::fclose(file);
}

namespace
{
std::string hex_line(int digits, std::uint32_t value)
{
    char text[16];
    const int length =
        std::snprintf(text, sizeof text, "%0*X\n", digits, static_cast<unsigned>(value));
    return std::string(text, static_cast<std::size_t>(length));
}
} // namespace

std::string cccr_file_text(std::uint32_t value)
{
    return hex_line(8, value);
}

std::string vcore_file_text(std::uint32_t value)
{
    return hex_line(2, value);
}

std::optional<RegisterWriteFailure> write_register_file(const char *path, const std::string &text)
{
    // Opened as fopen's "w" would, but never created: a register file that is gone stays gone.
    const int descriptor = ::open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0)
        return RegisterWriteFailure{true, errno};
    std::FILE *file = ::fdopen(descriptor, "w");
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        return RegisterWriteFailure{true, error};
    }
    // The kernel takes or refuses the line when the stream writes it, at the close.
    const bool written = std::fputs(text.c_str(), file) != EOF;
    const int error = errno;
    if (std::fclose(file) != 0)
        return RegisterWriteFailure{false, errno};
    if (!written)
        return RegisterWriteFailure{false, error};
    return std::nullopt;
}
