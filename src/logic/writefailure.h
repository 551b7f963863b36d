// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a line to a register file, and what the panel tells when the line is not taken.
#pragma once

#include "logic/registerfiles.h"

#include <QString>

class QWidget;

// The message for `line` written to `registerName`'s file at `path`: the register, the value as
// written, and the C library's text for the failure.
QString write_failure_text(const char *registerName, const char *path, const std::string &line,
                           const RegisterWriteFailure &failure);

// Where the hints read the kernel's state: its sysfs ("/sys") and the folder of the register
// files ("/proc/zaurus").
struct KernelFolders {
    QString sysfs;
    QString registers;
};

// What the user can do about the failure of writing `value` to `registerName`, in one short text,
// or nothing where there is no remedy to name: start as root, load the module or the regulator's
// driver, choose cpufreq's userspace governor, choose an operating point within cpufreq's
// limits, keep the bits other than L, 2N and A, keep VCORE within the regulator's range, raise
// VCORE before the clock or lower the clock before VCORE. Reads what it names from the kernel's
// files; where those are missing it says less.
QString write_failure_hint(const char *registerName, std::uint32_t value,
                           const RegisterWriteFailure &failure, const KernelFolders &kernel);

// Writes `line`, which holds `value`, to `registerName`'s file at `path`. Where it was not taken,
// says why in a warning over `panel`, window-modal but without blocking, in place of the one
// still shown there, if any, with the remedy below the reason. On a screen narrower than the
// panel, the box may take the screen's width less a margin.
void write_register_line(QWidget *panel, const char *registerName, const char *path,
                         std::uint32_t value, const std::string &line);
