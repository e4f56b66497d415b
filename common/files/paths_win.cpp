#include "longpath_win.h"
#include "paths.h"

#include <QFileInfo>

#include <windows.h>

namespace qel::win {

std::wstring longPath(const QString& path)
{
    const QString native =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString prefixed = native.startsWith(QLatin1String("\\\\"))
                                 ? QStringLiteral("\\\\?\\UNC\\") + native.mid(2)
                                 : QStringLiteral("\\\\?\\") + native;
    return prefixed.toStdWString();
}

} // namespace qel::win

namespace qel::paths {

std::optional<QString> entryOpenedBy(const QDir& dir, const QString& name)
{
    // A wildcard would make the search below match other names; such a name opens nothing.
    if (name.contains(u'*') || name.contains(u'?'))
        return QString();
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(win::longPath(dir.filePath(name)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return QString();
    FindClose(search);
    return QString::fromWCharArray(found.cFileName);
}

QString longName(const QString& path)
{
    const std::wstring given = QDir::toNativeSeparators(path).toStdWString();
    std::wstring name(MAX_PATH, L'\0');
    DWORD length = GetLongPathNameW(given.c_str(), name.data(), DWORD(name.size()));
    if (length >= name.size()) {
        name.resize(length);
        length = GetLongPathNameW(given.c_str(), name.data(), DWORD(name.size()));
    }
    if (length == 0 || length >= name.size())
        return path;
    return QDir::fromNativeSeparators(QString::fromWCharArray(name.data(), int(length)));
}

std::optional<QDir> virtualStoreCopy(const QDir& dir)
{
    // Windows redirects by the long name, whichever name the folder was opened by.
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(longName(dir.absolutePath())));
    const QString store = qEnvironmentVariable("LOCALAPPDATA");
    if (store.isEmpty() || path.size() < 3 || path.at(1) != u':')
        return std::nullopt;
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "SystemRoot"}) {
        const QString root =
            QDir::toNativeSeparators(QDir::cleanPath(longName(qEnvironmentVariable(variable))));
        if (root.size() > 3 && path.startsWith(root + u'\\', Qt::CaseInsensitive))
            return QDir(store + QStringLiteral("\\VirtualStore") + path.mid(2));
    }
    return std::nullopt;
}

} // namespace qel::paths
