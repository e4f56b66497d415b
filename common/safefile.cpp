#include "safefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace qel::files {

namespace {

// Reasons QSaveFile would not give, or would give only after touching the disk.
QString targetProblem(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("A folder of that name is in the way.");
    // A file marked read-only is kept, also for an administrator who could write it anyway.
    if (target.exists() &&
        (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
        return QStringLiteral("The existing file is read-only.");
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("The folder %1 does not exist.").arg(folder.filePath());
    return {};
}

} // namespace

QString replaceFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    if (QString problem = targetProblem(path); !problem.isEmpty())
        return problem;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The last buffered bytes reach the disk only here; commit() would not notice if they did not
    // (a full disk or a file-size limit), and would put a cut-short file in place of the old one.
    if (!write(file) || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() || reason == QLatin1String("Unknown error")
                   ? QStringLiteral("The content could not be written.")
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
