// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The application object pelvaro runs under, in place of a handheld platform's own.
#include "platform/handheldapplication.h"

#include <QWidget>

HandheldApplication::HandheldApplication(int &argc, char **argv, Type /*type*/)
    : QApplication(argc, argv)
{
    installTranslations(translationFolders(applicationDirPath()), QLocale::system());
}

HandheldApplication::~HandheldApplication() = default;

void HandheldApplication::showMainWidget(QWidget *widget, bool /*noMaximize*/)
{
    widget->show();
}

QStringList HandheldApplication::translationFolders(const QString &programFolder)
{
    return {programFolder + QStringLiteral("/../" PELVARO_INSTALLED_TRANSLATIONS),
            programFolder + QStringLiteral("/translations")};
}

bool HandheldApplication::installTranslations(const QStringList &folders, const QLocale &locale)
{
    removeTranslator(&m_translator);
    for (const QString &folder : folders) {
        if (m_translator.load(locale, QStringLiteral("pelvaro"), QStringLiteral("_"), folder))
            return installTranslator(&m_translator);
    }
    return false;
}
