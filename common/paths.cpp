#include "paths.h"

#include <QDirIterator>
#include <QFileInfo>

namespace qel::paths {

QString existingEntry(const QDir& dir, const QString& name)
{
    if (name.isEmpty())
        return {};
    if (const std::optional<QString> opened = entryOpenedBy(dir, name))
        return *opened;
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    QDirIterator it(dir.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return it.fileName();
    }
    return {};
}

std::optional<QDir> simulatorFolder(const QString& name)
{
    const QDir current = QDir::current();
    const QString found = existingEntry(current, name);
    if (found.isEmpty() || !QFileInfo(current.filePath(found)).isDir())
        return std::nullopt;
    return QDir(current.filePath(found));
}

bool fileExists(const QDir& dir, const QString& name)
{
    const QString found = existingEntry(dir, name);
    return !found.isEmpty() && QFileInfo(dir.filePath(found)).isFile();
}

QString filePath(const QDir& dir, const QString& name)
{
    const QString found = existingEntry(dir, name);
    return dir.filePath(found.isEmpty() ? name : found);
}

QString shownPath(const QDir& dir, const QString& name)
{
    return QDir::toNativeSeparators(QDir::current().relativeFilePath(dir.filePath(name)));
}

} // namespace qel::paths
