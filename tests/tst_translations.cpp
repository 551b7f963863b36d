// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel in German, and in its own words where no catalogue matches.
#include "app/pelvaro.h"
#include "platform/handheldapplication.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void germanPanel();
    void noCatalogueKeepsTheTexts_data();
    void noCatalogueKeepsTheTexts();
    void looksInstalledThenBesideTheProgram();
    void everyTextFitsItsWidget_data();
    void everyTextFitsItsWidget();
};

namespace
{
HandheldApplication &application()
{
    return *static_cast<HandheldApplication *>(QCoreApplication::instance());
}

QStringList texts(pelvaro &panel)
{
    QStringList all{panel.windowTitle()};
    for (QWidget *widget : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            all << label->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            all << button->text();
    }
    return all;
}

const QStringList englishTexts{"pelvaro",
                               "Run Mode Frequency",
                               "Memory controller Frequency",
                               "LCD Frequency",
                               "Turbo Mode Frequency",
                               "System bus Frequency",
                               "Crystal Frequency",
                               "LCD",
                               "A",
                               "2N",
                               "CCCR value",
                               "2N",
                               "LCD",
                               "A",
                               "L",
                               "Write CCCR",
                               "VCORE",
                               "Write VCORE",
                               "L",
                               "V",
                               "13 MHz",
                               "MHz",
                               "MHz",
                               "MHz",
                               "MHz",
                               "MHz"};
} // namespace

void TranslationsTest::cleanup()
{
    application().installTranslations({}, QLocale::c());
    pelvaro panel;
    QCOMPARE(texts(panel), englishTexts);
}

void TranslationsTest::germanPanel()
{
    QVERIFY(application().installTranslations({PELVARO_BUILD_TRANSLATIONS_DIR},
                                              QLocale(QLocale::German, QLocale::Germany)));
    pelvaro panel;
    const QStringList germanTexts{"pelvaro",
                                  "Run-Modus-Frequenz",
                                  "Speichercontroller-Frequenz",
                                  "LCD-Frequenz",
                                  "Turbo-Modus-Frequenz",
                                  "Systembus-Frequenz",
                                  "Quarzfrequenz",
                                  "LCD",
                                  "A",
                                  "2N",
                                  "CCCR-Wert",
                                  "2N",
                                  "LCD",
                                  "A",
                                  "L",
                                  "CCCR setzen",
                                  "VCORE",
                                  "VCORE setzen",
                                  "L",
                                  "V",
                                  "13 MHz",
                                  "MHz",
                                  "MHz",
                                  "MHz",
                                  "MHz",
                                  "MHz"};
    QCOMPARE(texts(panel), germanTexts);
    QCOMPARE(panel.windowIconText(), QStringLiteral("pelvaro"));
}

void TranslationsTest::noCatalogueKeepsTheTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("C") << QLocale::c();
}

void TranslationsTest::noCatalogueKeepsTheTexts()
{
    QFETCH(QLocale, locale);
    QVERIFY(!application().installTranslations({PELVARO_BUILD_TRANSLATIONS_DIR}, locale));
    pelvaro panel;
    QCOMPARE(texts(panel), englishTexts);
}

void TranslationsTest::looksInstalledThenBesideTheProgram()
{
    const QStringList folders = HandheldApplication::translationFolders("/opt/pelvaro/bin");
    QCOMPARE(folders, (QStringList{"/opt/pelvaro/bin/../share/pelvaro/translations",
                                   "/opt/pelvaro/bin/translations"}));
}

void TranslationsTest::everyTextFitsItsWidget_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale::c();
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
}

// With the font that the panel actually gets here, no caption or button text is cut.
void TranslationsTest::everyTextFitsItsWidget()
{
    QFETCH(QLocale, locale);
    application().installTranslations({PELVARO_BUILD_TRANSLATIONS_DIR}, locale);
    pelvaro panel;
    QStringList cut, fonts;
    for (QWidget *widget : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QString text;
        QRect room;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            room = label->contentsRect();
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text = button->text();
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else {
            continue;
        }
        const QFontInfo font(widget->font());
        const QString used = QStringLiteral("%1 %2").arg(font.family()).arg(font.pixelSize());
        if (!fonts.contains(used))
            fonts << used;
        const int width = QFontMetrics(widget->font()).horizontalAdvance(text);
        if (width > room.width())
            cut << QStringLiteral("%1 \"%2\" (%3 of %4 pixels, %5)")
                       .arg(widget->objectName(), text)
                       .arg(width)
                       .arg(room.width())
                       .arg(used);
    }
    qInfo("the panel's fonts: %s", qPrintable(fonts.join(", ")));
    QVERIFY2(cut.isEmpty(), qPrintable("cut: " + cut.join("; ")));
}

int main(int argc, char **argv)
{
    HandheldApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
