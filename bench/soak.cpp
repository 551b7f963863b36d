// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Soak: stretches of 100 application font changes and 100,000 spin steps in one process, with
// the memory in use measured after each, until the heap has stopped growing or a leak shows.
// Qt's caches fill for a while (how far depends on timing), so growth alone says nothing; a
// leak is growth that does not stop.
#include "app/pelvaro.h"

#include <QApplication>
#include <QSpinBox>

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace
{
struct Memory {
    long residentKiB;
    long heapInUseBytes;
};

// The heap has stopped growing once it stays within this of its peak for this many stretches;
// a leak of a kibibyte per million spin steps still shows.
constexpr long allowanceBytes = 1024;
constexpr int quietStretches = 10;
constexpr int maximumStretches = 60;

Memory memory_now()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    const struct mallinfo2 heap = mallinfo2();
    return {resident * (sysconf(_SC_PAGESIZE) / 1024), static_cast<long>(heap.uordblks)};
}

void change_fonts(int count)
{
    const QFont fonts[] = {QFont(QStringLiteral("DejaVu Serif"), 11),
                           QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold, true)};
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
    std::printf("after warm-up: resident %ld KiB, heap in use %ld bytes\n", warm.residentKiB,
                warm.heapInUseBytes);
    Memory now = warm;
    long peak = warm.heapInUseBytes;
    int stretch = 0, peakStretch = 0;
    while (stretch - peakStretch < quietStretches && stretch < maximumStretches) {
        ++stretch;
        change_fonts(100);
        step_spin_boxes(panel, 100000);
        now = memory_now();
        if (now.heapInUseBytes > peak + allowanceBytes) {
            peak = now.heapInUseBytes;
            peakStretch = stretch;
        }
        std::printf("after stretch %2d: resident %ld KiB, heap in use %ld bytes\n", stretch,
                    now.residentKiB, now.heapInUseBytes);
    }
    std::printf("growth from warm-up: resident %+.2f %%, heap in use %+.2f %%\n",
                growth_percent(warm.residentKiB, now.residentKiB),
                growth_percent(warm.heapInUseBytes, now.heapInUseBytes));
    if (stretch - peakStretch < quietStretches) {
        std::printf("LEAK: the heap still grew after %d stretches (%d spin steps)\n", stretch,
                    stretch * 100000);
        return 1;
    }
    std::printf("a cache that fills, not a leak: the heap grew up to stretch %d, then rose "
                "no more than %ld bytes above its peak for %d stretches (%d spin steps)\n",
                peakStretch, allowanceBytes, quietStretches, quietStretches * 100000);
    return 0;
}
