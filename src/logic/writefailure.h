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

// What the user can do about the failure, in one short text, or nothing where there is no remedy
// to name: start as root, load the module, choose cpufreq's userspace governor, or keep CCCR
// within cpufreq's limits and VCORE within the regulator's range. Reads what it names from the
// kernel's cpufreq and regulator files under `sysfs`; where those are missing it says less.
QString write_failure_hint(const char *registerName, const std::string &line,
                           const RegisterWriteFailure &failure, const QString &sysfs);

// Writes `line` to `registerName`'s file at `path`. Where it was not taken, says why in a warning
// over `panel`, window-modal but without blocking, in place of the one still shown there, if any,
// with the remedy below the reason. On a screen narrower than the panel, the box may take the
// screen's width less a margin.
void write_register_line(QWidget *panel, const char *registerName, const char *path,
                         const std::string &line);
