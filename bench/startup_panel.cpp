// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up benchmark: pelvaro as its main function starts it, ended at its first frame.
#include "app/pelvaro.h"
#include "firstframe.h"
#include "platform/handheldapplication.h"

int main(int argc, char **argv)
{
    mark_phase(Phase::Main);
    HandheldApplication application(argc, argv, HandheldApplication::GuiClient);
    mark_phase(Phase::Application);
    pelvaro panel(nullptr, nullptr, 0);
    FirstFrame firstFrame(&panel);
    mark_phase(Phase::Window);
    application.showMainWidget(&panel, false);
    mark_phase(Phase::Shown);
    return application.exec();
}
