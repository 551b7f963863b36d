// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a line to a register file, and what the panel tells when the line is not taken.
#include "logic/writefailure.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstring>

using namespace Qt::StringLiterals;

QString write_failure_text(const char *registerName, const char *path, const std::string &line,
                           const RegisterWriteFailure &failure)
{
    const QString value = QString::fromStdString(line).trimmed();
    const QString reason = QString::fromLocal8Bit(std::strerror(failure.error));
    if (failure.atOpen)
        return QCoreApplication::translate("pelvaro", "Could not write %1 %2: %3: %4")
            .arg(QLatin1StringView(registerName), value, QString::fromLocal8Bit(path), reason);
    return QCoreApplication::translate("pelvaro", "The kernel refused %1 %2: %3.")
        .arg(QLatin1StringView(registerName), value, reason);
}

void write_register_line(QWidget *panel, const char *registerName, const char *path,
                         const std::string &line)
{
    const auto failure = write_register_file(path, line);
    if (!failure)
        return;
    // One box at most: a later failure takes the place of one still shown.
    auto *box = panel->findChild<QMessageBox *>(u"writeFailure"_s, Qt::FindDirectChildrenOnly);
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, panel);
        box->setObjectName(u"writeFailure"_s);
        box->setWindowModality(Qt::WindowModal);
    }
    box->setText(write_failure_text(registerName, path, line, *failure));
    box->open();
    // Where no window manager gives a new window the keyboard, as on the framebuffer, the box
    // takes it, so that Return answers it.
    box->activateWindow();
}
