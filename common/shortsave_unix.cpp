#include "shortsave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qel::files {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The permission bits of the file `target` names, from what is already known of it.
mode_t permissionsOf(const QFileInfo& target)
{
    static constexpr struct {
        QFileDevice::Permission permission;
        mode_t bit;
    } bits[] = {{QFileDevice::ReadOwner, S_IRUSR},  {QFileDevice::WriteOwner, S_IWUSR},
                {QFileDevice::ExeOwner, S_IXUSR},   {QFileDevice::ReadGroup, S_IRGRP},
                {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
                {QFileDevice::ReadOther, S_IROTH},  {QFileDevice::WriteOther, S_IWOTH},
                {QFileDevice::ExeOther, S_IXOTH}};
    mode_t mode = 0;
    for (const auto& b : bits) {
        if (target.permission(b.permission))
            mode |= b.bit;
    }
    return mode;
}

// Gives the complete, flushed unnamed file `fd` the name `path`: directly where no file has it,
// else under a temporary name renamed over the old file in one step.
QString nameAndMoveOver(int fd, const QString& path, bool exists)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const QByteArray target = QFile::encodeName(path);
    if (!exists) {
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            return {};
        if (errno != EEXIST)
            return systemReason(errno);
    }
    const QDir folder = QFileInfo(path).absoluteDir();
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray temporary = QFile::encodeName(temporaryName(folder));
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporary.constData(),
                     AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return systemReason(errno);
        }
        if (std::rename(temporary.constData(), target.constData()) != 0) {
            const int error = errno;
            ::unlink(temporary.constData());
            return systemReason(error);
        }
        return {};
    }
    return systemReason(EEXIST);
}

} // namespace

// The new content goes to a file without a name in the target's folder and is flushed to the
// disk; only then does it get a name and take the old file's place. A process killed on the way
// leaves nothing behind, and a save asks the system far fewer questions than QSaveFile does.
QString replaceWith(const QFileInfo& target, const std::function<bool(QIODevice&)>& write)
{
    // A link stays a link: the file it points to is the one replaced.
    const QString path = target.isSymLink() ? target.symLinkTarget() : target.filePath();
    const bool exists = target.exists();
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // File systems without unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return replaceUnderShortName(path, write);
        return systemReason(errno);
    }
    QString reason;
    QFile file;
    if (exists && ::fchmod(fd, permissionsOf(target)) != 0)
        reason = systemReason(errno);
    else if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        reason = file.errorString();
    else if (!write(file) || !file.flush())
        reason = writeFailure(file);
    else if (::fdatasync(fd) != 0)
        reason = systemReason(errno);
    else
        reason = nameAndMoveOver(fd, path, exists);
    file.close();
    ::close(fd);
    return reason;
}

QString moveOver(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const int fd = ::open(source.constData(), O_WRONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int syncError = errno;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        return systemReason(syncError);
    if (std::rename(source.constData(), QFile::encodeName(to).constData()) != 0)
        return systemReason(errno);
    return {};
}

} // namespace qel::files
