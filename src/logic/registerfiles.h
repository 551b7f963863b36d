// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The kernel's register files and the program-wide values last read from or written to them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr const char *cccr_file_path = "/proc/zaurus/CCCR";
inline constexpr const char *vcore_file_path = "/proc/zaurus/VCORE";

// The last value scanned from, or prepared for, each register file.
extern std::uint32_t cccr_value;
extern std::uint32_t vcore_value;

// Replaces `value` with the first hexadecimal number of the file at `path`. Leaves it as it
// was when the file cannot be opened or holds no number.
void scan_register_file(const char *path, std::uint32_t &value);

// The lines written to the register files.
std::string cccr_file_text(std::uint32_t value);
std::string vcore_file_text(std::uint32_t value);

// Why a line did not reach a register file: the file could not be opened for writing, or the
// write failed, which for the kernel's files means that it refused the line; with the errno.
struct RegisterWriteFailure {
    bool atOpen;
    int error;
};

// Writes `text` to the existing file at `path` through one buffered stream, which reaches the
// file as one write when it is closed. A missing file is not created. Says why where the line
// was not taken, nothing where it was.
std::optional<RegisterWriteFailure> write_register_file(const char *path, const std::string &text);
