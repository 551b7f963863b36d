// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Ends a start-up benchmark at the end of the first painted frame of a window.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};
