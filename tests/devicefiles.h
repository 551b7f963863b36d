// SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
// SPDX-License-Identifier: GPL-2.0-or-later
// Helpers for tests that run on the simulated device, where the register files are plain
// files the test may rewrite.
#pragma once

#include "logic/registerfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <linux/magic.h>

// Skips the test unless the register files are the simulated device's plain files: a real
// device's registers must never be written by a test.
#define REQUIRE_SIMULATED_DEVICE()                                                                 \
    do {                                                                                           \
        struct statfs fs {                                                                         \
        };                                                                                         \
        if (statfs("/proc/zaurus", &fs) != 0)                                                      \
            QSKIP("no /proc/zaurus: run this test through scripts/simulated-device");              \
        if (fs.f_type == PROC_SUPER_MAGIC)                                                         \
            QSKIP("/proc/zaurus is a real device's: its registers are not for tests");             \
    } while (false)

enum class DeviceFile { Cccr, Vcore };

inline QString device_path(DeviceFile file)
{
    return QString::fromLatin1(file == DeviceFile::Cccr ? cccr_file_path : vcore_file_path);
}

// Replaces the file, whatever stands at its path, with one holding `content`.
inline void put_device_file(DeviceFile file, const QByteArray &content)
{
    const QString path = device_path(file);
    QDir(path).removeRecursively();
    QFile::remove(path);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(content), content.size());
}

inline void remove_device_file(DeviceFile file)
{
    const QString path = device_path(file);
    QDir(path).removeRecursively();
    QFile::remove(path);
}

// The register files that this process holds open.
inline QStringList open_register_files()
{
    QStringList open;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString &entry : descriptors.entryList(QDir::AllEntries | QDir::System)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(entry));
        if (target.contains(QLatin1String("/zaurus/")))
            open << target;
    }
    return open;
}

inline QByteArray device_file_content(DeviceFile file)
{
    const QFileInfo info(device_path(file));
    if (info.isSymLink() || !info.isFile())
        return "<not a plain file>";
    QFile in(device_path(file));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
}

// What identifies one state of a file: its content, inode and modification time.
inline QByteArray device_file_state(DeviceFile file)
{
    struct stat status {
    };
    if (lstat(qPrintable(device_path(file)), &status) != 0)
        return "<missing>";
    return device_file_content(file) + ' ' + QByteArray::number(qulonglong(status.st_ino)) + ' ' +
           QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(status.st_mtim.tv_nsec));
}
