// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The kernel's register files and the program-wide values last read from or written to them.
#pragma once

#include <cstdint>
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

// Writes `text` to the existing file at `path` through one buffered stream, which reaches the
// file as one write when it is closed. A missing file is not created. Failures pass silently.
void write_register_file(const char *path, const std::string &text);
