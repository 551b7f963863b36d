// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading what a number display shows: the display has no text getter, so its picture is
// compared with that of a twin display that was given the expected text.
#pragma once

#include <QImage>
#include <QLCDNumber>

inline QImage lcd_picture(QLCDNumber *display)
{
    return display->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The picture `display` would show if its text were `text`.
inline QImage lcd_picture_of(QLCDNumber *display, const QString &text)
{
    QLCDNumber twin;
    twin.setDigitCount(display->digitCount());
    twin.setMode(display->mode());
    twin.setSegmentStyle(display->segmentStyle());
    twin.setFrameStyle(display->frameStyle());
    twin.setLineWidth(display->lineWidth());
    twin.setMidLineWidth(display->midLineWidth());
    twin.setPalette(display->palette());
    twin.setAutoFillBackground(display->autoFillBackground());
    twin.setFont(display->font());
    twin.resize(display->size());
    twin.display(text);
    return lcd_picture(&twin);
}
