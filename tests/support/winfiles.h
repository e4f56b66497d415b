#pragma once

// What Windows keeps about a file beyond its name and bytes, asked of and set through the system
// itself: the short 8.3 names of long ones, the hidden attribute.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// The whole path by the short 8.3 names of its files and folders ("C:/PROG~5P2/..."); empty where
// the system gives none (Linux, or a Windows disk without short names).
inline QString shortPath(const QString& path)
{
#ifdef Q_OS_WIN
    const std::wstring full =
        QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
    wchar_t alias[MAX_PATH];
    const DWORD length = GetShortPathNameW(full.c_str(), alias, MAX_PATH);
    return length > 0 && length < MAX_PATH
               ? QDir::fromNativeSeparators(QString::fromWCharArray(alias, int(length)))
               : QString();
#else
    Q_UNUSED(path)
    return {};
#endif
}

// The short name ("VERY~GNM.QEL"), as a user reading "dir /x" would type it; empty where the
// system gives none (Linux, or a Windows disk without short names).
inline QString shortAlias(const QString& path)
{
    const QString name = QFileInfo(shortPath(path)).fileName();
    return name.compare(QFileInfo(path).fileName(), Qt::CaseInsensitive) == 0 ? QString() : name;
}

// Marks the file hidden; false where the system has no such mark or did not keep it.
inline bool hideFile(const QString& path)
{
#ifdef Q_OS_WIN
    const std::wstring full =
        QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
    SetFileAttributesW(full.c_str(), GetFileAttributesW(full.c_str()) | FILE_ATTRIBUTE_HIDDEN);
    return QFileInfo(path).isHidden();
#else
    Q_UNUSED(path)
    return false;
#endif
}

// Sets or clears the Linux immutable flag of a folder on Wine's C: drive, which keeps everyone out
// of it, root too (the tests run as root, whom no access rights stop): the folder below Program
// Files that a standard user cannot write. Set through Wine, which starts Linux programs as well.
// False where that is not so.
inline bool setImmutable(const QString& path, bool immutable)
{
#ifdef Q_OS_WIN
    const QString windowsPath = QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty() || !windowsPath.startsWith(QLatin1String("C:/"), Qt::CaseInsensitive))
        return false;
    const QString unixPath = prefix + QStringLiteral("/drive_c") + windowsPath.mid(2);
    return QProcess::execute(
               QStringLiteral("start"),
               {QStringLiteral("/wait"), QStringLiteral("/unix"), QStringLiteral("/usr/bin/chattr"),
                immutable ? QStringLiteral("+i") : QStringLiteral("-i"), unixPath}) == 0;
#else
    Q_UNUSED(path)
    Q_UNUSED(immutable)
    return false;
#endif
}
