#pragma once

// What Windows keeps about a file beyond its name and bytes, asked of and set through the system
// itself: the short 8.3 names of long ones, the hidden attribute.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// A folder of the test's own below Program Files, and its copy in the user's VirtualStore, where
// Windows sends what an old program writes there: the folder's path after the drive, below
// %LOCALAPPDATA%\VirtualStore. The copy is not made.
struct BelowProgramFiles {
    QTemporaryDir dir{qEnvironmentVariable("ProgramFiles") + QStringLiteral("/qeltest-XXXXXX")};

    QString path() const { return QDir::fromNativeSeparators(dir.path()); }
    static QString store() { return qEnvironmentVariable("LOCALAPPDATA") + "/VirtualStore"; }
    QDir copy() const { return QDir(store() + path().mid(2)); }
};

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
    const auto onLinux = [](const QString& windowsPath) {
        const QString p = QDir::fromNativeSeparators(QFileInfo(windowsPath).absoluteFilePath());
        return p.startsWith(QLatin1String("C:/"), Qt::CaseInsensitive)
                   ? qEnvironmentVariable("WINEPREFIX") + QStringLiteral("/drive_c") + p.mid(2)
                   : QString();
    };
    const QTemporaryDir work;
    const QString script = work.filePath(QStringLiteral("chattr.sh"));
    const QString done = work.filePath(QStringLiteral("done"));
    QFile file(script);
    if (!qEnvironmentVariableIsSet("WINEPREFIX") || onLinux(path).isEmpty() ||
        !file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("chattr %1 '%2' && : >'%3'\n")
                   .arg(immutable ? "+i" : "-i", onLinux(path), onLinux(done))
                   .toUtf8());
    file.close();
    QProcess::execute(QStringLiteral("start"),
                      {QStringLiteral("/unix"), QStringLiteral("/bin/sh"), onLinux(script)});
    // A Linux program has no Windows process to wait for, but leaves a mark once done.
    for (int tries = 0; tries < 100 && !QFile::exists(done); ++tries)
        QThread::msleep(100);
    return QFile::exists(done);
#else
    Q_UNUSED(path)
    Q_UNUSED(immutable)
    return false;
#endif
}
