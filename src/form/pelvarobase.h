// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's form: creates, names, places and styles its 48 widgets, and keeps their fonts
// when the application font changes. The behaviour lives in the pelvaro subclass.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLCDNumber;
class QPushButton;
class QSpinBox;

class pelvarobase : public QWidget
{
    Q_OBJECT

public:
    explicit pelvarobase(QWidget *parent = nullptr, const char *name = nullptr,
                         unsigned int fl = 0);
    ~pelvarobase() override;

    // In creation order, which is also the keyboard focus order.
    QLabel *TextLabel3;
    QLabel *TextLabel5;
    QLabel *TextLabel5_2;
    QLabel *TextLabel4;
    QLCDNumber *showLCDFreq;
    QLCDNumber *showRunModeFreq;
    QLCDNumber *showTurboModeFreq;
    QLCDNumber *showMemoryFreq;
    QLCDNumber *showSystemFreq;
    QLabel *TextLabel2;
    QLabel *TextLabel1;
    QFrame *Line2;
    QFrame *Line1;
    QLCDNumber *showLCDNumber;
    QLCDNumber *showLNumber;
    QLabel *TextLabel7_2_2;
    QLabel *TextLabel7_2;
    QLabel *TextLabel8_2;
    QLCDNumber *showANumber;
    QLCDNumber *show2NNumber;
    QLabel *TextLabel6_2_2;
    QLCDNumber *showCCCR;
    QSpinBox *changeA;
    QSpinBox *changeLCD;
    QSpinBox *changeL;
    QSpinBox *change2N;
    QLCDNumber *showLNumber_Bin;
    QLabel *TextLabel8;
    QLabel *TextLabel7_3;
    QLabel *TextLabel7;
    QLCDNumber *showLCDNumber_Bin;
    QLCDNumber *show2NNumber_Bin;
    QLCDNumber *showANumber_Bin;
    QLabel *TextLabel6;
    QPushButton *writeCCCR;
    QLabel *TextLabel2_2;
    QSpinBox *changeVCORE;
    QLCDNumber *showVCORENumber_Bin;
    QPushButton *writeVCORE;
    QLabel *TextLabel6_2;
    QLabel *TextLabel6_2_3;
    QLabel *TextLabel3_2;
    QLabel *TextLabel3_2_2;
    QLabel *TextLabel3_2_2_2;
    QLabel *TextLabel3_2_2_3;
    QLabel *TextLabel3_2_2_4;
    QLabel *TextLabel3_2_2_5;
    QLCDNumber *showVCOREVoltage;

protected:
    bool event(QEvent *e) override;
};
