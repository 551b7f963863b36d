// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Writing a line to a register file, and what the panel tells when the line is not taken: the
// reason, and what the user can do about it.
#include "logic/writefailure.h"
#include "logic/clockmodel.h"
#include "logic/operatingpoints.h"
#include "logic/voltage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace
{
// Where cpufreq shows the processor's policy.
constexpr QLatin1StringView cpufreq_folder("/devices/system/cpu/cpu0/cpufreq/");
// The bits of CCCR that the kernel defines besides L, 2N and A: LCD (27), PPDIS and CPDIS.
constexpr std::uint32_t cccr_other_defined_bits = 1U << 27 | 1U << 30 | 1U << 31;

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

QString volts_text(int microvolts)
{
    return QString::number(microvolts / 1e6, 'f', 2);
}

QString vcore_text(std::uint32_t vcore)
{
    return QString::asprintf("%02X", vcore);
}

// The folder of the core-voltage regulator, found by its constraints' name as the boards name it
// ("vcc_core range" on spitz, borzoi, terrier and most PXA boards), or nothing.
QString core_regulator(const QString &sysfs)
{
    const QDir regulators(sysfs + u"/class/regulator"_s);
    for (const QString &regulator : regulators.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = regulators.filePath(regulator) + u'/';
        const QString name = kernel_text(folder + u"name"_s);
        if (name == u"vcc_core range"_s || name == u"vcc_core"_s)
            return folder;
    }
    return {};
}

// The command that starts pelvaro as root where it runs now. sudo keeps DISPLAY and XAUTHORITY
// but not QT_QPA_PLATFORM, so any other platform is named; a Wayland session's socket needs its
// environment, which sudo -E keeps.
QString root_command()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == u"xcb"_s)
        return u"sudo pelvaro"_s;
    if (platform.startsWith(u"wayland"_s))
        return u"sudo -E pelvaro"_s;
    return u"sudo pelvaro -platform "_s + platform;
}

// Why CCCR `cccr` was refused as invalid: a bit besides L, 2N and A changed, L, 2N and A name no
// operating point, or the clock lies outside cpufreq's limits.
QString cccr_hint(std::uint32_t cccr, const KernelFolders &kernel)
{
    const CccrFields fields = unpack_cccr(cccr);
    const float turbo = compute_clocks(fields).turboModeMhz;
    const QString mhz = QString::number(turbo);
    const QString cpufreq = kernel.sysfs + cpufreq_folder;
    bool known = false;
    const std::uint32_t now = kernel_text(kernel.registers + u"/CCCR"_s).toUInt(&known, 16);
    if (known && ((cccr ^ now) & cccr_other_defined_bits) != 0)
        return QCoreApplication::translate(
                   "pelvaro", "Only L, 2N and A can be changed: LCD stays %1, as the kernel set "
                              "it (CCCR %2).")
            .arg(unpack_cccr(now).lcd)
            .arg(QString::asprintf("%08X", now));
    const QString low = kernel_number(cpufreq + u"scaling_min_freq"_s, 1000, 0);
    const QString high = kernel_number(cpufreq + u"scaling_max_freq"_s, 1000, 0);
    // The kernel's operating points, where its driver lists them (PXA2xx's does not), otherwise
    // the module's within cpufreq's limits.
    QStringList points;
    for (const QString &khz :
         kernel_text(cpufreq + u"scaling_available_frequencies"_s).split(u' ', Qt::SkipEmptyParts))
        points << QString::number(khz.toUInt() / 1000);
    if (points.isEmpty() && !low.isEmpty() && !high.isEmpty()) {
        for (const unsigned int khz : operating_point_khz()) {
            if (khz / 1000 >= low.toUInt() && khz / 1000 <= high.toUInt())
                points << QString::number(khz / 1000);
        }
    }
    if (!is_operating_point(cccr) && !points.isEmpty())
        return QCoreApplication::translate(
                   "pelvaro",
                   "L %1, 2N %2 and A %3 name none of the kernel's operating points, whose "
                   "clocks are %4 MHz.")
            .arg(fields.l)
            .arg(fields.twoN)
            .arg(fields.a)
            .arg(points.join(u", "_s));
    if (low.isEmpty() || high.isEmpty())
        return QCoreApplication::translate(
                   "pelvaro",
                   "The clock asked for, %1 MHz, must be one of the kernel's operating points "
                   "within cpufreq's limits. For a higher clock, raise VCORE first.")
            .arg(mhz);
    if (is_operating_point(cccr) && (turbo < low.toFloat() || turbo > high.toFloat()))
        return QCoreApplication::translate(
                   "pelvaro", "The clock asked for, %1 MHz, lies outside cpufreq's limits, %2 to "
                              "%3 MHz.")
            .arg(mhz, low, high);
    return QCoreApplication::translate(
               "pelvaro",
               "The clock asked for, %1 MHz, must be one of the kernel's operating points "
               "within cpufreq's limits, %2 to %3 MHz. For a higher clock, raise VCORE first.")
        .arg(mhz, low, high);
}

QString vcore_hint(std::uint32_t vcore, const KernelFolders &kernel)
{
    const QString volts = QString::number(core_voltage(static_cast<int>(vcore)), 'f', 2);
    const QString regulator = core_regulator(kernel.sysfs);
    const QString low = kernel_number(regulator + u"min_microvolts"_s, 1e6, 2);
    const QString high = kernel_number(regulator + u"max_microvolts"_s, 1e6, 2);
    if (regulator.isEmpty() || low.isEmpty() || high.isEmpty())
        return QCoreApplication::translate(
                   "pelvaro",
                   "VCORE %1 asks for %2 V, which the regulator or cpufreq does not allow here.")
            .arg(vcore_text(vcore), volts);
    return QCoreApplication::translate(
               "pelvaro",
               "VCORE %1 asks for %2 V; the regulator allows %3 to %4 V, and cpufreq may "
               "allow less.")
        .arg(vcore_text(vcore), volts, low, high);
}

// Out of range: the clock needs more than the core voltage gives, or VCORE gives less than the
// clock the processor runs at needs.
QString out_of_range_hint(const char *registerName, std::uint32_t value,
                          const KernelFolders &kernel)
{
    if (std::strcmp(registerName, "CCCR") == 0) {
        const auto turbo = compute_clocks(unpack_cccr(value)).turboModeMhz;
        const int needed = least_core_microvolts(static_cast<unsigned int>(turbo * 1000));
        return QCoreApplication::translate(
                   "pelvaro", "%1 MHz needs a core voltage of at least %2 V (VCORE %3), more "
                              "than the core gets now. Raise VCORE first.")
            .arg(QString::number(turbo), volts_text(needed),
                 vcore_text(static_cast<std::uint32_t>(least_vcore(needed))));
    }
    const QString volts = QString::number(core_voltage(static_cast<int>(value)), 'f', 2);
    bool known = false;
    const unsigned int khz =
        kernel_text(kernel.sysfs + cpufreq_folder + u"scaling_cur_freq"_s).toUInt(&known);
    if (!known)
        return QCoreApplication::translate(
                   "pelvaro", "VCORE %1, %2 V, is less than the clock the processor runs at "
                              "needs. Lower the clock first.")
            .arg(vcore_text(value), volts);
    const int needed = least_core_microvolts(khz);
    return QCoreApplication::translate(
               "pelvaro", "VCORE %1, %2 V, is less than %3 MHz, the clock the processor runs at, "
                          "needs: at least %4 V (VCORE %5). Lower the clock first.")
        .arg(vcore_text(value), volts, QString::number(khz / 1000), volts_text(needed),
             vcore_text(static_cast<std::uint32_t>(least_vcore(needed))));
}
} // namespace

namespace
{
// A warning with an edge in the text's colour: where no window manager frames it, as on the
// framebuffer, it would stand over the panel's rows without one.
class FramedMessageBox : public QMessageBox
{
public:
    explicit FramedMessageBox(QWidget *parent)
        : QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMessageBox::paintEvent(event);
        constexpr int edge = 2;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), edge));
        painter.drawRect(rect().adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2));
    }
};
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

QString write_failure_hint(const char *registerName, std::uint32_t value,
                           const RegisterWriteFailure &failure, const KernelFolders &kernel)
{
    const bool cccr = std::strcmp(registerName, "CCCR") == 0;
    if (failure.atOpen && (failure.error == EACCES || failure.error == EPERM))
        return QCoreApplication::translate(
                   "pelvaro", "Writing a register needs root. Start pelvaro as root: %1")
            .arg(root_command());
    if (failure.atOpen && failure.error == ENOENT && !cccr &&
        QFileInfo::exists(kernel.registers + u"/CCCR"_s))
        return QCoreApplication::translate(
            "pelvaro", "The kernel knows no core-voltage regulator \"vcc_core\", so there is no "
                       "VCORE: its driver is missing, on the SL-C3000 the ISL6271A's "
                       "(isl6271a-regulator). Load it as root, then pelvaro_zaurus again.");
    if (failure.atOpen && failure.error == ENOENT)
        return QCoreApplication::translate(
            "pelvaro", "The kernel module behind /proc/zaurus is not loaded: load it as root with "
                       "modprobe pelvaro_zaurus (package pelvaro-dkms).");
    if (failure.atOpen)
        return {};
    if (failure.error == EBUSY) {
        const QString governor = kernel_text(kernel.sysfs + cpufreq_folder + u"scaling_governor"_s);
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
    if (failure.error == EINVAL)
        return cccr ? cccr_hint(value, kernel) : vcore_hint(value, kernel);
    if (failure.error == ERANGE)
        return out_of_range_hint(registerName, value, kernel);
    return {};
}

void write_register_line(QWidget *panel, const char *registerName, const char *path,
                         std::uint32_t value, const std::string &line)
{
    const auto failure = write_register_file(path, line);
    if (!failure)
        return;
    // One box at most: a later failure takes the place of one still shown, in a box of its own,
    // which takes the size of its own texts.
    delete panel->findChild<QMessageBox *>(u"writeFailure"_s, Qt::FindDirectChildrenOnly);
    auto *box = new FramedMessageBox(panel);
    box->setObjectName(u"writeFailure"_s);
    box->setWindowModality(Qt::WindowModal);
    // Answered, it goes: shown again on the framebuffer, a hidden box stays undrawn.
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The panel's own sans-serif family, whatever the system's default face is.
    QFont font = box->font();
    font.setFamily(u"helvetica"_s);
    box->setFont(font);
    const QString hint =
        write_failure_hint(registerName, value, *failure, {u"/sys"_s, u"/proc/zaurus"_s});
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
