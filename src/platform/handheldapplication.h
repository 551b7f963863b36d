// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The application object pelvaro runs under, in place of a handheld platform's own.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

class QScrollArea;

class HandheldApplication : public QApplication
{
    Q_OBJECT

public:
    enum Type { Tty = 0, GuiClient = 1, GuiServer = 2 };

    HandheldApplication(int &argc, char **argv, Type type = GuiClient);
    ~HandheldApplication() override;

    // Shows `widget` as the application's one main window at its own size. Where the screen is
    // smaller, the window fills the screen and scrolls over the widget, which keeps its size.
    void showMainWidget(QWidget *widget, bool noMaximize = false);

    // Installs the program's catalogue for `locale`, and Qt's own in the same language, in place
    // of those installed before; false where the program has none for `locale`, and every text
    // is then English.
    bool installTranslations(const QLocale &locale);

private:
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    std::unique_ptr<QScrollArea> m_scrollingWindow;
};
