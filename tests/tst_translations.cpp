// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel in German and Japanese, and in its own words where no catalogue matches.
#include "app/pelvaro.h"
#include "logic/writefailure.h"
#include "platform/handheldapplication.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QtTest>

#include <cerrno>

using namespace Qt::StringLiterals;

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

// The texts of the context menu that the user opens on `spin`, without their shortcuts.
QStringList contextMenuTexts(QSpinBox *spin)
{
    QStringList menuTexts;
    QTimer::singleShot(0, spin, [&menuTexts] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                menuTexts << action->text().section(u'\t', 0, 0);
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, spin->rect().center(),
                            spin->mapToGlobal(spin->rect().center()));
    QCoreApplication::sendEvent(spin, &event);
    return menuTexts;
}

const QStringList englishSpinBoxMenu{u"&Undo"_s,  u"&Redo"_s,       u"Cu&t"_s,
                                     u"&Copy"_s,  u"&Paste"_s,      u"Delete"_s,
                                     u"&Select All"_s, u"&Step up"_s, u"Step &down"_s};

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

const QStringList englishTexts{u"pelvaro"_s,
                               u"Run Mode Frequency"_s,
                               u"Memory controller Frequency"_s,
                               u"LCD Frequency"_s,
                               u"Turbo Mode Frequency"_s,
                               u"System bus Frequency"_s,
                               u"Crystal Frequency"_s,
                               u"LCD"_s,
                               u"A"_s,
                               u"2N"_s,
                               u"CCCR value"_s,
                               u"2N"_s,
                               u"LCD"_s,
                               u"A"_s,
                               u"L"_s,
                               u"Write CCCR"_s,
                               u"VCORE"_s,
                               u"Write VCORE"_s,
                               u"L"_s,
                               u"V"_s,
                               u"13 MHz"_s,
                               u"MHz"_s,
                               u"MHz"_s,
                               u"MHz"_s,
                               u"MHz"_s,
                               u"MHz"_s};
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
    QTest::addColumn<QStringList>("spinBoxMenu"); // Qt's own texts
    QTest::addColumn<QStringList>("writeFailures");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << Translations{{u"Run Mode Frequency"_s, u"Run-Modus-Frequenz"_s},
                                            {u"Memory controller Frequency"_s,
                                             u"Speichercontroller-Frequenz"_s},
                                            {u"LCD Frequency"_s, u"LCD-Frequenz"_s},
                                            {u"Turbo Mode Frequency"_s, u"Turbo-Modus-Frequenz"_s},
                                            {u"System bus Frequency"_s, u"Systembus-Frequenz"_s},
                                            {u"Crystal Frequency"_s, u"Quarzfrequenz"_s},
                                            {u"CCCR value"_s, u"CCCR-Wert"_s},
                                            {u"Write CCCR"_s, u"CCCR setzen"_s},
                                            {u"Write VCORE"_s, u"VCORE setzen"_s}}
                            << QStringList{u"&Rückgängig"_s, u"Wieder&herstellen"_s,
                                           u"&Ausschneiden"_s, u"&Kopieren"_s, u"Einf&ügen"_s,
                                           u"Löschen"_s, u"&Alles auswählen"_s,
                                           u"&Inkrementieren"_s, u"&Dekrementieren"_s}
                            << QStringList{u"Der Kernel hat CCCR 0A00031E abgelehnt: Invalid argument."_s,
                                           u"VCORE 0B konnte nicht geschrieben werden: "
                                           u"/proc/zaurus/VCORE: No such file or directory"_s,
                                           u"Das Kernelmodul hinter /proc/zaurus ist nicht geladen. Laden Sie es als root mit modprobe pelvaro_zaurus (Paket pelvaro-dkms)."_s,
                                           u"Zum Schreiben eines Registers sind root-Rechte nötig. Starten Sie pelvaro als root: sudo pelvaro -platform offscreen"_s,
                                           u"416 MHz braucht eine Kernspannung von mindestens 1.35 V (VCORE 0A), mehr als der Kern jetzt bekommt. Erhöhen Sie zuerst VCORE."_s};
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan)
                              << Translations{{u"Run Mode Frequency"_s, u"ランモード周波数"_s},
                                              {u"Memory controller Frequency"_s,
                                               u"メモリコントローラ周波数"_s},
                                              {u"LCD Frequency"_s, u"LCD周波数"_s},
                                              {u"Turbo Mode Frequency"_s, u"ターボモード周波数"_s},
                                              {u"System bus Frequency"_s, u"システムバス周波数"_s},
                                              {u"Crystal Frequency"_s, u"水晶発振周波数"_s},
                                              {u"CCCR value"_s, u"CCCR値"_s},
                                              {u"Write CCCR"_s, u"CCCR書込み"_s},
                                              {u"Write VCORE"_s, u"VCORE書込み"_s}}
                              << QStringList{u"元に戻す(&U)"_s, u"やり直す(&R)"_s,
                                             u"切り取り(&T)"_s, u"コピー(&C)"_s,
                                             u"貼り付け(&P)"_s, u"削除"_s,
                                             u"すべてを選択(&S)"_s, u"上(&S)"_s, u"下(&D)"_s}
                              << QStringList{u"カーネルが CCCR 0A00031E を拒否しました: Invalid argument"_s,
                                             u"VCORE 0B を書き込めませんでした: "
                                             u"/proc/zaurus/VCORE: No such file or directory"_s,
                                             u"/proc/zaurus のカーネルモジュールが読み込まれていません。root で modprobe pelvaro_zaurus を実行して読み込んでください (パッケージ pelvaro-dkms)。"_s,
                                             u"レジスタの書き込みには root 権限が必要です。pelvaro を root で起動してください: sudo pelvaro -platform offscreen"_s,
                                             u"416 MHz には少なくとも 1.35 V (VCORE 0A) のコア電圧が必要で、現在の電圧では足りません。先に VCORE を上げてください。"_s};
}

// Captions and buttons are translated; units, register and field names stay as they stand.
void TranslationsTest::translatedPanel()
{
    QFETCH(QLocale, locale);
    QFETCH(Translations, translations);
    QFETCH(QStringList, spinBoxMenu);
    QFETCH(QStringList, writeFailures);
    QVERIFY(application().installTranslations(locale));
    pelvaro panel;
    QStringList expected;
    for (const QString &text : englishTexts)
        expected << translations.value(text, text);
    QCOMPARE(texts(panel), expected);
    QCOMPARE(contextMenuTexts(panel.changeL), spinBoxMenu);
    QCOMPARE(panel.windowIconText(), QStringLiteral("pelvaro"));
    QCOMPARE(write_failure_text("CCCR", cccr_file_path, "0A00031E\n", {false, EINVAL}),
             writeFailures[0]);
    QCOMPARE(write_failure_text("VCORE", vcore_file_path, "0B\n", {true, ENOENT}), writeFailures[1]);
    QCOMPARE(write_failure_hint("VCORE", 0x0B, {true, ENOENT}, {}), writeFailures[2]);
    QCOMPARE(write_failure_hint("VCORE", 0x0B, {true, EACCES}, {}), writeFailures[3]);
    QCOMPARE(write_failure_hint("CCCR", 0x02000210, {false, ERANGE}, {}), writeFailures[4]);
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
    QCOMPARE(contextMenuTexts(panel.changeL), englishSpinBoxMenu);
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
                       .arg(drawing.join(u" + "_s));
    }
    qInfo("the panel's fonts: %s", qPrintable(fonts.join(u", "_s)));
    QVERIFY2(cut.isEmpty(), qPrintable(u"cut: "_s + cut.join(u"; "_s)));
}

int main(int argc, char **argv)
{
    HandheldApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
