// The panel in German, and in its own words where no catalogue matches.
#include "app/pelvaro.h"
#include "platform/handheldapplication.h"

#include <QLabel>
#include <QPushButton>
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
    // Every text of both contexts has a translation of its own in the catalogue.
    QCOMPARE(QCoreApplication::translate("pelvaro", "pelvaro"), QStringLiteral("pelvaro"));
    QVERIFY(!QCoreApplication::translate("pelvarobase", "Write CCCR").startsWith("Write"));
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

int main(int argc, char **argv)
{
    HandheldApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
