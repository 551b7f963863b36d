// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's form: creates, names, places and styles its 48 widgets, and keeps their fonts
// when the application font changes.
#include "form/pelvarobase.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

pelvarobase::pelvarobase(QWidget *parent, const char *name, unsigned int fl)
    : QWidget(parent, Qt::WindowFlags(fl)), m_readoutPalette(readout_palette()),
      m_writeButtonPalette(write_button_palette())
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

    m_fontedWidgets.reserve(46);
    const auto sunken = ReadoutFrame::SunkenPanel;

    TextLabel3 = addLabel("TextLabel3", {40, 80, 230, 30}, tr("Run Mode Frequency"));
    TextLabel5 = addLabel("TextLabel5", {40, 160, 280, 30}, tr("Memory controller Frequency"));
    TextLabel5_2 = addLabel("TextLabel5_2", {40, 200, 200, 30}, tr("LCD Frequency"));
    TextLabel4 = addLabel("TextLabel4", {40, 120, 240, 30}, tr("Turbo Mode Frequency"));
    showLCDFreq = addReadout("showLCDFreq", {330, 200, 70, 30}, FontKind::Readout, 6);
    showRunModeFreq = addReadout("showRunModeFreq", {330, 80, 70, 30}, FontKind::Readout, 6);
    showTurboModeFreq = addReadout("showTurboModeFreq", {330, 120, 70, 30}, FontKind::Readout, 6);
    showMemoryFreq = addReadout("showMemoryFreq", {330, 160, 70, 30}, FontKind::Readout, 6);
    showSystemFreq = addReadout("showSystemFreq", {330, 40, 70, 30}, FontKind::Readout, 6);
    TextLabel2 = addLabel("TextLabel2", {40, 40, 220, 30}, tr("System bus Frequency"));
    TextLabel1 = addLabel("TextLabel1", {40, 0, 200, 30}, tr("Crystal Frequency"));
    Line2 = addLine("Line2", {448, -6, 31, 240}, QFrame::VLine | QFrame::Sunken);
    Line1 = addLine("Line1", {0, 230, 630, 16}, QFrame::HLine | QFrame::Sunken);
    showLCDNumber = addReadout("showLCDNumber", {430, 250, 70, 30}, FontKind::Readout, 6);
    showLNumber = addReadout("showLNumber", {50, 250, 70, 30}, FontKind::Own, 6);
    TextLabel7_2_2 = addLabel("TextLabel7_2_2", {390, 250, 40, 30}, tr("LCD"), Alignment::Centred);
    TextLabel7_2 = addLabel("TextLabel7_2", {260, 250, 30, 30}, tr("A"), Alignment::Centred);
    TextLabel8_2 = addLabel("TextLabel8_2", {140, 250, 30, 30}, tr("2N"), Alignment::Centred);
    showANumber = addReadout("showANumber", {300, 250, 70, 30}, FontKind::Readout, 6);
    show2NNumber = addReadout("show2NNumber", {180, 250, 70, 30}, FontKind::Readout, 6);
    TextLabel6_2_2 =
        addLabel("TextLabel6_2_2", {170, 290, 120, 30}, tr("CCCR value"), Alignment::Centred);
    showCCCR = addReadout("showCCCR", {310, 290, 140, 30}, FontKind::Readout, 8,
                          ReadoutFrame::Default, QLCDNumber::Hex);
    changeA = addSpinBox("changeA", {300, 330, 70, 30}, 1);
    changeLCD = addSpinBox("changeLCD", {430, 330, 70, 30}, 1);
    changeL = addSpinBox("changeL", {50, 330, 70, 30}, 30);
    change2N = addSpinBox("change2N", {180, 330, 70, 30}, 6);
    showLNumber_Bin =
        addReadout("showLNumber_Bin", {50, 370, 70, 30}, FontKind::Own, 6, sunken, QLCDNumber::Bin);
    TextLabel8 = addLabel("TextLabel8", {140, 350, 30, 30}, tr("2N"), Alignment::Centred);
    TextLabel7_3 = addLabel("TextLabel7_3", {390, 350, 40, 30}, tr("LCD"), Alignment::Centred);
    TextLabel7 = addLabel("TextLabel7", {260, 350, 30, 30}, tr("A"), Alignment::Centred);
    showLCDNumber_Bin = addReadout("showLCDNumber_Bin", {430, 370, 70, 30}, FontKind::Readout, 6,
                                   sunken, QLCDNumber::Bin);
    show2NNumber_Bin = addReadout("show2NNumber_Bin", {180, 370, 70, 30}, FontKind::Readout, 6,
                                  sunken, QLCDNumber::Bin);
    showANumber_Bin = addReadout("showANumber_Bin", {300, 370, 70, 30}, FontKind::Readout, 6,
                                 sunken, QLCDNumber::Bin);
    TextLabel6 = addLabel("TextLabel6", {10, 350, 30, 30}, tr("L"), Alignment::Centred);
    writeCCCR = addWriteButton("writeCCCR", {520, 310, 91, 31}, tr("Write CCCR"));
    TextLabel2_2 = addLabel("TextLabel2_2", {500, 0, 70, 30}, tr("VCORE"));
    changeVCORE = addSpinBox("changeVCORE", {500, 90, 70, 30}, 15);
    showVCORENumber_Bin = addReadout("showVCORENumber_Bin", {500, 130, 70, 30}, FontKind::Readout,
                                     6, sunken, QLCDNumber::Bin);
    writeVCORE = addWriteButton("writeVCORE", {490, 180, 91, 31}, tr("Write VCORE"));
    TextLabel6_2 = addLabel("TextLabel6_2", {10, 250, 30, 30}, tr("L"), Alignment::Centred);
    TextLabel6_2_3 = addLabel("TextLabel6_2_3", {570, 40, 30, 30}, tr("V"), Alignment::Centred);
    TextLabel3_2 = addLabel("TextLabel3_2", {330, 0, 80, 30}, tr("13 MHz"));
    TextLabel3_2_2 = addLabel("TextLabel3_2_2", {400, 40, 40, 30}, tr("MHz"));
    TextLabel3_2_2_2 = addLabel("TextLabel3_2_2_2", {400, 80, 40, 30}, tr("MHz"));
    TextLabel3_2_2_3 = addLabel("TextLabel3_2_2_3", {400, 120, 40, 30}, tr("MHz"));
    TextLabel3_2_2_4 = addLabel("TextLabel3_2_2_4", {400, 160, 40, 30}, tr("MHz"));
    TextLabel3_2_2_5 = addLabel("TextLabel3_2_2_5", {400, 200, 40, 30}, tr("MHz"));
    showVCOREVoltage = addReadout("showVCOREVoltage", {500, 40, 70, 30}, FontKind::Readout, 6);
}

pelvarobase::~pelvarobase() = default;

bool pelvarobase::event(QEvent *e)
{
    const bool result = QWidget::event(e);
    if (e->type() == QEvent::ApplicationFontChange)
        reapplyFonts();
    return result;
}

void pelvarobase::applyFont(QWidget *widget, FontKind kind)
{
    widget->setFont(derived_font(widget->font(), kind));
}

void pelvarobase::reapplyFonts()
{
    for (const auto &[widget, kind] : m_fontedWidgets)
        applyFont(widget, kind);
}

QLabel *pelvarobase::addLabel(const char *name, const QRect &rect, const QString &text,
                              Alignment alignment)
{
    auto *label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    applyFont(label, FontKind::Text);
    m_fontedWidgets.emplace_back(label, FontKind::Text);
    label->setText(text);
    if (alignment == Alignment::Centred)
        label->setAlignment(Qt::AlignCenter);
    return label;
}

QLCDNumber *pelvarobase::addReadout(const char *name, const QRect &rect, FontKind font, int digits,
                                    ReadoutFrame frame, std::optional<QLCDNumber::Mode> mode)
{
    auto *readout = new QLCDNumber(this);
    readout->setObjectName(QString::fromLatin1(name));
    readout->setGeometry(rect);
    readout->setPalette(m_readoutPalette);
    readout->setAutoFillBackground(true);
    applyFont(readout, font);
    m_fontedWidgets.emplace_back(readout, font);
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

QSpinBox *pelvarobase::addSpinBox(const char *name, const QRect &rect, int maximum)
{
    auto *spinBox = new QSpinBox(this);
    spinBox->setObjectName(QString::fromLatin1(name));
    spinBox->setGeometry(rect);
    QSizePolicy policy = spinBox->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Minimum);
    policy.setVerticalPolicy(QSizePolicy::Minimum);
    spinBox->setSizePolicy(policy);
    applyFont(spinBox, FontKind::Text);
    m_fontedWidgets.emplace_back(spinBox, FontKind::Text);
    spinBox->setMaximum(maximum);
    return spinBox;
}

QPushButton *pelvarobase::addWriteButton(const char *name, const QRect &rect, const QString &text)
{
    auto *button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setPalette(m_writeButtonPalette);
    applyFont(button, FontKind::Button);
    m_fontedWidgets.emplace_back(button, FontKind::Button);
    button->setText(text);
    return button;
}

QFrame *pelvarobase::addLine(const char *name, const QRect &rect, int frameStyle)
{
    auto *line = new QFrame(this);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(rect);
    line->setFrameStyle(frameStyle);
    return line;
}
