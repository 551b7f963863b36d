// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// The panel's palettes and fonts.
#include "form/appearance.h"

#include <array>

namespace
{
struct RoleColours {
    QPalette::ColorRole role;
    QRgb active;
    QRgb inactive;
    QRgb disabled;
};

constexpr QRgb black = 0xff000000;
constexpr QRgb white = 0xffffffff;
constexpr QRgb grey = 0xff808080;
constexpr QRgb silver = 0xffc0c0c0;
constexpr QRgb darkGrey = 0xff606060;
constexpr QRgb activeMidlight = 0xffdfdfdf;
constexpr QRgb inactiveMidlight = 0xffdcdcdc;
constexpr QRgb red = 0xffff0000;

// The readout colours, role by role in the toolkit's order.
constexpr std::array<RoleColours, 14> readout_colours{{
    {QPalette::WindowText, black, black, grey},
    {QPalette::Button, silver, silver, silver},
    {QPalette::Light, white, white, white},
    {QPalette::Midlight, activeMidlight, inactiveMidlight, inactiveMidlight},
    {QPalette::Dark, darkGrey, darkGrey, darkGrey},
    {QPalette::Mid, grey, grey, grey},
    {QPalette::Text, black, black, black},
    {QPalette::BrightText, white, white, white},
    {QPalette::ButtonText, black, black, grey},
    {QPalette::Base, white, white, white},
    {QPalette::Window, white, white, white},
    {QPalette::Shadow, black, black, black},
    {QPalette::Highlight, black, black, black},
    {QPalette::HighlightedText, white, white, white},
}};

QPalette palette_from(const std::array<RoleColours, 14> &colours)
{
    QPalette palette;
    for (const RoleColours &entry : colours) {
        palette.setColor(QPalette::Active, entry.role, QColor::fromRgb(entry.active));
        palette.setColor(QPalette::Inactive, entry.role, QColor::fromRgb(entry.inactive));
        palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgb(entry.disabled));
    }
    return palette;
}

std::array<RoleColours, 14> write_button_colours()
{
    std::array<RoleColours, 14> colours = readout_colours;
    for (RoleColours &entry : colours) {
        if (entry.role == QPalette::ButtonText)
            entry = {QPalette::ButtonText, red, red, grey};
        else if (entry.role == QPalette::Window)
            entry = {QPalette::Window, silver, silver, silver};
    }
    return colours;
}
} // namespace

QFont derived_font(const QFont &current, FontKind kind)
{
    QFont font = current;
    switch (kind) {
    case FontKind::Text:
        font.setFamily(QStringLiteral("helvetica"));
        font.setPointSize(14);
        font.setWeight(QFont::Bold);
        break;
    case FontKind::Readout:
        font.setFamily(QStringLiteral("helvetica"));
        font.setPointSize(10);
        break;
    case FontKind::Button:
        font.setFamily(QStringLiteral("helvetica"));
        font.setPointSize(9);
        font.setWeight(QFont::Bold);
        break;
    case FontKind::Own:
        break;
    }
    return font;
}

QPalette readout_palette()
{
    return palette_from(readout_colours);
}

QPalette write_button_palette()
{
    return palette_from(write_button_colours());
}
