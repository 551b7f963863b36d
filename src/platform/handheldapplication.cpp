// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The application object pelvaro runs under, in place of a handheld platform's own.
#include "platform/handheldapplication.h"
#include "platform/deferredicon.h"

#include <QLibraryInfo>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

HandheldApplication::HandheldApplication(int &argc, char **argv, Type /*type*/)
    : QApplication(argc, argv)
{
    installTranslations(QLocale::system());
    // The desktop ties the windows to the program's menu entry by its name, and shows the
    // entry's icon for them: the icon theme's where the theme has one, otherwise the program's
    // own. Either is looked up and read only when a window manager asks for its pictures;
    // where nothing draws it (the framebuffer, the VNC screen), never.
    const QString id = QStringLiteral("org.pelvaro.pelvaro");
    setDesktopFileName(id);
    setWindowIcon(QIcon(new DeferredIconEngine(id, QStringLiteral(":/icons"))));
}

HandheldApplication::~HandheldApplication()
{
    // The widget belongs to the caller, not to the window that scrolled over it.
    if (m_scrollingWindow)
        m_scrollingWindow->takeWidget();
}

void HandheldApplication::showMainWidget(QWidget *widget, bool /*noMaximize*/)
{
    if (m_scrollingWindow) {
        m_scrollingWindow->takeWidget();
        m_scrollingWindow.reset();
    }
    const QRect available = widget->screen()->availableGeometry();
    if (available.width() >= widget->width() && available.height() >= widget->height()) {
        widget->show();
        return;
    }
    // Scaled down, the texts would no longer be legible: the widget keeps its size, and a window
    // that fills the screen scrolls over it, by stylus on the scroll bars, by wheel, or by
    // keyboard, where the focused control is brought into view.
    m_scrollingWindow = std::make_unique<QScrollArea>();
    m_scrollingWindow->setFrameShape(QFrame::NoFrame);
    m_scrollingWindow->setWindowTitle(widget->windowTitle());
    m_scrollingWindow->setWindowIconText(widget->windowIconText());
    m_scrollingWindow->setWidget(widget);
    m_scrollingWindow->setGeometry(available);
    m_scrollingWindow->show();
}

bool HandheldApplication::installTranslations(const QLocale &locale)
{
    removeTranslator(&m_qtTranslator);
    removeTranslator(&m_translator);
    if (!m_translator.load(locale, QStringLiteral("pelvaro"), QStringLiteral("_"),
                           QStringLiteral(":/i18n")))
        return false;
    // Qt's own texts, such as a spin box's context menu, in the language of the catalogue that
    // matched, so that the window speaks one language; where Qt's catalogues are not installed,
    // they stay English.
    if (m_qtTranslator.load(QLocale(m_translator.language()), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslator);
    return installTranslator(&m_translator);
}
