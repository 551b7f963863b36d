// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Feeding the panel's number displays and describing what they show.
#include "logic/readouts.h"

#include <QLCDNumber>
#include <QString>
#include <QVariant>

namespace
{
constexpr char unit_property[] = "pelvaroUnit";

// A changed description tells assistive technology of the change; an unchanged one is not
// announced again.
void describe(QLCDNumber *readout, const QString &shown)
{
    const QString unit = readout->property(unit_property).toString();
    const QString description = unit.isEmpty() ? shown : shown + u' ' + unit;
    if (description != readout->accessibleDescription())
        readout->setAccessibleDescription(description);
}
} // namespace

void set_readout_unit(QLCDNumber *readout, const QString &unit)
{
    readout->setProperty(unit_property, unit);
}

// For every number the panel shows, a display shows the text QString::number gives it.
void show_and_describe(QLCDNumber *readout, int value)
{
    readout->display(value);
    describe(readout, QString::number(value));
}

void show_and_describe(QLCDNumber *readout, double value)
{
    readout->display(value);
    describe(readout, QString::number(value));
}

void show_and_describe(QLCDNumber *readout, const QString &text)
{
    readout->display(text);
    describe(readout, text);
}
