#include "paths.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

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

std::optional<QDir> simulatorSubfolder(const QString& name)
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

QList<QDir> seenFolders(const QDir& dir)
{
    if (const std::optional<QDir> copy = virtualStoreCopy(dir); copy && copy->exists())
        return {*copy, dir};
    return {dir};
}

bool seenFileExists(const QDir& dir, const QString& name)
{
    const QList<QDir> folders = seenFolders(dir);
    return std::any_of(folders.begin(), folders.end(),
                       [&name](const QDir& folder) { return fileExists(folder, name); });
}

QString readPath(const QDir& dir, const QString& name)
{
    const QList<QDir> folders = seenFolders(dir);
    for (const QDir& folder : folders) {
        if (fileExists(folder, name))
            return filePath(folder, name);
    }
    return filePath(dir, name);
}

WritePath writePath(const QDir& dir, const QString& name)
{
    const std::optional<QDir> copy = virtualStoreCopy(dir);
    if (!copy)
        return {filePath(dir, name), {}};
    if (fileExists(*copy, name))
        return {filePath(*copy, name), {}};
    if (canCreateFiles(dir))
        return {filePath(dir, name), {}};
    // Under the name the file has in `dir`, where it is there in another letter case.
    const QString spelled = QFileInfo(filePath(dir, name)).fileName();
    return {copy->filePath(spelled), copy->exists() ? QString() : copy->path()};
}

bool canCreateFiles(const QDir& dir)
{
    // A file made and removed at once.
    QTemporaryFile probe(dir.filePath(QStringLiteral("~qelprobe")));
    return probe.open();
}

} // namespace qel::paths
