// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// An icon that is looked up and read only when something asks for its pictures: the icon
// theme's icon of a name where the theme has one, otherwise the PNGs under a resource folder.
// Where nothing draws a window's icon, as on the framebuffer, no picture is ever read.
#pragma once

#include <QIcon>
#include <QIconEngine>

#include <optional>

class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(const QString &themeName, const QString &builtInFolder);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    // The icon itself, looked up and read at the first call.
    QIcon &icon();

    QString m_themeName;
    QString m_builtInFolder;
    std::optional<QIcon> m_icon;
};
