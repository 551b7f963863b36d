// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel in German and Japanese, and in its own words where no catalogue matches.
#include "app/pelvaro.h"
#include "platform/handheldapplication.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QtTest>

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void translatedPanel_data();
    void translatedPanel();
    void noCatalogueKeepsTheTexts_data();
    void noCatalogueKeepsTheTexts();
    void everyTextFitsItsWidget_data();
    void everyTextFitsItsWidget();
};

using Translations = QHash<QString, QString>;

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

// The fonts that draw `text`, fallback fonts included, as "family pixel-size"; none where a
// character has no glyph in any font installed.
QStringList fontsDrawing(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList fonts;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            return {};
        fonts << QStringLiteral("%1 %2")
                     .arg(run.rawFont().familyName())
                     .arg(run.rawFont().pixelSize());
    }
    return fonts;
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
    application().installTranslations(QLocale::c());
    pelvaro panel;
    QCOMPARE(texts(panel), englishTexts);
}

void TranslationsTest::translatedPanel_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Translations>("translations");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << Translations{
                                   {"Run Mode Frequency", "Run-Modus-Frequenz"},
                                   {"Memory controller Frequency", "Speichercontroller-Frequenz"},
                                   {"LCD Frequency", "LCD-Frequenz"},
                                   {"Turbo Mode Frequency", "Turbo-Modus-Frequenz"},
                                   {"System bus Frequency", "Systembus-Frequenz"},
                                   {"Crystal Frequency", "Quarzfrequenz"},
                                   {"CCCR value", "CCCR-Wert"},
                                   {"Write CCCR", "CCCR setzen"},
                                   {"Write VCORE", "VCORE setzen"}};
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan)
                              << Translations{
                                     {"Run Mode Frequency", "ランモード周波数"},
                                     {"Memory controller Frequency", "メモリコントローラ周波数"},
                                     {"LCD Frequency", "LCD周波数"},
                                     {"Turbo Mode Frequency", "ターボモード周波数"},
                                     {"System bus Frequency", "システムバス周波数"},
                                     {"Crystal Frequency", "水晶発振周波数"},
                                     {"CCCR value", "CCCR値"},
                                     {"Write CCCR", "CCCR書込み"},
                                     {"Write VCORE", "VCORE書込み"}};
}

// Captions and buttons are translated; units, register and field names stay as they stand.
void TranslationsTest::translatedPanel()
{
    QFETCH(QLocale, locale);
    QFETCH(Translations, translations);
    QVERIFY(application().installTranslations(locale));
    pelvaro panel;
    QStringList expected;
    for (const QString &text : englishTexts)
        expected << translations.value(text, text);
    QCOMPARE(texts(panel), expected);
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
    QVERIFY(!application().installTranslations(locale));
    pelvaro panel;
    QCOMPARE(texts(panel), englishTexts);
}

void TranslationsTest::everyTextFitsItsWidget_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale::c();
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan);
}

// With the fonts that the panel actually gets here, no caption or button text is cut or drawn
// with missing glyphs.
void TranslationsTest::everyTextFitsItsWidget()
{
    QFETCH(QLocale, locale);
    application().installTranslations(locale);
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
        const QStringList drawing = fontsDrawing(text, widget->font());
        if (drawing.isEmpty())
            cut << QStringLiteral("%1 \"%2\" (no font here has all its glyphs)")
                       .arg(widget->objectName(), text);
        for (const QString &used : drawing) {
            if (!fonts.contains(used))
                fonts << used;
        }
        const int width = QFontMetrics(widget->font()).horizontalAdvance(text);
        if (width > room.width())
            cut << QStringLiteral("%1 \"%2\" (%3 of %4 pixels, %5)")
                       .arg(widget->objectName(), text)
                       .arg(width)
                       .arg(room.width())
                       .arg(drawing.join(" + "));
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
