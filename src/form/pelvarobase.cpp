// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's form: creates, names, places and styles its 48 widgets, and keeps their fonts
// when the application font changes.
#include "form/pelvarobase.h"
#include "form/appearance.h"

#include <QEvent>
#include <QFrame>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <optional>
#include <utility>

namespace
{
enum class Alignment { Default, Centred };
enum class ReadoutFrame { Default, SunkenPanel };

// The font the panel gives a widget: the number displays of L keep their own; lines have none.
std::optional<FontKind> font_kind(const QWidget *widget)
{
    if (qobject_cast<const QPushButton *>(widget))
        return FontKind::Button;
    if (qobject_cast<const QLCDNumber *>(widget)) {
        const QString name = widget->objectName();
        const bool ownFont =
            name == QLatin1String("showLNumber") || name == QLatin1String("showLNumber_Bin");
        return ownFont ? FontKind::Own : FontKind::Readout;
    }
    if (qobject_cast<const QLabel *>(widget) || qobject_cast<const QSpinBox *>(widget))
        return FontKind::Text;
    return std::nullopt;
}

void apply_font(QWidget *widget)
{
    if (const auto kind = font_kind(widget))
        widget->setFont(derived_font(widget->font(), *kind));
}

// Makes the form's widgets, each named, placed and styled right after it is created.
class FormBuilder
{
public:
    explicit FormBuilder(QWidget *form)
        : form(form), readoutPalette(readout_palette()), writeButtonPalette(write_button_palette())
    {
    }

    QLabel *addLabel(const char *name, const QRect &rect, const QString &text,
                     Alignment alignment = Alignment::Default)
    {
        auto *label = new QLabel(form);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(rect);
        apply_font(label);
        label->setText(text);
        if (alignment == Alignment::Centred)
            label->setAlignment(Qt::AlignCenter);
        return label;
    }

    QLCDNumber *addReadout(const char *name, const QRect &rect, int digits,
                           ReadoutFrame frame = ReadoutFrame::Default,
                           std::optional<QLCDNumber::Mode> mode = std::nullopt)
    {
        auto *readout = new QLCDNumber(form);
        readout->setObjectName(QString::fromLatin1(name));
        readout->setGeometry(rect);
        readout->setPalette(readoutPalette);
        readout->setAutoFillBackground(true);
        apply_font(readout);
        if (frame == ReadoutFrame::SunkenPanel) {
            readout->setFrameShape(QFrame::WinPanel);
            readout->setFrameShadow(QFrame::Sunken);
        }
        readout->setDigitCount(digits);
        if (mode)
            readout->setMode(*mode);
        readout->setSegmentStyle(QLCDNumber::Flat);
        return readout;
    }

    QSpinBox *addSpinBox(const char *name, const QRect &rect, int maximum)
    {
        auto *spinBox = new QSpinBox(form);
        spinBox->setObjectName(QString::fromLatin1(name));
        spinBox->setGeometry(rect);
        QSizePolicy policy = spinBox->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Minimum);
        policy.setVerticalPolicy(QSizePolicy::Minimum);
        spinBox->setSizePolicy(policy);
        apply_font(spinBox);
        spinBox->setMaximum(maximum);
        return spinBox;
    }

    QPushButton *addWriteButton(const char *name, const QRect &rect, const QString &text)
    {
        auto *button = new QPushButton(form);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(rect);
        button->setPalette(writeButtonPalette);
        apply_font(button);
        button->setText(text);
        return button;
    }

    QFrame *addLine(const char *name, const QRect &rect, int frameStyle)
    {
        auto *line = new QFrame(form);
        line->setObjectName(QString::fromLatin1(name));
        line->setGeometry(rect);
        line->setFrameStyle(frameStyle);
        return line;
    }

private:
    QWidget *form;
    const QPalette readoutPalette;
    const QPalette writeButtonPalette;
};
} // namespace

pelvarobase::pelvarobase(QWidget *parent, const char *name, unsigned int fl)
    : QWidget(parent, Qt::WindowFlags(fl))
{
    setObjectName(QString::fromLatin1(name ? name : "pelvarobase"));
    resize(628, 420);
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Maximum);
    policy.setVerticalPolicy(QSizePolicy::Maximum);
    setSizePolicy(policy);
    setMaximumSize(640, 420);
    setBaseSize(640, 420);
    setWindowTitle(tr("pelvarobase"));
    setWindowIconText(tr("pelvaro"));

    FormBuilder build(this);
    const auto sunken = ReadoutFrame::SunkenPanel;

    TextLabel3 = build.addLabel("TextLabel3", {40, 80, 230, 30}, tr("Run Mode Frequency"));
    TextLabel5 =
        build.addLabel("TextLabel5", {40, 160, 280, 30}, tr("Memory controller Frequency"));
    TextLabel5_2 = build.addLabel("TextLabel5_2", {40, 200, 200, 30}, tr("LCD Frequency"));
    TextLabel4 = build.addLabel("TextLabel4", {40, 120, 240, 30}, tr("Turbo Mode Frequency"));
    showLCDFreq = build.addReadout("showLCDFreq", {330, 200, 70, 30}, 6);
    showRunModeFreq = build.addReadout("showRunModeFreq", {330, 80, 70, 30}, 6);
    showTurboModeFreq = build.addReadout("showTurboModeFreq", {330, 120, 70, 30}, 6);
    showMemoryFreq = build.addReadout("showMemoryFreq", {330, 160, 70, 30}, 6);
    showSystemFreq = build.addReadout("showSystemFreq", {330, 40, 70, 30}, 6);
    TextLabel2 = build.addLabel("TextLabel2", {40, 40, 220, 30}, tr("System bus Frequency"));
    TextLabel1 = build.addLabel("TextLabel1", {40, 0, 200, 30}, tr("Crystal Frequency"));
    Line2 = build.addLine("Line2", {448, -6, 31, 240}, QFrame::VLine | QFrame::Sunken);
    Line1 = build.addLine("Line1", {0, 230, 630, 16}, QFrame::HLine | QFrame::Sunken);
    showLCDNumber = build.addReadout("showLCDNumber", {430, 250, 70, 30}, 6);
    showLNumber = build.addReadout("showLNumber", {50, 250, 70, 30}, 6);
    TextLabel7_2_2 =
        build.addLabel("TextLabel7_2_2", {390, 250, 40, 30}, tr("LCD"), Alignment::Centred);
    TextLabel7_2 = build.addLabel("TextLabel7_2", {260, 250, 30, 30}, tr("A"), Alignment::Centred);
    TextLabel8_2 = build.addLabel("TextLabel8_2", {140, 250, 30, 30}, tr("2N"), Alignment::Centred);
    showANumber = build.addReadout("showANumber", {300, 250, 70, 30}, 6);
    show2NNumber = build.addReadout("show2NNumber", {180, 250, 70, 30}, 6);
    TextLabel6_2_2 =
        build.addLabel("TextLabel6_2_2", {170, 290, 120, 30}, tr("CCCR value"), Alignment::Centred);
    showCCCR = build.addReadout("showCCCR", {310, 290, 140, 30}, 8, ReadoutFrame::Default,
                                QLCDNumber::Hex);
    changeA = build.addSpinBox("changeA", {300, 330, 70, 30}, 1);
    changeLCD = build.addSpinBox("changeLCD", {430, 330, 70, 30}, 1);
    changeL = build.addSpinBox("changeL", {50, 330, 70, 30}, 30);
    change2N = build.addSpinBox("change2N", {180, 330, 70, 30}, 6);
    showLNumber_Bin =
        build.addReadout("showLNumber_Bin", {50, 370, 70, 30}, 6, sunken, QLCDNumber::Bin);
    TextLabel8 = build.addLabel("TextLabel8", {140, 350, 30, 30}, tr("2N"), Alignment::Centred);
    TextLabel7_3 =
        build.addLabel("TextLabel7_3", {390, 350, 40, 30}, tr("LCD"), Alignment::Centred);
    TextLabel7 = build.addLabel("TextLabel7", {260, 350, 30, 30}, tr("A"), Alignment::Centred);
    showLCDNumber_Bin =
        build.addReadout("showLCDNumber_Bin", {430, 370, 70, 30}, 6, sunken, QLCDNumber::Bin);
    show2NNumber_Bin =
        build.addReadout("show2NNumber_Bin", {180, 370, 70, 30}, 6, sunken, QLCDNumber::Bin);
    showANumber_Bin =
        build.addReadout("showANumber_Bin", {300, 370, 70, 30}, 6, sunken, QLCDNumber::Bin);
    TextLabel6 = build.addLabel("TextLabel6", {10, 350, 30, 30}, tr("L"), Alignment::Centred);
    writeCCCR = build.addWriteButton("writeCCCR", {520, 310, 91, 31}, tr("Write CCCR"));
    TextLabel2_2 = build.addLabel("TextLabel2_2", {500, 0, 70, 30}, tr("VCORE"));
    changeVCORE = build.addSpinBox("changeVCORE", {500, 90, 70, 30}, 15);
    showVCORENumber_Bin =
        build.addReadout("showVCORENumber_Bin", {500, 130, 70, 30}, 6, sunken, QLCDNumber::Bin);
    writeVCORE = build.addWriteButton("writeVCORE", {490, 180, 91, 31}, tr("Write VCORE"));
    TextLabel6_2 = build.addLabel("TextLabel6_2", {10, 250, 30, 30}, tr("L"), Alignment::Centred);
    TextLabel6_2_3 =
        build.addLabel("TextLabel6_2_3", {570, 40, 30, 30}, tr("V"), Alignment::Centred);
    TextLabel3_2 = build.addLabel("TextLabel3_2", {330, 0, 80, 30}, tr("13 MHz"));
    TextLabel3_2_2 = build.addLabel("TextLabel3_2_2", {400, 40, 40, 30}, tr("MHz"));
    TextLabel3_2_2_2 = build.addLabel("TextLabel3_2_2_2", {400, 80, 40, 30}, tr("MHz"));
    TextLabel3_2_2_3 = build.addLabel("TextLabel3_2_2_3", {400, 120, 40, 30}, tr("MHz"));
    TextLabel3_2_2_4 = build.addLabel("TextLabel3_2_2_4", {400, 160, 40, 30}, tr("MHz"));
    TextLabel3_2_2_5 = build.addLabel("TextLabel3_2_2_5", {400, 200, 40, 30}, tr("MHz"));
    showVCOREVoltage = build.addReadout("showVCOREVoltage", {500, 40, 70, 30}, 6);

    // What assistive technology calls each readout and spin box: the caption beside it.
    const std::pair<QWidget *, QString> names[] = {
        {showSystemFreq, TextLabel2->text()},
        {showRunModeFreq, TextLabel3->text()},
        {showTurboModeFreq, TextLabel4->text()},
        {showMemoryFreq, TextLabel5->text()},
        {showLCDFreq, TextLabel5_2->text()},
        {showLNumber, TextLabel6_2->text()},
        {show2NNumber, TextLabel8_2->text()},
        {showANumber, TextLabel7_2->text()},
        {showLCDNumber, TextLabel7_2_2->text()},
        {showCCCR, TextLabel6_2_2->text()},
        {showLNumber_Bin, tr("%1 in binary").arg(TextLabel6->text())},
        {show2NNumber_Bin, tr("%1 in binary").arg(TextLabel8->text())},
        {showANumber_Bin, tr("%1 in binary").arg(TextLabel7->text())},
        {showLCDNumber_Bin, tr("%1 in binary").arg(TextLabel7_3->text())},
        {showVCOREVoltage, TextLabel2_2->text()},
        {showVCORENumber_Bin, tr("%1 in binary").arg(TextLabel2_2->text())},
        {changeL, TextLabel6->text()},
        {change2N, TextLabel8->text()},
        {changeA, TextLabel7->text()},
        {changeLCD, TextLabel7_3->text()},
        {changeVCORE, TextLabel2_2->text()},
    };
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(name);
}

pelvarobase::~pelvarobase() = default;

bool pelvarobase::event(QEvent *e)
{
    const bool result = QWidget::event(e);
    if (e->type() == QEvent::ApplicationFontChange) {
        for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            apply_font(widget);
    }
    return result;
}
