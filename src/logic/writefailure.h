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

// Writes `line` to `registerName`'s file at `path`. Where it was not taken, says why in a warning
// over `panel`, window-modal but without blocking, in place of the one still shown there, if any.
void write_register_line(QWidget *panel, const char *registerName, const char *path,
                         const std::string &line);
