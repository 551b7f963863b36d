// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Starts pelvaro: one panel as the application's main window.
#include "app/pelvaro.h"
#include "platform/handheldapplication.h"

int main(int argc, char **argv)
{
    HandheldApplication application(argc, argv, HandheldApplication::GuiClient);
    pelvaro panel(nullptr, nullptr, 0);
    application.showMainWidget(&panel, false);
    return application.exec();
}
