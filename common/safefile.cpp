#include "safefile.h"

#include "shortsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace qel::files {

namespace {

// Asked only once something could not be written, so a save that works never reads the list
// of mounted disks.
QString readOnlyDisk(const QString& folder)
{
    if (!QStorageInfo(folder).isReadOnly())
        return {};
    return QCoreApplication::translate(
               "qel", "The folder %1 is on a disk that cannot be written to (it is read-only), "
                      "so nothing can be saved there. Save on another disk, or make this "
                      "one writable.")
        .arg(QDir::toNativeSeparators(folder));
}

// Reasons the writing would give only after touching the disk, or not at all.
QString targetProblem(const QFileInfo& target)
{
    if (target.isDir())
        return QCoreApplication::translate("qel", "A folder of that name is in the way.");
    // A file marked read-only is kept, also for an administrator who could write it anyway.
    // permission() of the owner's bit alone reads the status already fetched; permissions()
    // would ask the system three more questions on each save.
    if (target.exists()) {
        if (target.isWritable() && target.permission(QFileDevice::WriteOwner))
            return {};
        if (QString disk = readOnlyDisk(target.absolutePath()); !disk.isEmpty())
            return disk;
        return QCoreApplication::translate("qel", "The existing file is read-only.");
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("qel", "The folder %1 does not exist.")
            .arg(folder.filePath());
    return {};
}

} // namespace

QString replaceProblem(const QString& path)
{
    return targetProblem(QFileInfo(path));
}

QString replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    const QFileInfo target(path);
    if (QString problem = targetProblem(target); !problem.isEmpty())
        return problem;
    QString reason = replaceWith(target, write);
    if (!reason.isEmpty()) {
        if (QString disk = readOnlyDisk(target.absolutePath()); !disk.isEmpty())
            return disk;
    }
    return reason;
}

QString replaceFile(const QString& path, const QByteArray& bytes)
{
    return replaceFile(path,
                       [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

} // namespace qel::files
