// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel as a whole: its widget tree, its clock readouts, and how it starts.
#include "app/pelvaro.h"
#include "lcdreadout.h"
#include "logic/clockmodel.h"
#include "logic/voltage.h"

#include <QFile>
#include <QFrame>
#include <QLCDNumber>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace
{
constexpr int none = -1;
const int centred = Qt::AlignCenter;
const int labelDefault = Qt::AlignLeft | Qt::AlignVCenter;
const int readoutFrame = QFrame::Box | QFrame::Raised;
const int sunkenPanel = QFrame::WinPanel | QFrame::Sunken;

struct WidgetRow {
    const char *name;
    const char *className;
    QRect rect;
    const char *text = "";
    int alignment = none;  // labels
    int digits = none;     // readouts
    int mode = none;       // readouts
    int frameStyle = none; // readouts and lines
    int maximum = none;    // spin boxes
};

WidgetRow label(const char *name, QRect rect, const char *text, int alignment = labelDefault)
{
    return {name, "QLabel", rect, text, alignment};
}
WidgetRow readout(const char *name, QRect rect, int digits = 6, int mode = QLCDNumber::Dec,
                  int frame = readoutFrame)
{
    return {name, "QLCDNumber", rect, "", none, digits, mode, frame};
}
WidgetRow binaryReadout(const char *name, QRect rect)
{
    return readout(name, rect, 6, QLCDNumber::Bin, sunkenPanel);
}
WidgetRow spinBox(const char *name, QRect rect, int maximum)
{
    return {name, "QSpinBox", rect, "", none, none, none, none, maximum};
}
WidgetRow button(const char *name, QRect rect, const char *text)
{
    return {name, "QPushButton", rect, text};
}
WidgetRow line(const char *name, QRect rect, int frameStyle)
{
    return {name, "QFrame", rect, "", none, none, none, frameStyle};
}

const QList<WidgetRow> &widgetTable()
{
    static const QList<WidgetRow> rows{
        label("TextLabel3", {40, 80, 230, 30}, "Run Mode Frequency"),
        label("TextLabel5", {40, 160, 280, 30}, "Memory controller Frequency"),
        label("TextLabel5_2", {40, 200, 200, 30}, "LCD Frequency"),
        label("TextLabel4", {40, 120, 240, 30}, "Turbo Mode Frequency"),
        readout("showLCDFreq", {330, 200, 70, 30}),
        readout("showRunModeFreq", {330, 80, 70, 30}),
        readout("showTurboModeFreq", {330, 120, 70, 30}),
        readout("showMemoryFreq", {330, 160, 70, 30}),
        readout("showSystemFreq", {330, 40, 70, 30}),
        label("TextLabel2", {40, 40, 220, 30}, "System bus Frequency"),
        label("TextLabel1", {40, 0, 200, 30}, "Crystal Frequency"),
        line("Line2", {448, -6, 31, 240}, 0x35),
        line("Line1", {0, 230, 630, 16}, 0x34),
        readout("showLCDNumber", {430, 250, 70, 30}),
        readout("showLNumber", {50, 250, 70, 30}),
        label("TextLabel7_2_2", {390, 250, 40, 30}, "LCD", centred),
        label("TextLabel7_2", {260, 250, 30, 30}, "A", centred),
        label("TextLabel8_2", {140, 250, 30, 30}, "2N", centred),
        readout("showANumber", {300, 250, 70, 30}),
        readout("show2NNumber", {180, 250, 70, 30}),
        label("TextLabel6_2_2", {170, 290, 120, 30}, "CCCR value", centred),
        readout("showCCCR", {310, 290, 140, 30}, 8, QLCDNumber::Hex),
        spinBox("changeA", {300, 330, 70, 30}, 1),
        spinBox("changeLCD", {430, 330, 70, 30}, 1),
        spinBox("changeL", {50, 330, 70, 30}, 30),
        spinBox("change2N", {180, 330, 70, 30}, 6),
        binaryReadout("showLNumber_Bin", {50, 370, 70, 30}),
        label("TextLabel8", {140, 350, 30, 30}, "2N", centred),
        label("TextLabel7_3", {390, 350, 40, 30}, "LCD", centred),
        label("TextLabel7", {260, 350, 30, 30}, "A", centred),
        binaryReadout("showLCDNumber_Bin", {430, 370, 70, 30}),
        binaryReadout("show2NNumber_Bin", {180, 370, 70, 30}),
        binaryReadout("showANumber_Bin", {300, 370, 70, 30}),
        label("TextLabel6", {10, 350, 30, 30}, "L", centred),
        button("writeCCCR", {520, 310, 91, 31}, "Write CCCR"),
        label("TextLabel2_2", {500, 0, 70, 30}, "VCORE"),
        spinBox("changeVCORE", {500, 90, 70, 30}, 15),
        binaryReadout("showVCORENumber_Bin", {500, 130, 70, 30}),
        button("writeVCORE", {490, 180, 91, 31}, "Write VCORE"),
        label("TextLabel6_2", {10, 250, 30, 30}, "L", centred),
        label("TextLabel6_2_3", {570, 40, 30, 30}, "V", centred),
        label("TextLabel3_2", {330, 0, 80, 30}, "13 MHz"),
        label("TextLabel3_2_2", {400, 40, 40, 30}, "MHz"),
        label("TextLabel3_2_2_2", {400, 80, 40, 30}, "MHz"),
        label("TextLabel3_2_2_3", {400, 120, 40, 30}, "MHz"),
        label("TextLabel3_2_2_4", {400, 160, 40, 30}, "MHz"),
        label("TextLabel3_2_2_5", {400, 200, 40, 30}, "MHz"),
        readout("showVCOREVoltage", {500, 40, 70, 30}),
    };
    return rows;
}

QList<QWidget *> childWidgets(QWidget *parent)
{
    return parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
}

} // namespace

Q_DECLARE_METATYPE(CccrFields)

class PanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void widgetTree_data();
    void widgetTree();
    void widgetTreeHasNothingElse();
    void panelSettings();
    void formNamesItselfOnlyWithoutAName();
    void slotsInDeclaredOrder();
    void tabOrderFollowsCreation();
    void spinBoxesClampToTheirRanges_data();
    void spinBoxesClampToTheirRanges();

    void clockReadouts_data();
    void clockReadouts();

    void voltageReadouts_data();
    void voltageReadouts();

    void startsFromAnAllZeroRegisterWithoutKernelFiles();

private:
    std::unique_ptr<pelvaro> m_panel;
};

void PanelTest::initTestCase()
{
    m_panel = std::make_unique<pelvaro>();
}

void PanelTest::widgetTree_data()
{
    QTest::addColumn<int>("index");
    const QList<WidgetRow> &rows = widgetTable();
    for (int i = 0; i < rows.size(); ++i)
        QTest::addRow("%02d %s", i + 1, rows[i].name) << i;
}

void PanelTest::widgetTree()
{
    QFETCH(int, index);
    const WidgetRow &row = widgetTable().at(index);
    const QList<QWidget *> children = childWidgets(m_panel.get());
    QCOMPARE(children.size(), widgetTable().size());

    QWidget *widget = children.at(index);
    QCOMPARE(widget->objectName(), QString::fromLatin1(row.name));
    QCOMPARE(widget->metaObject()->className(), row.className);
    QCOMPARE(widget->geometry(), row.rect);
    QCOMPARE(widget->parentWidget(), m_panel.get());

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), QString::fromLatin1(row.text));
        QCOMPARE(int(label->alignment()), row.alignment);
    } else if (auto *display = qobject_cast<QLCDNumber *>(widget)) {
        QCOMPARE(display->digitCount(), row.digits);
        QCOMPARE(int(display->mode()), row.mode);
        QCOMPARE(display->frameStyle(), row.frameStyle);
        QCOMPARE(display->segmentStyle(), QLCDNumber::Flat);
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), row.maximum);
        QCOMPARE(spin->singleStep(), 1);
        QCOMPARE(spin->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(spin->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
    } else if (auto *push = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(push->text(), QString::fromLatin1(row.text));
    } else {
        QCOMPARE(qobject_cast<QFrame *>(widget)->frameStyle(), row.frameStyle);
    }

    QCOMPARE(m_panel->findChild<QWidget *>(QString::fromLatin1(row.name)), widget);
}

void PanelTest::widgetTreeHasNothingElse()
{
    const pelvarobase &form = *m_panel;
    const QList<QWidget *> members{
        form.TextLabel3,
        form.TextLabel5,
        form.TextLabel5_2,
        form.TextLabel4,
        form.showLCDFreq,
        form.showRunModeFreq,
        form.showTurboModeFreq,
        form.showMemoryFreq,
        form.showSystemFreq,
        form.TextLabel2,
        form.TextLabel1,
        form.Line2,
        form.Line1,
        form.showLCDNumber,
        form.showLNumber,
        form.TextLabel7_2_2,
        form.TextLabel7_2,
        form.TextLabel8_2,
        form.showANumber,
        form.show2NNumber,
        form.TextLabel6_2_2,
        form.showCCCR,
        form.changeA,
        form.changeLCD,
        form.changeL,
        form.change2N,
        form.showLNumber_Bin,
        form.TextLabel8,
        form.TextLabel7_3,
        form.TextLabel7,
        form.showLCDNumber_Bin,
        form.show2NNumber_Bin,
        form.showANumber_Bin,
        form.TextLabel6,
        form.writeCCCR,
        form.TextLabel2_2,
        form.changeVCORE,
        form.showVCORENumber_Bin,
        form.writeVCORE,
        form.TextLabel6_2,
        form.TextLabel6_2_3,
        form.TextLabel3_2,
        form.TextLabel3_2_2,
        form.TextLabel3_2_2_2,
        form.TextLabel3_2_2_3,
        form.TextLabel3_2_2_4,
        form.TextLabel3_2_2_5,
        form.showVCOREVoltage,
    };
    QCOMPARE(childWidgets(m_panel.get()), members);
}

void PanelTest::panelSettings()
{
    QCOMPARE(m_panel->size(), QSize(628, 420));
    QCOMPARE(m_panel->maximumSize(), QSize(640, 420));
    QCOMPARE(m_panel->minimumSize(), QSize(0, 0));
    QCOMPARE(m_panel->baseSize(), QSize(640, 420));
    QCOMPARE(m_panel->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(m_panel->sizePolicy().verticalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(m_panel->windowTitle(), QStringLiteral("pelvaro"));
    QCOMPARE(m_panel->windowIconText(), QStringLiteral("pelvaro"));
    QCOMPARE(m_panel->objectName(), QStringLiteral("pelvarobase"));
    QVERIFY(m_panel->isWindow());
    QCOMPARE(m_panel->metaObject()->className(), "pelvaro");
    QCOMPARE(m_panel->metaObject()->superClass()->className(), "pelvarobase");
    QCOMPARE(pelvarobase::staticMetaObject.superClass(), &QWidget::staticMetaObject);

    pelvarobase form;
    QCOMPARE(form.windowTitle(), QStringLiteral("pelvarobase"));
    QCOMPARE(form.windowIconText(), QStringLiteral("pelvaro"));
}

void PanelTest::formNamesItselfOnlyWithoutAName()
{
    QCOMPARE(pelvarobase().objectName(), QStringLiteral("pelvarobase"));
    QCOMPARE(pelvarobase(nullptr, "panel").objectName(), QStringLiteral("panel"));
    QCOMPARE(pelvaro(nullptr, "controller").objectName(), QStringLiteral("controller"));
}

void PanelTest::slotsInDeclaredOrder()
{
    const QMetaObject &meta = pelvaro::staticMetaObject;
    const QStringList expected{u"show_freq()"_s,  u"show_vcore()"_s, u"read_cccr()"_s,
                               u"write_cccr()"_s, u"read_vcore()"_s, u"write_vcore()"_s};
    QStringList found;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        found << QString::fromLatin1(method.methodSignature());
    }
    QCOMPARE(found, expected);
    QCOMPARE(pelvarobase::staticMetaObject.methodCount(), QWidget::staticMetaObject.methodCount());
}

void PanelTest::tabOrderFollowsCreation()
{
    const QList<QWidget *> focusable{m_panel->changeA,   m_panel->changeLCD, m_panel->changeL,
                                     m_panel->change2N,  m_panel->writeCCCR, m_panel->changeVCORE,
                                     m_panel->writeVCORE};
    QList<QWidget *> order;
    for (QWidget *w = m_panel->nextInFocusChain(); w != m_panel.get(); w = w->nextInFocusChain()) {
        if (focusable.contains(w) && !order.contains(w))
            order << w;
    }
    QCOMPARE(order, focusable);
    for (QWidget *w : childWidgets(m_panel.get())) {
        if (!focusable.contains(w))
            QCOMPARE(w->focusPolicy() & Qt::TabFocus, 0);
    }
}

void PanelTest::spinBoxesClampToTheirRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maximum");
    QTest::newRow("L") << "changeL" << 30;
    QTest::newRow("2N") << "change2N" << 6;
    QTest::newRow("A") << "changeA" << 1;
    QTest::newRow("LCD") << "changeLCD" << 1;
    QTest::newRow("VCORE") << "changeVCORE" << 15;
}

void PanelTest::spinBoxesClampToTheirRanges()
{
    QFETCH(QString, name);
    QFETCH(int, maximum);
    pelvaro panel;
    auto *spin = panel.findChild<QSpinBox *>(name);
    spin->setValue(maximum + 1);
    QCOMPARE(spin->value(), maximum);
    spin->setValue(-1);
    QCOMPARE(spin->value(), 0);
}

void PanelTest::clockReadouts_data()
{
    QTest::addColumn<CccrFields>("fields");
    QTest::newRow("all zero") << CccrFields{0, 0, 0, 0};
    QTest::newRow("2N 3 halves N, LCD doubled") << CccrFields{16, 3, 0, 1};
    QTest::newRow("2N 5, A 1") << CccrFields{4, 5, 1, 0};
    QTest::newRow("all maximum") << CccrFields{30, 6, 1, 1};
}

// Each readout shows the engine's result for the spin boxes' fields, as a display formats it.
void PanelTest::clockReadouts()
{
    QFETCH(CccrFields, fields);
    pelvaro &panel = *m_panel;
    panel.changeL->setValue(fields.l);
    panel.change2N->setValue(fields.twoN);
    panel.changeA->setValue(fields.a);
    panel.changeLCD->setValue(fields.lcd);
    const ClockReadings clocks = compute_clocks(fields);
    char binary[40];
    const std::pair<QLCDNumber *, QString> shown[] = {
        {panel.showLNumber, QString::number(clocks.effectiveL)},
        {panel.show2NNumber, QString::number(double(clocks.turboRatio))},
        {panel.showANumber, QString::number(fields.a)},
        {panel.showLCDNumber, QString::number(fields.lcd)},
        {panel.showSystemFreq, QString::number(double(clocks.systemBusMhz))},
        {panel.showRunModeFreq, QString::number(double(clocks.runModeMhz))},
        {panel.showTurboModeFreq, QString::number(double(clocks.turboModeMhz))},
        {panel.showMemoryFreq, QString::number(double(clocks.memoryMhz))},
        {panel.showLCDFreq, QString::number(double(clocks.lcdMhz))},
        {panel.showCCCR, QString::number(clocks.packed, 16).toUpper().rightJustified(8, u'0')},
        {panel.showLNumber_Bin, QString::fromLatin1(to_binary_text(fields.l, 5, binary))},
        {panel.show2NNumber_Bin, QString::fromLatin1(to_binary_text(fields.twoN, 4, binary))},
        {panel.showANumber_Bin, QString::fromLatin1(to_binary_text(fields.a, 1, binary))},
        {panel.showLCDNumber_Bin, QString::fromLatin1(to_binary_text(fields.lcd, 1, binary))},
    };
    for (const auto &[readout, text] : shown)
        QCOMPARE(lcd_picture(readout), lcd_picture_of(readout, text));
    QCOMPARE(panel.showTurboModeFreq->value(), double(clocks.turboModeMhz)); // as a number
}

void PanelTest::voltageReadouts_data()
{
    QTest::addColumn<int>("vcore");
    for (int vcore = 15; vcore >= 0; --vcore)
        QTest::addRow("VCORE %d", vcore) << vcore;
}

void PanelTest::voltageReadouts()
{
    QFETCH(int, vcore);
    pelvaro &panel = *m_panel;
    panel.changeVCORE->setValue(vcore);
    const double volts = core_voltage(vcore);
    char binary[40];
    QCOMPARE(panel.showVCOREVoltage->value(), volts);
    QCOMPARE(lcd_picture(panel.showVCOREVoltage),
             lcd_picture_of(panel.showVCOREVoltage, QString::number(volts)));
    QCOMPARE(lcd_picture(panel.showVCORENumber_Bin),
             lcd_picture_of(panel.showVCORENumber_Bin,
                            QString::fromLatin1(to_binary_text(vcore, 4, binary))));
}

void PanelTest::startsFromAnAllZeroRegisterWithoutKernelFiles()
{
    if (QFile::exists(QStringLiteral("/proc/zaurus")))
        QSKIP("this machine has the kernel's register files");
    pelvaro panel;
    for (QSpinBox *spin : panel.findChildren<QSpinBox *>())
        QCOMPARE(spin->value(), 0);
    for (QLCDNumber *frequency : {panel.showSystemFreq, panel.showRunModeFreq,
                                  panel.showTurboModeFreq, panel.showMemoryFreq, panel.showLCDFreq})
        QCOMPARE(frequency->value(), 26.0);
    QCOMPARE(panel.showLNumber->intValue(), 2);
    QCOMPARE(panel.show2NNumber->value(), 1.0);
    QCOMPARE(panel.showANumber->intValue(), 0);
    QCOMPARE(panel.showLCDNumber->intValue(), 0);
    QCOMPARE(lcd_picture(panel.showCCCR), lcd_picture_of(panel.showCCCR, u"00000000"_s));
    QCOMPARE(lcd_picture(panel.showLNumber_Bin), lcd_picture_of(panel.showLNumber_Bin, u"00000"_s));
    QCOMPARE(lcd_picture(panel.show2NNumber_Bin),
             lcd_picture_of(panel.show2NNumber_Bin, u"0000"_s));
    QCOMPARE(lcd_picture(panel.showVCORENumber_Bin),
             lcd_picture_of(panel.showVCORENumber_Bin, u"0000"_s));
    QCOMPARE(panel.showVCOREVoltage->value(), double(0.85f));
    QCOMPARE(lcd_picture(panel.showVCOREVoltage),
             lcd_picture_of(panel.showVCOREVoltage, u"0.85"_s));
}

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
