#pragma once

// Stand-ins for the programs the editor starts (the photo tool, the launcher): each records who
// it is, its argument count, its working folder and its arguments, one a line, in a marker file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace standin {

#ifdef Q_OS_WIN
// Resolved before any test changes the current folder: under Wine a path "/..." means one on the
// current drive.
inline const QString windowsProgram = QFileInfo(QStringLiteral(QEL_STANDIN_EXE)).absoluteFilePath();
#endif

// The photo tool's program file, the name the editor looks for first.
#ifdef Q_OS_WIN
inline const QString photoTool = QStringLiteral("qelphoto.exe");
#else
inline const QString photoTool = QStringLiteral("qelphoto");
#endif

// Writes a stand-in program at `path` that records in `marker`.
inline void write(const QString& path, const QString& marker, const QByteArray& who = "ran")
{
#ifdef Q_OS_WIN
    // A copy of a small Windows program, told by a file beside it who it is and where to record.
    QVERIFY(QFile::copy(windowsProgram, path));
    QFile about(path + QStringLiteral(".who"));
    QVERIFY(about.open(QIODevice::WriteOnly));
    about.write(who + '\n' + QFile::encodeName(QDir::toNativeSeparators(marker)) + '\n');
    return;
#endif
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nprintf '%s\\n' '" + who + "' \"$#\" \"$(pwd -P)\" \"$@\" > '" +
               marker.toUtf8() + "'\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
}

// What a stand-in recorded: who it was, its argument count, its folder, its arguments.
inline QStringList recorded(const QString& marker)
{
    QFile file(marker);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();
    if (lines.size() > 2) // the folder, spelled alike on every system
        lines[2] = QFileInfo(lines[2]).canonicalFilePath();
    return lines;
}

} // namespace standin
