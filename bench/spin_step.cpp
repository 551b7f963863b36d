// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The cost of one spin step: show_freq alone, show_vcore alone, and a step of "changeL"
// including the repaint that follows. Under callgrind (--collect-atstart=no) only the measured
// steps are counted; run plainly, it prints microseconds per step.
#include "app/pelvaro.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstring>
#include <functional>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const char *what = argc > 1 ? argv[1] : "step";
    const int steps = argc > 2 ? std::atoi(argv[2]) : 1000;

    pelvaro panel;
    panel.show();
    QCoreApplication::processEvents();

    std::function<void(int)> step;
    if (std::strcmp(what, "show_freq") == 0 || std::strcmp(what, "show_vcore") == 0) {
        step = [&](int) { QMetaObject::invokeMethod(&panel, what, Qt::DirectConnection); };
    } else {
        // Up and down between 16 and 17, each change repainted before the next.
        step = [&](int i) {
            panel.changeL->setValue(16 + i % 2);
            QCoreApplication::processEvents();
        };
    }
    for (int i = 0; i < 50; ++i)
        step(i);

    QElapsedTimer timer;
    timer.start();
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < steps; ++i)
        step(i);
    CALLGRIND_TOGGLE_COLLECT;
    const qint64 nanoseconds = timer.nsecsElapsed();
    std::printf("%s: %d steps, %.2f us per step\n", what, steps,
                static_cast<double>(nanoseconds) / 1000.0 / steps);
    return 0;
}
