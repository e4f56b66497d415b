#include "safefile.h"

#include "safefile_p.h"

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

// A file its owner may write, but this user may not.
QString othersFile(const QFileInfo& target)
{
    const QString owner = target.owner();
    return QCoreApplication::translate("qel",
                                       "The existing file belongs to %1, and you may not change "
                                       "it. Save under another name, or ask %1 to let you "
                                       "write it.")
        .arg(owner.isEmpty() ? QCoreApplication::translate("qel", "another user") : owner);
}

QString unwritableFolder(const QString& folder)
{
    if (QString disk = readOnlyDisk(folder); !disk.isEmpty())
        return disk;
    return QCoreApplication::translate("qel",
                                       "The folder %1 cannot be written to, so no file in it can "
                                       "be saved or replaced. Save in another folder, or ask "
                                       "for the right to write in this one.")
        .arg(QDir::toNativeSeparators(folder));
}

QString linkLoop()
{
    return QCoreApplication::translate(
        "qel", "The name is a link that leads nowhere in the end: its links go round in a circle. "
               "Save under another name, or mend the link.");
}

QString onlyOwnersReplace(const QString& owner, const QString& folder)
{
    return QCoreApplication::translate(
               "qel", "The existing file belongs to %1, and the folder %2 lets only a file's owner "
                      "replace it. Save under another name, or ask %1 to replace it.")
        .arg(owner, QDir::toNativeSeparators(folder));
}

// Reasons the writing would give only after touching the disk, or not at all. `real` is the
// file at the end of the links, which is replaced, or made where the links lead nowhere.
QString targetProblem(const std::optional<QString>& real)
{
    if (!real)
        return linkLoop();
    const QFileInfo target(*real);
    if (target.isDir())
        return QCoreApplication::translate("qel", "A folder of that name is in the way.");
    const QString folder = target.absolutePath();
    // A file marked read-only is kept, also for an administrator who could write it anyway.
    // permission() of the owner's bit alone reads the status already fetched; permissions()
    // would ask the system three more questions on each save.
    if (target.exists()) {
        const bool ownerWrites = target.permission(QFileDevice::WriteOwner);
        if (!ownerWrites || !target.isWritable()) {
            if (QString disk = readOnlyDisk(folder); !disk.isEmpty())
                return disk;
            if (ownerWrites)
                return othersFile(target);
            return QCoreApplication::translate("qel", "The existing file is read-only.");
        }
        if (const std::optional<QString> owner = ownerWhoAloneReplaces(target))
            return onlyOwnersReplace(*owner, folder);
    } else if (!QFileInfo(folder).isDir()) {
        return QCoreApplication::translate("qel", "The folder %1 does not exist.")
            .arg(QDir::toNativeSeparators(folder));
    }
    // The new file takes the old one's place in the folder, so the folder must take it.
    if (!folderIsWritable(folder))
        return unwritableFolder(folder);
    return {};
}

} // namespace

QString replaceProblem(const QString& path)
{
    return targetProblem(linkedFile(path));
}

QString replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    const std::optional<QString> real = linkedFile(path);
    if (QString problem = targetProblem(real); !problem.isEmpty())
        return problem;
    const QFileInfo target(*real);
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
