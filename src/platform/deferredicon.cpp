// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// An icon that is looked up and read only when something asks for its pictures.
#include "platform/deferredicon.h"

#include <QDirIterator>

DeferredIconEngine::DeferredIconEngine(const QString &themeName, const QString &builtInFolder)
    : m_themeName(themeName), m_builtInFolder(builtInFolder)
{
}

QIcon &DeferredIconEngine::icon()
{
    if (!m_icon) {
        m_icon = QIcon::fromTheme(m_themeName);
        if (m_icon->isNull()) {
            QDirIterator png(m_builtInFolder, {QStringLiteral("*.png")}, QDir::Files,
                             QDirIterator::Subdirectories);
            while (png.hasNext())
                m_icon->addFile(png.next());
        }
    }
    return *m_icon;
}

void DeferredIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                               QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, 1.0, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                                         qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

QString DeferredIconEngine::iconName()
{
    return icon().name();
}

// The built-in pictures are always there, so the icon is never empty: asking needs no reading.
bool DeferredIconEngine::isNull()
{
    return false;
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

QIconEngine *DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(*this);
}
