// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a line to a register file, and what the panel tells when the line is not taken: the
// reason, and what the user can do about it.
#include "logic/writefailure.h"
#include "logic/clockmodel.h"
#include "logic/voltage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace
{
// Where cpufreq shows the processor's policy.
constexpr QLatin1StringView cpufreq_folder("/devices/system/cpu/cpu0/cpufreq/");

// The first line of a kernel file, or nothing where it cannot be read.
QString kernel_text(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).trimmed()
                                          : QString();
}

// The number a kernel file holds, in the given unit (1000 for kHz in MHz), as the panel shows it;
// nothing where the file cannot be read or holds no number.
QString kernel_number(const QString &path, double unit, int decimals)
{
    bool ok = false;
    const double number = kernel_text(path).toDouble(&ok);
    return ok ? QString::number(number / unit, 'f', decimals) : QString();
}

// The clock that a CCCR write asks for: the turbo clock, which is what cpufreq counts.
QString cccr_hint(std::uint32_t cccr, const QString &sysfs)
{
    const QString mhz = QString::number(compute_clocks(unpack_cccr(cccr)).turboModeMhz);
    const QString cpufreq = sysfs + cpufreq_folder;
    const QString low = kernel_number(cpufreq + u"scaling_min_freq"_s, 1000, 0);
    const QString high = kernel_number(cpufreq + u"scaling_max_freq"_s, 1000, 0);
    if (low.isEmpty() || high.isEmpty())
        return QCoreApplication::translate(
                   "pelvaro",
                   "The clock asked for, %1 MHz, must be one of the kernel's operating points "
                   "within cpufreq's limits. For a higher clock, raise VCORE first.")
            .arg(mhz);
    return QCoreApplication::translate(
               "pelvaro",
               "The clock asked for, %1 MHz, must be one of the kernel's operating points "
               "within cpufreq's limits, %2 to %3 MHz. For a higher clock, raise VCORE first.")
        .arg(mhz, low, high);
}

QString vcore_hint(std::uint32_t vcore, const QString &sysfs)
{
    const QString code = QString::asprintf("%02X", vcore);
    const QString volts = QString::number(core_voltage(static_cast<int>(vcore)), 'f', 2);
    const QDir regulators(sysfs + u"/class/regulator"_s);
    for (const QString &regulator : regulators.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = regulators.filePath(regulator) + u'/';
        if (kernel_text(folder + u"name"_s) != u"vcc_core"_s)
            continue;
        const QString low = kernel_number(folder + u"min_microvolts"_s, 1e6, 2);
        const QString high = kernel_number(folder + u"max_microvolts"_s, 1e6, 2);
        if (low.isEmpty() || high.isEmpty())
            break;
        return QCoreApplication::translate(
                   "pelvaro",
                   "VCORE %1 asks for %2 V; the regulator allows %3 to %4 V, and cpufreq may "
                   "allow less.")
            .arg(code, volts, low, high);
    }
    return QCoreApplication::translate(
               "pelvaro",
               "VCORE %1 asks for %2 V, which the regulator or cpufreq does not allow here.")
        .arg(code, volts);
}
} // namespace

QString write_failure_text(const char *registerName, const char *path, const std::string &line,
                           const RegisterWriteFailure &failure)
{
    const QString value = QString::fromStdString(line).trimmed();
    const QString reason = QString::fromLocal8Bit(std::strerror(failure.error));
    if (failure.atOpen)
        return QCoreApplication::translate("pelvaro", "Could not write %1 %2: %3: %4")
            .arg(QLatin1StringView(registerName), value, QString::fromLocal8Bit(path), reason);
    return QCoreApplication::translate("pelvaro", "The kernel refused %1 %2: %3.")
        .arg(QLatin1StringView(registerName), value, reason);
}

QString write_failure_hint(const char *registerName, const std::string &line,
                           const RegisterWriteFailure &failure, const QString &sysfs)
{
    if (failure.atOpen && (failure.error == EACCES || failure.error == EPERM))
        return QCoreApplication::translate(
            "pelvaro", "Writing a register needs root: start pelvaro as root, for example with "
                       "sudo pelvaro.");
    if (failure.atOpen && failure.error == ENOENT)
        return QCoreApplication::translate(
            "pelvaro", "The kernel module behind /proc/zaurus is not loaded: load it as root with "
                       "modprobe pelvaro_zaurus (package pelvaro-dkms).");
    if (failure.atOpen)
        return {};
    if (failure.error == EBUSY) {
        const QString governor = kernel_text(sysfs + cpufreq_folder + u"scaling_governor"_s);
        const QString choose = u"echo userspace > /sys"_s + cpufreq_folder + u"scaling_governor"_s;
        if (governor.isEmpty())
            return QCoreApplication::translate(
                       "pelvaro",
                       "cpufreq sets the clock itself here. Choose its governor userspace as "
                       "root: %1")
                .arg(choose);
        return QCoreApplication::translate(
                   "pelvaro",
                   "cpufreq's governor is %1, which sets the clock itself. Choose userspace as "
                   "root: %2")
            .arg(governor, choose);
    }
    if (failure.error == EINVAL) {
        const auto value = static_cast<std::uint32_t>(std::stoul(line, nullptr, 16));
        return std::strcmp(registerName, "CCCR") == 0 ? cccr_hint(value, sysfs)
                                                      : vcore_hint(value, sysfs);
    }
    return {};
}

void write_register_line(QWidget *panel, const char *registerName, const char *path,
                         const std::string &line)
{
    const auto failure = write_register_file(path, line);
    if (!failure)
        return;
    // One box at most: a later failure takes the place of one still shown.
    auto *box = panel->findChild<QMessageBox *>(u"writeFailure"_s, Qt::FindDirectChildrenOnly);
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, panel);
        box->setObjectName(u"writeFailure"_s);
        box->setWindowModality(Qt::WindowModal);
        // Answered, it goes: shown again on the framebuffer, a hidden box stays undrawn.
        box->setAttribute(Qt::WA_DeleteOnClose);
        // The panel's own sans-serif family, whatever the system's default face is.
        QFont font = box->font();
        font.setFamily(u"helvetica"_s);
        box->setFont(font);
    }
    const QString hint = write_failure_hint(registerName, line, *failure, u"/sys"_s);
    box->setText(write_failure_text(registerName, path, line, *failure));
    box->setInformativeText(hint);
    box->setAccessibleDescription(hint);
    // Qt gives a box half of a small screen's width. Where the screen is narrower than the
    // panel, as the handheld's held upright, the message may take the screen's width less a
    // margin, so that it does not break after every word.
    auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
    const QRect screen = panel->screen()->availableGeometry();
    if (label && screen.width() < panel->width()) {
        constexpr int margin = 16;
        label->setMinimumWidth(0);
        box->layout()->activate();
        const int around =
            box->layout()->totalMinimumSize().width() - label->minimumSizeHint().width();
        label->setMinimumWidth(screen.width() - 2 * margin - around);
    }
    box->open();
    // Where no window manager gives a new window the keyboard, as on the framebuffer, the box
    // takes it, so that Return answers it.
    box->activateWindow();
}
