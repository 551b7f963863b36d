// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Ends a start-up benchmark at the end of the first painted frame of a window, and marks its
// phases for bench/guestcount.c.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/syscall.h>
#include <unistd.h>

// The phases of a start, as bench/guestcount.c counts them.
enum class Phase { Main = 1, Application, Window, Shown, FirstFrame };

// Marks the end of a phase with a write to no file, which fails at once and which the
// instruction counter sees.
inline void mark_phase(Phase phase)
{
    ::syscall(SYS_write, -1, nullptr, static_cast<long>(phase));
}

class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window) : m_window(window) { window->installEventFilter(this); }

    // The window and its children are painted, and the frame flushed, in one go; the event
    // loop ends as soon as that is done.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                mark_phase(Phase::FirstFrame);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};
