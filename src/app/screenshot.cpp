// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Saves a picture of the panel as it starts, rendered by Qt itself: run it on the offscreen
// platform, on the device or a simulated one. Exits 0 once saved.
//
//   pelvaro-screenshot FILE.png [QT-OPTION...]
#include "app/pelvaro.h"
#include "platform/handheldapplication.h"

#include <cstdio>

int main(int argc, char **argv)
{
    HandheldApplication application(argc, argv, HandheldApplication::GuiClient);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s FILE.png [QT-OPTION...]\n", argv[0]);
        return 2;
    }
    pelvaro panel(nullptr, nullptr, 0);
    application.showMainWidget(&panel, false);
    QCoreApplication::processEvents();
    if (!panel.grab().save(arguments[1], "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
