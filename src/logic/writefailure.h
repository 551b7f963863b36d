// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// What the panel tells when a line did not reach a register file.
#pragma once

#include "logic/registerfiles.h"

#include <QString>

class QWidget;

// The message for `line` written to `registerName`'s file at `path`: the register, the value as
// written, and the C library's text for the failure.
QString write_failure_text(const char *registerName, const char *path, const std::string &line,
                           const RegisterWriteFailure &failure);

// Shows `text` in a warning over `panel`, window-modal but without blocking, in place of the one
// still shown there, if any.
void show_write_failure(QWidget *panel, const QString &text);
