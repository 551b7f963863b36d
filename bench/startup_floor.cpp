// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The floor for start-up: a window of the panel's size holding one label in the application
// font, ended at its first frame. Every Qt program that draws text pays at least this much.
// With --keep-open it stays shown, for the memory such a window takes.
#include "firstframe.h"

#include <QApplication>
#include <QLabel>

#include <memory>

int main(int argc, char **argv)
{
    mark_phase(Phase::Main);
    QApplication application(argc, argv);
    mark_phase(Phase::Application);
    QWidget window;
    window.resize(628, 420);
    QLabel label(QStringLiteral("Run Mode Frequency"), &window);
    label.setGeometry(40, 80, 230, 30);
    std::unique_ptr<FirstFrame> firstFrame;
    if (!application.arguments().contains(QStringLiteral("--keep-open")))
        firstFrame = std::make_unique<FirstFrame>(&window);
    mark_phase(Phase::Window);
    window.show();
    mark_phase(Phase::Shown);
    return application.exec();
}
