// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading and writing the kernel's register files at their real paths through the real panel,
// on the simulated device.
#include "app/pelvaro.h"
#include "devicefiles.h"
#include "lcdreadout.h"
#include "logic/writefailure.h"

#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <sys/mount.h>

using namespace Qt::StringLiterals;

namespace
{
struct PanelState {
    QList<int> spinValues;
    QList<QImage> readouts;
    bool operator==(const PanelState &) const = default;
};

PanelState panel_state(pelvaro &panel)
{
    PanelState state;
    for (QSpinBox *spin : panel.findChildren<QSpinBox *>())
        state.spinValues << spin->value();
    for (QLCDNumber *display : panel.findChildren<QLCDNumber *>())
        state.readouts << lcd_picture(display);
    return state;
}

QList<int> spin_values(pelvaro &panel)
{
    return {panel.changeL->value(), panel.change2N->value(), panel.changeA->value(),
            panel.changeLCD->value(), panel.changeVCORE->value()};
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}
} // namespace

class RegisterFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readsBothFiles_data();
    void readsBothFiles();

    void writesExactBytes_data();
    void writesExactBytes();
    void writesTheClampedFieldsBack();
    void writesNothingUnasked();
    void leavesThePanelAsItWasAfterAWrite();
    void tellsAFailedWrite_data();
    void tellsAFailedWrite();
    void aLaterFailureGetsAFramedBox();
    void hintSaysWhatToDo_data();
    void hintSaysWhatToDo();
    void survivesAReadOnlyDevice();
    void survivesFilesDeniedToAnOrdinaryUser();
    void deviceInsideTheDeviceHasItsOwnFiles();
};

void RegisterFilesTest::init()
{
    REQUIRE_SIMULATED_DEVICE();
    cccr_value = 0;
    vcore_value = 0;
    put_device_file(DeviceFile::Cccr, "02000210\n");
    put_device_file(DeviceFile::Vcore, "0A\n");
}

void RegisterFilesTest::readsBothFiles_data()
{
    QTest::addColumn<QByteArray>("cccr"); // "<absent>" for no file
    QTest::addColumn<QByteArray>("vcore");
    QTest::addColumn<QList<int>>("spins"); // L, 2N, A, LCD, VCORE

    QTest::newRow("FFFFFFFF clamps")
        << QByteArray("FFFFFFFF") << QByteArray("F") << QList<int>{30, 6, 1, 1, 15};
    QTest::newRow("780 clamps 2N")
        << QByteArray("780") << QByteArray("0") << QList<int>{0, 6, 0, 0, 0};
    QTest::newRow("VCORE 1A keeps the low bits")
        << QByteArray("0") << QByteArray("1A") << QList<int>{0, 0, 0, 0, 10};
    QTest::newRow("realistic setting")
        << QByteArray("02000210\n") << QByteArray("0A\n") << QList<int>{16, 4, 1, 0, 10};
    QTest::newRow("both files absent")
        << QByteArray("<absent>") << QByteArray("<absent>") << QList<int>{0, 0, 0, 0, 0};
}

void RegisterFilesTest::readsBothFiles()
{
    QFETCH(QByteArray, cccr);
    QFETCH(QByteArray, vcore);
    QFETCH(QList<int>, spins);
    for (auto [file, content] : {std::pair{DeviceFile::Cccr, cccr}, {DeviceFile::Vcore, vcore}}) {
        if (content == "<absent>")
            remove_device_file(file);
        else
            put_device_file(file, content);
    }

    pelvaro panel;
    QCOMPARE(spin_values(panel), spins);
}

void RegisterFilesTest::writesExactBytes_data()
{
    QTest::addColumn<QList<int>>("spins"); // L, 2N, A, LCD, VCORE
    QTest::addColumn<QByteArray>("cccr");
    QTest::addColumn<QByteArray>("vcore");
    QTest::newRow("L 16, 2N 1, A 1, VCORE 12")
        << QList<int>{16, 1, 1, 0, 12} << QByteArray("02000090\n") << QByteArray("0C\n");
    QTest::newRow("all maximum") << QList<int>{30, 6, 1, 1, 15} << QByteArray("0A00031E\n")
                                 << QByteArray("0F\n");
}

void RegisterFilesTest::writesExactBytes()
{
    QFETCH(QList<int>, spins);
    QFETCH(QByteArray, cccr);
    QFETCH(QByteArray, vcore);
    // Longer than the lines written over them: nothing of the old text may stay behind.
    const QByteArray vcoreBefore = "0A, 1.35 V, and more than a line\n";
    put_device_file(DeviceFile::Cccr, "02000210 with a tail longer than the register's line\n");
    put_device_file(DeviceFile::Vcore, vcoreBefore);
    pelvaro panel;
    panel.show();
    panel.changeL->setValue(spins[0]);
    panel.change2N->setValue(spins[1]);
    panel.changeA->setValue(spins[2]);
    panel.changeLCD->setValue(spins[3]);
    panel.changeVCORE->setValue(spins[4]);

    click(panel.writeCCCR);
    QCOMPARE(device_file_content(DeviceFile::Cccr), cccr);
    QCOMPARE(device_file_content(DeviceFile::Vcore), vcoreBefore);
    click(panel.writeVCORE);
    QCOMPARE(device_file_content(DeviceFile::Vcore), vcore);
    QCOMPARE(device_file_content(DeviceFile::Cccr), cccr);
    QCOMPARE(cccr_value, cccr.trimmed().toUInt(nullptr, 16));
    QCOMPARE(vcore_value, vcore.trimmed().toUInt(nullptr, 16));
    QCOMPARE(open_register_files(), QStringList{});
}

void RegisterFilesTest::writesTheClampedFieldsBack()
{
    put_device_file(DeviceFile::Cccr, "FFFFFFFF");
    pelvaro panel;
    panel.show();
    click(panel.writeCCCR);
    QCOMPARE(device_file_content(DeviceFile::Cccr), QByteArray("0A00031E\n"));
}

void RegisterFilesTest::writesNothingUnasked()
{
    // Contents no write could produce, so any write would show.
    put_device_file(DeviceFile::Cccr, "108 as the kernel left it\n");
    put_device_file(DeviceFile::Vcore, "3 as the kernel left it\n");
    const QByteArray cccrBefore = device_file_state(DeviceFile::Cccr);
    const QByteArray vcoreBefore = device_file_state(DeviceFile::Vcore);

    pelvaro panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel, 60000));
    for (QSpinBox *spin : panel.findChildren<QSpinBox *>()) {
        for (int value = spin->maximum(); value >= 0; --value)
            spin->setValue(value);
        spin->stepUp();
    }
    QCoreApplication::processEvents();
    QCOMPARE(device_file_state(DeviceFile::Cccr), cccrBefore);
    QCOMPARE(device_file_state(DeviceFile::Vcore), vcoreBefore);
}

void RegisterFilesTest::leavesThePanelAsItWasAfterAWrite()
{
    pelvaro panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&panel, 60000));
    panel.changeL->setValue(20);
    panel.changeVCORE->setValue(3);
    const PanelState before = panel_state(panel);
    click(panel.writeCCCR);
    click(panel.writeVCORE);
    // Whatever the kernel makes of the value, the panel is not refreshed from the file.
    put_device_file(DeviceFile::Cccr, "0");
    QCoreApplication::processEvents();
    QCOMPARE(panel_state(panel), before);
}

void RegisterFilesTest::tellsAFailedWrite_data()
{
    QTest::addColumn<bool>("cccr");
    QTest::addColumn<QString>("file"); // what stands at the register file's path
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("CCCR absent") << true << u"<absent>"_s
                                 << QStringList{u"Could not write CCCR 02000210: "
                                                u"/proc/zaurus/CCCR: No such file or directory"_s};
    QTest::newRow("VCORE refused at the close, as /dev/full refuses it")
        << false << u"/dev/full"_s
        << QStringList{u"The kernel refused VCORE 0A: No space left on device."_s};
    QTest::newRow("CCCR taken") << true << u"<plain>"_s << QStringList{};
}

// Twice in a row: the second message takes the place of the first, and the panel works on.
void RegisterFilesTest::tellsAFailedWrite()
{
    QFETCH(bool, cccr);
    QFETCH(QString, file);
    QFETCH(QStringList, shown);
    const DeviceFile device = cccr ? DeviceFile::Cccr : DeviceFile::Vcore;
    pelvaro panel;
    if (file != u"<plain>"_s)
        remove_device_file(device);
    if (file.startsWith(u'/'))
        QVERIFY(QFile::link(file, device_path(device)));
    const PanelState before = panel_state(panel);
    for (int write = 0; write < 2; ++write)
        (cccr ? panel.writeCCCR : panel.writeVCORE)->click();

    QStringList messages;
    for (QMessageBox *box : panel.findChildren<QMessageBox *>())
        messages << (box->isVisible() ? box->text() : u"<hidden>"_s);
    QCOMPARE(messages, shown);
    QCOMPARE(panel_state(panel), before);
}

// A later failure's remedy, shown in place of the first, in a box with an edge of its own.
void RegisterFilesTest::aLaterFailureGetsAFramedBox()
{
    pelvaro panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&panel, 60000));
    remove_device_file(DeviceFile::Cccr);
    panel.writeCCCR->click(); // the module is not loaded
    put_device_file(DeviceFile::Cccr, "02000210\n");
    remove_device_file(DeviceFile::Vcore);
    panel.writeVCORE->click(); // the module is, but the kernel has no regulator
    auto *box = panel.findChild<QMessageBox *>();
    QVERIFY(box && QTest::qWaitForWindowExposed(box, 60000));
    const auto *hint = box->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
    QVERIFY(hint && hint->text().contains(u"ISL6271A"_s));
    const QImage drawn = box->grab().toImage();
    QCOMPARE(drawn.pixelColor(0, drawn.height() / 2), box->palette().color(QPalette::WindowText));
}

// A remedy (a pattern) from the errno (negative at the open), the register and the kernel's files.
using KernelFiles = QHash<QString, QString>; // path under sysfs, or zaurus/ for /proc/zaurus: text
void RegisterFilesTest::hintSaysWhatToDo_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("error");
    QTest::addColumn<KernelFiles>("files");
    QTest::addColumn<QString>("says");
    // clang-format off
    const QString cpu = u"devices/system/cpu/cpu0/cpufreq/scaling_"_s, vcc = u"class/regulator/r/"_s;
    const QString points = u"104000 156000 208000 312000 416000 "_s;
    QTest::newRow("not root") << u"0B"_s << -EACCES << KernelFiles{} << u"Start pelvaro as root: sudo pelvaro -platform offscreen$"_s;
    QTest::newRow("no regulator") << u"0B"_s << -ENOENT << KernelFiles{{u"zaurus/CCCR"_s, u"02000210"_s}} << u"no core-voltage regulator.*ISL6271A"_s;
    QTest::newRow("governor") << u"02000190"_s << EBUSY << KernelFiles{{cpu + u"governor"_s, u"performance"_s}} << u"is performance.*Choose userspace as root: echo userspace >"_s;
    QTest::newRow("clock") << u"0200031E"_s << EINVAL << KernelFiles{{cpu + u"max_freq"_s, u"416000"_s}} << u"1170 MHz.*operating points within cpufreq's limits. .*raise VCORE first"_s;
    QTest::newRow("no operating point") << u"0200031E"_s << EINVAL << KernelFiles{{cpu + u"min_freq"_s, u"156000"_s}, {cpu + u"max_freq"_s, u"416000"_s}} << u"L 30, 2N 6 and A 1 name none of the kernel's operating points, whose clocks are 156, 208, 312, 416 MHz"_s;
    QTest::newRow("no operating point of the driver's list") << u"0200031E"_s << EINVAL << KernelFiles{{cpu + u"available_frequencies"_s, u"104000 208000 416000 "_s}, {cpu + u"min_freq"_s, u"104000"_s}, {cpu + u"max_freq"_s, u"416000"_s}} << u"whose clocks are 104, 208, 416 MHz"_s;
    QTest::newRow("outside the limits") << u"02000310"_s << EINVAL << KernelFiles{{cpu + u"available_frequencies"_s, points + u"520000 624000"_s}, {cpu + u"min_freq"_s, u"104000"_s}, {cpu + u"max_freq"_s, u"416000"_s}} << u"624 MHz, lies outside cpufreq's limits, 104 to 416 MHz"_s;
    QTest::newRow("LCD bit") << u"0A000210"_s << EINVAL << KernelFiles{{u"zaurus/CCCR"_s, u"02000210\n"_s}, {cpu + u"available_frequencies"_s, points}} << u"Only L, 2N and A can be changed: LCD stays 0.*CCCR 02000210"_s;
    QTest::newRow("VCORE") << u"0F"_s << EINVAL << KernelFiles{{u"class/regulator/a/name"_s, u"vcc_lcd"_s}, {u"class/regulator/a/max_microvolts"_s, u"3300000"_s}, {vcc + u"name"_s, u"vcc_core range"_s}, {vcc + u"min_microvolts"_s, u"850000"_s}, {vcc + u"max_microvolts"_s, u"1300000"_s}} << u"0F asks for 1.60 V.*allows 0.85 to 1.30 V"_s;
    QTest::newRow("VCORE below the clock") << u"06"_s << ERANGE << KernelFiles{{cpu + u"cur_freq"_s, u"208000"_s}} << u"VCORE 06, 1.15 V, is less than 208 MHz.*at least 1.18 V \\(VCORE 07\\). Lower the clock first"_s;
    QTest::newRow("clock above VCORE") << u"02000210"_s << ERANGE << KernelFiles{} << u"416 MHz needs a core voltage of at least 1.35 V \\(VCORE 0A\\).*Raise VCORE first"_s;
    QTest::newRow("no remedy") << u"0B"_s << ENOSPC << KernelFiles{} << QString();
    // clang-format on
}

void RegisterFilesTest::hintSaysWhatToDo()
{
    QFETCH(QString, line);
    QFETCH(int, error);
    QFETCH(KernelFiles, files);
    QFETCH(QString, says);
    QTemporaryDir kernel;
    for (const auto &[path, text] : files.asKeyValueRange()) {
        QFile file(kernel.filePath(path));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
        file.write(text.toLatin1());
    }
    const QString hint = write_failure_hint(line.size() == 8 ? "CCCR" : "VCORE",
                                            line.toUInt(nullptr, 16), {error < 0, std::abs(error)},
                                            {kernel.path(), kernel.filePath(u"zaurus"_s)});
    QVERIFY2(hint.contains(QRegularExpression(says)) && says.isEmpty() == hint.isEmpty(),
             qPrintable(hint));
}

void RegisterFilesTest::survivesAReadOnlyDevice()
{
    pelvaro panel;
    panel.show();
    if (mount(nullptr, "/proc/zaurus", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        QSKIP("cannot make the device read-only here");
    const QStringList entries = QDir(u"/proc/zaurus"_s).entryList(QDir::AllEntries | QDir::System);
    const QByteArray cccrBefore = device_file_state(DeviceFile::Cccr);
    const QByteArray vcoreBefore = device_file_state(DeviceFile::Vcore);

    panel.changeL->setValue(9);
    panel.changeVCORE->setValue(7);
    click(panel.writeCCCR);
    click(panel.writeVCORE);
    QCOMPARE(mount(nullptr, "/proc/zaurus", nullptr, MS_REMOUNT | MS_BIND, nullptr), 0);

    // Nothing is created and nothing else is touched.
    QCOMPARE(QDir(u"/proc/zaurus"_s).entryList(QDir::AllEntries | QDir::System), entries);
    QCOMPARE(device_file_state(DeviceFile::Cccr), cccrBefore);
    QCOMPARE(device_file_state(DeviceFile::Vcore), vcoreBefore);
    // The value meant for the kernel is kept all the same, and the panel works on.
    QCOMPARE(cccr_value, 0x02000209u);
    QCOMPARE(vcore_value, 7u);
    panel.changeL->setValue(17);
    QCOMPARE(panel.showLCDFreq->value(), 55.0);
    QCOMPARE(panel.showVCOREVoltage->value(), double(1.2f));
}

void RegisterFilesTest::survivesFilesDeniedToAnOrdinaryUser()
{
    put_device_file(DeviceFile::Cccr, "02000210\n");
    put_device_file(DeviceFile::Vcore, "0A\n");
    for (DeviceFile file : {DeviceFile::Cccr, DeviceFile::Vcore})
        QVERIFY(QFile::setPermissions(device_path(file), QFileDevice::Permissions()));
    const QByteArray cccrBefore = device_file_state(DeviceFile::Cccr);
    const QByteArray vcoreBefore = device_file_state(DeviceFile::Vcore);

    constexpr uid_t nobody = 65534;
    if (geteuid() != 0 || setegid(nobody) != 0)
        QSKIP("cannot act as an ordinary user here");
    QList<int> spins;
    {
        // Root again on leaving the block, whether a comparison failed or not.
        const auto backToRoot = qScopeGuard([] {
            if (seteuid(0) != 0 || setegid(0) != 0)
                qFatal("cannot become root again");
        });
        if (seteuid(nobody) != 0)
            QSKIP("cannot act as an ordinary user here");
        pelvaro panel;
        panel.show();
        spins = spin_values(panel);
        panel.changeL->setValue(9);
        click(panel.writeCCCR);
        click(panel.writeVCORE);
        panel.changeL->setValue(17);
        QCOMPARE(panel.showLCDFreq->value(), 55.0);
    }

    QCOMPARE(spins, (QList<int>{0, 0, 0, 0, 0}));
    QCOMPARE(device_file_state(DeviceFile::Cccr), cccrBefore);
    QCOMPARE(device_file_state(DeviceFile::Vcore), vcoreBefore);
}

// The simulated device started on this one, as on a handheld with /proc/zaurus of its own.
void RegisterFilesTest::deviceInsideTheDeviceHasItsOwnFiles()
{
    const QString simulatedDevice = qEnvironmentVariable("PELVARO_SIMULATED_DEVICE");
    if (simulatedDevice.isEmpty())
        QSKIP("PELVARO_SIMULATED_DEVICE does not name the simulated device");
    QTemporaryDir inner;
    QVERIFY(inner.isValid());
    QFile cccr(inner.filePath(u"CCCR"_s));
    QVERIFY(cccr.open(QIODevice::WriteOnly));
    cccr.write("00000108\n");
    cccr.close();
    QProcess device;
    device.start(simulatedDevice, {inner.path(), u"--"_s, u"cat"_s, u"/proc/zaurus/CCCR"_s,
                                   u"/proc/zaurus/VCORE"_s});
    QVERIFY(device.waitForFinished(60000));
    QCOMPARE(device.readAllStandardError(), QByteArray());
    QCOMPARE(device.readAllStandardOutput(), QByteArray("00000108\n0A\n"));
    QCOMPARE(device_file_content(DeviceFile::Cccr), QByteArray("02000210\n"));
}

QTEST_MAIN(RegisterFilesTest)
#include "tst_registerfiles.moc"
