#include "safefile.h"

#include "shortsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
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

// Reasons QSaveFile would not give, or would give only after touching the disk.
QString targetProblem(const QString& path)
{
    const QFileInfo target(path);
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
    return targetProblem(path);
}

QString replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    if (QString problem = targetProblem(path); !problem.isEmpty())
        return problem;
    // QSaveFile names its temporary file after the target where it needs a named one (always on
    // Windows, and here to replace an existing file); a name near the longest allowed leaves no
    // room for its suffix.
    if (savesUnderShortName() || leavesNoRoomForSuffix(path))
        return replaceUnderShortName(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (QString disk = readOnlyDisk(QFileInfo(path).absolutePath()); !disk.isEmpty())
            return disk;
        return file.errorString();
    }
    // The last buffered bytes reach the disk only here; commit() would not notice if they did not
    // (a full disk or a file-size limit), and would put a cut-short file in place of the old one.
    if (!write(file) || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() || reason == QLatin1String("Unknown error")
                   ? QCoreApplication::translate("qel", "The content could not be written.")
                   : reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString replaceFile(const QString& path, const QByteArray& bytes)
{
    return replaceFile(path,
                       [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

} // namespace qel::files
