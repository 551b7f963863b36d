// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel as a whole: its widget tree, its clock readouts, and how it starts.
#include "app/pelvaro.h"
#include "lcdreadout.h"

#include <QFile>
#include <QFrame>
#include <QLCDNumber>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

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

// The expected picture of every clock readout for one setting of the four fields.
struct ClockExpectation {
    int effectiveL;
    double turboRatio;
    double runMode, turboMode, memory, lcd;
    QString hex, binL, bin2N, binA, binLCD;
};
} // namespace

Q_DECLARE_METATYPE(ClockExpectation)

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
    const QStringList expected{"show_freq()",  "show_vcore()", "read_cccr()",
                               "write_cccr()", "read_vcore()", "write_vcore()"};
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
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("twoN");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("lcd");
    QTest::addColumn<ClockExpectation>("expected");

    // clang-format off
    // effective L, N, run, turbo, memory, LCD; hex; binary L, 2N, A, LCD
    QTest::newRow("all zero") << 0 << 0 << 0 << 0
        << ClockExpectation{2, 1, 26, 26, 26, 26, "00000000", "00000", "0000", "0", "0"};
    QTest::newRow("L 0, LCD doubled") << 0 << 0 << 0 << 1
        << ClockExpectation{2, 1, 26, 26, 26, 52, "08000000", "00000", "0000", "0", "1"};
    QTest::newRow("L 1 and 2N 1") << 1 << 1 << 0 << 0
        << ClockExpectation{2, 1, 26, 26, 26, 26, "00000081", "00001", "0001", "0", "0"};
    QTest::newRow("L 2") << 2 << 0 << 0 << 0
        << ClockExpectation{2, 1, 26, 26, 26, 26, "00000002", "00010", "0000", "0", "0"};
    QTest::newRow("2N 3 halves N") << 16 << 3 << 0 << 0
        << ClockExpectation{16, 1.5, 208, 312, 104, 104, "00000190", "10000", "0011", "0", "0"};
    QTest::newRow("2N 5") << 4 << 5 << 1 << 0
        << ClockExpectation{4, 2.5, 52, 130, 52, 52, "02000284", "00100", "0101", "1", "0"};
    QTest::newRow("M 1 up to L 10") << 10 << 0 << 0 << 0
        << ClockExpectation{10, 1, 130, 130, 130, 65, "0000000A", "01010", "0000", "0", "0"};
    QTest::newRow("M 2 from L 11") << 11 << 0 << 0 << 0
        << ClockExpectation{11, 1, 143, 143, 71, 71, "0000000B", "01011", "0000", "0", "0"};
    QTest::newRow("A 1 takes run mode at L 11") << 11 << 0 << 1 << 0
        << ClockExpectation{11, 1, 143, 143, 143, 71, "0200000B", "01011", "0000", "1", "0"};
    QTest::newRow("M 2 up to L 20") << 20 << 2 << 0 << 0
        << ClockExpectation{20, 1, 260, 260, 130, 65, "00000114", "10100", "0010", "0", "0"};
    QTest::newRow("M 4 from L 21") << 21 << 0 << 0 << 0
        << ClockExpectation{21, 1, 273, 273, 68, 68, "00000015", "10101", "0000", "0", "0"};
    QTest::newRow("D 1 up to L 7") << 7 << 0 << 0 << 0
        << ClockExpectation{7, 1, 91, 91, 91, 91, "00000007", "00111", "0000", "0", "0"};
    QTest::newRow("D 2 from L 8") << 8 << 2 << 0 << 0
        << ClockExpectation{8, 1, 104, 104, 104, 52, "00000108", "01000", "0010", "0", "0"};
    QTest::newRow("doubling before division at L 9") << 9 << 0 << 0 << 1
        << ClockExpectation{9, 1, 117, 117, 117, 117, "08000009", "01001", "0000", "0", "1"};
    QTest::newRow("D 2 up to L 16") << 16 << 0 << 0 << 0
        << ClockExpectation{16, 1, 208, 208, 104, 104, "00000010", "10000", "0000", "0", "0"};
    QTest::newRow("D 4 from L 17") << 17 << 0 << 0 << 0
        << ClockExpectation{17, 1, 221, 221, 110, 55, "00000011", "10001", "0000", "0", "0"};
    QTest::newRow("doubled LCD at L 17") << 17 << 0 << 0 << 1
        << ClockExpectation{17, 1, 221, 221, 110, 110, "08000011", "10001", "0000", "0", "1"};
    QTest::newRow("L 16, 2N 3, LCD 1") << 16 << 3 << 0 << 1
        << ClockExpectation{16, 1.5, 208, 312, 104, 208, "08000190", "10000", "0011", "0", "1"};
    QTest::newRow("L 30, 2N 6, A 0, LCD 0") << 30 << 6 << 0 << 0
        << ClockExpectation{30, 3, 390, 1170, 97, 97, "0000031E", "11110", "0110", "0", "0"};
    QTest::newRow("all maximum") << 30 << 6 << 1 << 1
        << ClockExpectation{30, 3, 390, 1170, 390, 195, "0A00031E", "11110", "0110", "1", "1"};
    // clang-format on
}

void PanelTest::clockReadouts()
{
    QFETCH(int, l);
    QFETCH(int, twoN);
    QFETCH(int, a);
    QFETCH(int, lcd);
    QFETCH(ClockExpectation, expected);

    pelvaro &panel = *m_panel;
    panel.changeL->setValue(l);
    panel.change2N->setValue(twoN);
    panel.changeA->setValue(a);
    panel.changeLCD->setValue(lcd);

    QCOMPARE(panel.showLNumber->intValue(), expected.effectiveL);
    QCOMPARE(panel.show2NNumber->value(), expected.turboRatio);
    QCOMPARE(panel.showANumber->intValue(), a);
    QCOMPARE(panel.showLCDNumber->intValue(), lcd);
    QCOMPARE(panel.showSystemFreq->value(), expected.runMode);
    QCOMPARE(panel.showRunModeFreq->value(), expected.runMode);
    QCOMPARE(panel.showTurboModeFreq->value(), expected.turboMode);
    QCOMPARE(panel.showMemoryFreq->value(), expected.memory);
    QCOMPARE(panel.showLCDFreq->value(), expected.lcd);

    QCOMPARE(lcd_picture(panel.showCCCR), lcd_picture_of(panel.showCCCR, expected.hex));
    QCOMPARE(lcd_picture(panel.showLNumber_Bin),
             lcd_picture_of(panel.showLNumber_Bin, expected.binL));
    QCOMPARE(lcd_picture(panel.show2NNumber_Bin),
             lcd_picture_of(panel.show2NNumber_Bin, expected.bin2N));
    QCOMPARE(lcd_picture(panel.showANumber_Bin),
             lcd_picture_of(panel.showANumber_Bin, expected.binA));
    QCOMPARE(lcd_picture(panel.showLCDNumber_Bin),
             lcd_picture_of(panel.showLCDNumber_Bin, expected.binLCD));
    // Frequencies show whole numbers or halves, never a rounding residue.
    QCOMPARE(lcd_picture(panel.showTurboModeFreq),
             lcd_picture_of(panel.showTurboModeFreq, QString::number(expected.turboMode)));
    QCOMPARE(lcd_picture(panel.show2NNumber),
             lcd_picture_of(panel.show2NNumber, QString::number(expected.turboRatio)));
}

void PanelTest::voltageReadouts_data()
{
    QTest::addColumn<int>("vcore");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("volts");
    const char *volts[] = {"0.85", "0.9", "0.95", "1",   "1.05", "1.1", "1.15", "1.2",
                           "1.25", "1.3", "1.35", "1.4", "1.45", "1.5", "1.55", "1.6"};
    const char *binary[] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                            "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
    for (int vcore = 15; vcore >= 0; --vcore)
        QTest::addRow("VCORE %d", vcore) << vcore << binary[vcore] << volts[vcore];
}

void PanelTest::voltageReadouts()
{
    QFETCH(int, vcore);
    QFETCH(QString, binary);
    QFETCH(QString, volts);
    pelvaro &panel = *m_panel;
    panel.changeVCORE->setValue(vcore);

    // The voltage is handed over as the single-precision value nearest the decimal.
    QCOMPARE(panel.showVCOREVoltage->value(), double(volts.toFloat()));
    QCOMPARE(lcd_picture(panel.showVCOREVoltage), lcd_picture_of(panel.showVCOREVoltage, volts));
    QCOMPARE(lcd_picture(panel.showVCORENumber_Bin),
             lcd_picture_of(panel.showVCORENumber_Bin, binary));
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
    QCOMPARE(lcd_picture(panel.showCCCR), lcd_picture_of(panel.showCCCR, "00000000"));
    QCOMPARE(lcd_picture(panel.showLNumber_Bin), lcd_picture_of(panel.showLNumber_Bin, "00000"));
    QCOMPARE(lcd_picture(panel.show2NNumber_Bin), lcd_picture_of(panel.show2NNumber_Bin, "0000"));
    QCOMPARE(lcd_picture(panel.showVCORENumber_Bin),
             lcd_picture_of(panel.showVCORENumber_Bin, "0000"));
    QCOMPARE(panel.showVCOREVoltage->value(), double(0.85f));
    QCOMPARE(lcd_picture(panel.showVCOREVoltage), lcd_picture_of(panel.showVCOREVoltage, "0.85"));
}

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
