// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The text a decimal number display shows for a number.
#include "logic/readouttext.h"

QString readout_text(double value, int digits)
{
    QString text;
    int precision = digits;
    do {
        text = QString::asprintf("%*.*g", digits, precision, value);
        const qsizetype exponent = text.indexOf(u'e');
        if (exponent > 0 && text[exponent + 1] == u'+') {
            text[exponent] = u' ';
            text[exponent + 1] = u'e';
        }
    } while (precision-- && text.size() > digits);
    return text.trimmed();
}
