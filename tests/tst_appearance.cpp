// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's palettes and fonts, and how the fonts hold when the application font changes.
#include "app/pelvaro.h"

#include <QApplication>
#include <QFrame>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{
constexpr QRgb black = 0xff000000, white = 0xffffffff, grey = 0xff808080, silver = 0xffc0c0c0,
               dark = 0xff606060, red = 0xffff0000;

enum class Kind { TextFont, ReadoutFont, ButtonFont, OwnFont, NoFont };

Kind font_kind(QWidget *widget)
{
    const QString name = widget->objectName();
    if (name == "showLNumber"_L1 || name == "showLNumber_Bin"_L1)
        return Kind::OwnFont;
    if (qobject_cast<QLabel *>(widget) || qobject_cast<QSpinBox *>(widget))
        return Kind::TextFont;
    if (qobject_cast<QLCDNumber *>(widget))
        return Kind::ReadoutFont;
    if (qobject_cast<QPushButton *>(widget))
        return Kind::ButtonFont;
    return Kind::NoFont;
}

// Checks one widget's font against its kind; `weight` is what a readout font's weight follows.
void verify_font(QWidget *widget, Kind kind, int readoutWeight)
{
    const QFont font = widget->font();
    switch (kind) {
    case Kind::TextFont:
    case Kind::ButtonFont:
        QCOMPARE(font.family(), QStringLiteral("helvetica"));
        QCOMPARE(font.pointSize(), kind == Kind::TextFont ? 14 : 9);
        QCOMPARE(font.weight(), QFont::Bold);
        break;
    case Kind::ReadoutFont:
        QCOMPARE(font.family(), QStringLiteral("helvetica"));
        QCOMPARE(font.pointSize(), 10);
        QCOMPARE(int(font.weight()), readoutWeight);
        break;
    case Kind::OwnFont:
        // Applied back as it is, the font keeps following the panel's.
        QCOMPARE(font, widget->parentWidget()->font());
        break;
    case Kind::NoFont:
        QVERIFY(!widget->testAttribute(Qt::WA_SetFont));
        QCOMPARE(font, widget->parentWidget()->font());
        break;
    }
}
} // namespace

class AppearanceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void palettes_data();
    void palettes();
    void disabledWidgetsDrawGrey();
    void onlyReadoutsAndButtonsHaveAPalette();

    void fontsAfterConstruction();
    void fontsHoldWhenTheApplicationFontChanges_data();
    void fontsHoldWhenTheApplicationFontChanges();
    void otherEventsReapplyNothing();

private:
    QFont m_applicationFont;
};

void AppearanceTest::init()
{
    m_applicationFont = QApplication::font();
}

void AppearanceTest::cleanup()
{
    QApplication::setFont(m_applicationFont);
    QCoreApplication::processEvents();
}

void AppearanceTest::palettes_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("role");
    QTest::addColumn<QList<QRgb>>("colours"); // active, inactive, disabled

    const QList<std::pair<QPalette::ColorRole, QList<QRgb>>> shared{
        {QPalette::WindowText, {black, black, grey}},
        {QPalette::Button, {silver, silver, silver}},
        {QPalette::Light, {white, white, white}},
        {QPalette::Midlight, {0xffdfdfdf, 0xffdcdcdc, 0xffdcdcdc}},
        {QPalette::Dark, {dark, dark, dark}},
        {QPalette::Mid, {grey, grey, grey}},
        {QPalette::Text, {black, black, black}},
        {QPalette::BrightText, {white, white, white}},
        {QPalette::Base, {white, white, white}},
        {QPalette::Shadow, {black, black, black}},
        {QPalette::Highlight, {black, black, black}},
        {QPalette::HighlightedText, {white, white, white}},
    };
    for (const char *widget : {"showRunModeFreq", "writeCCCR"}) {
        const bool button = QByteArray(widget) == "writeCCCR";
        auto rows = shared;
        rows.append({QPalette::ButtonText,
                     button ? QList<QRgb>{red, red, grey} : QList<QRgb>{black, black, grey}});
        rows.append({QPalette::Window, button ? QList<QRgb>{silver, silver, silver}
                                              : QList<QRgb>{white, white, white}});
        for (const auto &[role, colours] : rows)
            QTest::addRow("%s role %d", widget, int(role)) << widget << int(role) << colours;
    }
}

void AppearanceTest::palettes()
{
    QFETCH(QString, widget);
    QFETCH(int, role);
    QFETCH(QList<QRgb>, colours);
    pelvaro panel;
    const QPalette palette = panel.findChild<QWidget *>(widget)->palette();
    const auto colourRole = QPalette::ColorRole(role);
    QCOMPARE(palette.color(QPalette::Active, colourRole).rgba(), colours[0]);
    QCOMPARE(palette.color(QPalette::Inactive, colourRole).rgba(), colours[1]);
    QCOMPARE(palette.color(QPalette::Disabled, colourRole).rgba(), colours[2]);
    // The same palette on every readout, and on both buttons.
    for (QWidget *other : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other->metaObject() == panel.findChild<QWidget *>(widget)->metaObject())
            QCOMPARE(other->palette(), palette);
    }
}

void AppearanceTest::disabledWidgetsDrawGrey()
{
    pelvaro panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel, 60000));
    panel.showRunModeFreq->display(888);
    panel.showRunModeFreq->setEnabled(false);
    panel.writeCCCR->setEnabled(false);

    // A disabled readout draws grey segments on white.
    const QImage readout = panel.showRunModeFreq->grab().toImage();
    QSet<QRgb> readoutColours;
    for (int y = 0; y < readout.height(); ++y)
        for (int x = 0; x < readout.width(); ++x)
            readoutColours.insert(readout.pixel(x, y));
    QVERIFY(readoutColours.contains(white));
    QVERIFY(readoutColours.contains(grey));
    QVERIFY(!readoutColours.contains(black));

    // A disabled button's text is grey, not red.
    const QImage button = panel.writeCCCR->grab().toImage();
    bool anyRed = false;
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x)
            anyRed |= button.pixel(x, y) == red;
    QVERIFY(!anyRed);
    QCOMPARE(panel.writeCCCR->palette().color(QPalette::Disabled, QPalette::ButtonText).rgba(),
             grey);
    panel.writeCCCR->setEnabled(true);
    const QImage enabled = panel.writeCCCR->grab().toImage();
    bool redWhenEnabled = false;
    for (int y = 0; y < enabled.height(); ++y)
        for (int x = 0; x < enabled.width(); ++x)
            redWhenEnabled |= enabled.pixel(x, y) == red;
    QVERIFY(redWhenEnabled);
}

void AppearanceTest::onlyReadoutsAndButtonsHaveAPalette()
{
    pelvaro panel;
    QVERIFY(!panel.testAttribute(Qt::WA_SetPalette));
    for (QWidget *widget : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const bool ownPalette =
            qobject_cast<QLCDNumber *>(widget) || qobject_cast<QPushButton *>(widget);
        QCOMPARE(widget->testAttribute(Qt::WA_SetPalette), ownPalette);
    }
    QVERIFY(!panel.testAttribute(Qt::WA_SetFont));
}

void AppearanceTest::fontsAfterConstruction()
{
    pelvaro panel;
    const int applicationWeight = QApplication::font().weight();
    int fonted = 0;
    for (QWidget *widget : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const Kind kind = font_kind(widget);
        verify_font(widget, kind, applicationWeight);
        fonted += kind != Kind::NoFont;
    }
    QCOMPARE(fonted, 46);
}

void AppearanceTest::fontsHoldWhenTheApplicationFontChanges_data()
{
    QTest::addColumn<QFont>("applicationFont");
    QFont serif(QStringLiteral("DejaVu Serif"), 20);
    QTest::newRow("family and size") << serif;
    serif.setWeight(QFont::Light);
    QTest::newRow("light weight") << serif;
    QFont italic(QStringLiteral("DejaVu Sans Mono"), 7, QFont::Black, true);
    QTest::newRow("black italic") << italic;
}

void AppearanceTest::fontsHoldWhenTheApplicationFontChanges()
{
    QFETCH(QFont, applicationFont);
    pelvaro panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel, 60000));
    // Fonts changed behind the panel's back show that the change reaches the refresh.
    for (QWidget *widget :
         {static_cast<QWidget *>(panel.TextLabel1), static_cast<QWidget *>(panel.showLCDFreq),
          static_cast<QWidget *>(panel.writeCCCR)}) {
        QFont drifted = widget->font();
        drifted.setFamily(QStringLiteral("DejaVu Sans Mono"));
        drifted.setPointSize(30);
        widget->setFont(drifted);
    }

    QApplication::setFont(applicationFont);
    QCoreApplication::processEvents();

    for (QWidget *widget : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const Kind kind = font_kind(widget);
        verify_font(widget, kind, applicationFont.weight());
        // Attributes the panel does not set follow the application font.
        QCOMPARE(widget->font().italic(), applicationFont.italic());
    }
}

void AppearanceTest::otherEventsReapplyNothing()
{
    pelvaro panel;
    QFont changed = panel.TextLabel1->font();
    changed.setPointSize(30);
    panel.TextLabel1->setFont(changed);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::blue);
    panel.setPalette(palette);
    QEvent paletteChange(QEvent::PaletteChange);
    QApplication::sendEvent(&panel, &paletteChange);
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(&panel, &styleChange);
    QCOMPARE(panel.TextLabel1->font().pointSize(), 30);

    QEvent fontChange(QEvent::ApplicationFontChange);
    QApplication::sendEvent(&panel, &fontChange);
    QCOMPARE(panel.TextLabel1->font().pointSize(), 14);
}

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
