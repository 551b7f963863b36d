// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Soak: 1,000 application font changes and 100,000 spin steps in one process, with the memory
// in use measured after a warm-up and at the end.
#include "app/pelvaro.h"

#include <QApplication>
#include <QSpinBox>

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {
struct Memory {
    long residentKiB;
    long heapInUseKiB;
};

Memory memory_now()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    const struct mallinfo2 heap = mallinfo2();
    return {resident * (sysconf(_SC_PAGESIZE) / 1024), static_cast<long>(heap.uordblks / 1024)};
}

void change_fonts(int count)
{
    const QFont fonts[] = {QFont("DejaVu Serif", 11), QFont("DejaVu Sans", 9, QFont::Bold, true)};
    for (int i = 0; i < count; ++i) {
        QApplication::setFont(fonts[i % 2]);
        QCoreApplication::processEvents();
    }
}

void step_spin_boxes(pelvaro &panel, int count)
{
    QSpinBox *const boxes[] = {panel.changeL, panel.change2N, panel.changeA, panel.changeLCD,
                               panel.changeVCORE};
    for (int i = 0; i < count; ++i) {
        QSpinBox *box = boxes[i % 5];
        // Up through the range and back down again.
        if ((i / 5 / (box->maximum() + 1)) % 2 == 0)
            box->stepUp();
        else
            box->stepDown();
        if (i % 100 == 99)
            QCoreApplication::processEvents();
    }
}

double growth_percent(long before, long after)
{
    return 100.0 * static_cast<double>(after - before) / static_cast<double>(before);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    pelvaro panel;
    panel.show();
    QCoreApplication::processEvents();

    change_fonts(100);
    step_spin_boxes(panel, 10000);
    const Memory warm = memory_now();

    change_fonts(1000);
    step_spin_boxes(panel, 100000);
    const Memory end = memory_now();

    std::printf("after warm-up: resident %ld KiB, heap in use %ld KiB\n", warm.residentKiB,
                warm.heapInUseKiB);
    std::printf("after 1000 font changes and 100000 spin steps: resident %ld KiB, heap in use "
                "%ld KiB\n",
                end.residentKiB, end.heapInUseKiB);
    std::printf("growth: resident %+.2f %%, heap in use %+.2f %%\n",
                growth_percent(warm.residentKiB, end.residentKiB),
                growth_percent(warm.heapInUseKiB, end.heapInUseKiB));
    const bool withinBudget = growth_percent(warm.residentKiB, end.residentKiB) < 1.0 &&
                              growth_percent(warm.heapInUseKiB, end.heapInUseKiB) < 1.0;
    std::printf("%s\n", withinBudget ? "within the 1 % budget" : "OVER the 1 % budget");
    return withinBudget ? 0 : 1;
}
