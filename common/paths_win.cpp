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

std::optional<QDir> virtualStoreCopy(const QDir& dir)
{
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(dir.absolutePath()));
    const QString store = qEnvironmentVariable("LOCALAPPDATA");
    if (store.isEmpty() || path.size() < 3 || path.at(1) != u':')
        return std::nullopt;
    for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "SystemRoot"}) {
        const QString root =
            QDir::toNativeSeparators(QDir::cleanPath(qEnvironmentVariable(variable)));
        if (root.size() > 3 && path.startsWith(root + u'\\', Qt::CaseInsensitive))
            return QDir(store + QStringLiteral("\\VirtualStore") + path.mid(2));
    }
    return std::nullopt;
}

} // namespace qel::paths
