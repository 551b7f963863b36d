// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader gets from the panel through Qt's accessibility interfaces, in English
// and German, on the simulated device: each readout's and spin box's name, what it shows with
// its unit, and the events that tell of a change.
#include "app/pelvaro.h"
#include "devicefiles.h"
#include "lcdreadout.h"
#include "platform/handheldapplication.h"

#include <QAccessible>
#include <QLCDNumber>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtDBus>

using namespace Qt::StringLiterals;

namespace
{
struct Expected {
    const char *object;
    const char *english;
    const char *german;
    const char *atStart;    // CCCR 02000210, VCORE 0A
    const char *afterSteps; // L up by ten; 2N, A and VCORE down by one: CCCR 0000019A, VCORE 09
};

// clang-format off
const Expected widgets[] = {
    {"showSystemFreq", "System bus Frequency", "Systembus-Frequenz", "208 MHz", "338 MHz"},
    {"showRunModeFreq", "Run Mode Frequency", "Run-Modus-Frequenz", "208 MHz", "338 MHz"},
    {"showTurboModeFreq", "Turbo Mode Frequency", "Turbo-Modus-Frequenz", "416 MHz", "507 MHz"},
    {"showMemoryFreq", "Memory controller Frequency", "Speichercontroller-Frequenz", "208 MHz", "84 MHz"},
    {"showLCDFreq", "LCD Frequency", "LCD-Frequenz", "104 MHz", "84 MHz"},
    {"showLNumber", "L", "L", "16", "26"},
    {"show2NNumber", "2N", "2N", "2", "1.5"},
    {"showANumber", "A", "A", "1", "0"},
    {"showLCDNumber", "LCD", "LCD", "0", "0"},
    {"showCCCR", "CCCR value", "CCCR-Wert", "02000210", "0000019A"},
    {"showLNumber_Bin", "L in binary", "L in Binärziffern", "10000", "11010"},
    {"show2NNumber_Bin", "2N in binary", "2N in Binärziffern", "0100", "0011"},
    {"showANumber_Bin", "A in binary", "A in Binärziffern", "1", "0"},
    {"showLCDNumber_Bin", "LCD in binary", "LCD in Binärziffern", "0", "0"},
    {"showVCOREVoltage", "VCORE", "VCORE", "1.35 V", "1.3 V"},
    {"showVCORENumber_Bin", "VCORE in binary", "VCORE in Binärziffern", "1010", "1001"},
    {"changeL", "L", "L", "16", "26"},
    {"change2N", "2N", "2N", "4", "3"},
    {"changeA", "A", "A", "1", "0"},
    {"changeLCD", "LCD", "LCD", "0", "0"},
    {"changeVCORE", "VCORE", "VCORE", "10", "9"},
};
// clang-format on

void take_steps(pelvaro &panel)
{
    panel.changeL->stepBy(10);
    panel.change2N->stepBy(-1);
    panel.changeA->stepBy(-1);
    panel.changeVCORE->stepBy(-1);
}

QList<std::pair<QObject *, QAccessible::Event>> events;
void record_event(QAccessibleEvent *event)
{
    events.append({event->object(), event->type()});
}
} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyWidgetReadsRight_data();
    void everyWidgetReadsRight();
    void changesAreAnnounced();
};

void AccessibilityTest::init()
{
    REQUIRE_SIMULATED_DEVICE();
    cccr_value = vcore_value = 0;
    put_device_file(DeviceFile::Cccr, "02000210\n");
    put_device_file(DeviceFile::Vcore, "0A\n");
}

void AccessibilityTest::everyWidgetReadsRight_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    for (const bool german : {false, true}) {
        const QLocale locale = german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
        for (const bool steps : {false, true}) {
            for (const Expected &widget : widgets) {
                QTest::addRow("%s, %s, %s", german ? "German" : "English",
                              steps ? "after steps" : "at start", widget.object)
                    << locale << steps << widget.object
                    << QString::fromUtf8(german ? widget.german : widget.english)
                    << (steps ? widget.afterSteps : widget.atStart);
            }
        }
    }
}

void AccessibilityTest::everyWidgetReadsRight()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, steps);
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    auto &application = *static_cast<HandheldApplication *>(QCoreApplication::instance());
    application.installTranslations(locale);
    pelvaro panel;
    if (steps)
        take_steps(panel);

    auto *widget = panel.findChild<QWidget *>(object);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    if (auto *readout = qobject_cast<QLCDNumber *>(widget)) {
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Description), shown);
        // The text is what the display shows: its picture is that of a display given it.
        QCOMPARE(lcd_picture(readout), lcd_picture_of(readout, shown.section(u' ', 0, 0)));
    } else {
        QCOMPARE(iface->role(), QAccessible::SpinBox);
        QCOMPARE(iface->text(QAccessible::Value), shown);
    }
}

// A spin step tells of every readout whose text it changes, and of nothing else. Needs Qt's
// accessibility live, as tests/a11y-session.sh makes it.
void AccessibilityTest::changesAreAnnounced()
{
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 60000))
        QSKIP("no assistive technology bus: run this through tests/a11y-session.sh");
    pelvaro panel;
    panel.show();
    events.clear();
    const auto previous = QAccessible::installUpdateHandler(record_event);
    panel.changeVCORE->stepBy(-1);
    panel.changeA->stepBy(-1);
    QAccessible::installUpdateHandler(previous);

    QSet<QString> described;
    for (const auto &[object, type] : std::as_const(events)) {
        if (type == QAccessible::DescriptionChanged)
            described << object->objectName();
    }
    QCOMPARE(described,
             (QSet<QString>{u"showVCOREVoltage"_s, u"showVCORENumber_Bin"_s, u"showMemoryFreq"_s,
                            u"showANumber"_s, u"showANumber_Bin"_s, u"showCCCR"_s}));

    // A failed write's message, read over the AT-SPI bus from Qt's bridge in this event loop: a
    // client of this process asks, as a screen reader would.
    remove_device_file(DeviceFile::Cccr);
    panel.writeCCCR->click();
    auto *failure = panel.findChild<QMessageBox *>();
    QVERIFY(failure);
    QDBusMessage get =
        QDBusMessage::createMethodCall(QDBusConnection(u"a11y"_s).baseService(),
                                       u"/org/a11y/atspi/accessible/%1"_s.arg(QAccessible::uniqueId(
                                           QAccessible::queryAccessibleInterface(failure))),
                                       u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << u"org.a11y.atspi.Accessible"_s << u"Name"_s;
    const QDBusMessage address = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.a11y.Bus"_s, u"GetAddress"_s));
    QDBusPendingCall name =
        QDBusConnection::connectToBus(address.arguments().value(0).toString(), u"client"_s)
            .asyncCall(get);
    QVERIFY(QTest::qWaitFor([&] { return name.isFinished(); }, 60000));
    QCOMPARE(name.reply().arguments().value(0).value<QDBusVariant>().variant().toString(),
             u"Could not write CCCR 00000210: /proc/zaurus/CCCR: No such file or directory"_s);
    const auto *box = QAccessible::queryAccessibleInterface(failure);
    QVERIFY(box && box->text(QAccessible::Description).startsWith(u"The kernel module behind"_s));
}

int main(int argc, char **argv)
{
    HandheldApplication application(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_accessibility.moc"
