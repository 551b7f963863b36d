// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The floor for start-up: a window of the panel's size holding one label in the application
// font, ended at its first frame. Every Qt program that draws text pays at least this much.
#include "firstframe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(628, 420);
    QLabel label(QStringLiteral("Run Mode Frequency"), &window);
    label.setGeometry(40, 80, 230, 30);
    FirstFrame firstFrame(&window);
    window.show();
    return application.exec();
}
