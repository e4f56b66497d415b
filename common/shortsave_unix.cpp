#include "shortsave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace qel::files {

namespace {

// The longest name the common Linux file systems allow, and the suffix QSaveFile adds to the
// name of its temporary file.
constexpr int longestName = 255;
constexpr int suffixLength = 7;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool leavesNoRoomForSuffix(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).fileName()).size() + suffixLength > longestName;
}

// Copies the extended attributes of the file `from` to the open file `fd`. The access control
// list is one of them: a copy of it that fails fails the save, as the file would then be open
// to others, or closed to them, unlike the old one. The others (labels of desktop programs)
// are kept where the system lets this user set them.
QString copyAttributes(const QByteArray& from, int fd)
{
    const ssize_t size = ::listxattr(from.constData(), nullptr, 0);
    if (size <= 0)
        return {}; // none, or a file system without them
    QByteArray names(size, '\0');
    const ssize_t listed = ::listxattr(from.constData(), names.data(), names.size());
    for (const QByteArray& name : names.left(qMax<ssize_t>(listed, 0)).split('\0')) {
        const ssize_t length =
            name.isEmpty() ? -1 : ::getxattr(from.constData(), name.constData(), nullptr, 0);
        if (length < 0)
            continue;
        QByteArray value(length, '\0');
        if (::getxattr(from.constData(), name.constData(), value.data(), value.size()) != length)
            continue;
        if (::fsetxattr(fd, name.constData(), value.constData(), value.size(), 0) != 0 &&
            name.startsWith("system.posix_acl"))
            return systemReason(errno);
    }
    return {};
}

// commit() flushes the file to the disk but takes no notice when that fails (a disk that broke
// down, or one found full only now), and would put a file of unknown content in place of the old
// one. Here the content goes to the disk first, with any failure seen; commit()'s flush then only
// records the file's size (a second full flush would make a scenario's save half as slow again).
bool contentOnDisk(int fd)
{
    if (::sync_file_range(fd, 0, 0,
                          SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                              SYNC_FILE_RANGE_WAIT_AFTER) == 0)
        return true;
    const bool unsupported = errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP;
    return unsupported && ::fdatasync(fd) == 0;
}

} // namespace

// QSaveFile makes a new file that takes the old one's place; it gives it the old permission bits
// only. The owner and group (a save by the administrator over a user's file would otherwise make
// it the administrator's, and the user's next save would be refused), the access control list
// and the other extended attributes are copied here.
QString keepIdentity(QFileDevice& fresh, const QString& old)
{
    const QByteArray oldName = QFile::encodeName(old);
    struct stat status {};
    if (::stat(oldName.constData(), &status) != 0)
        return systemReason(errno);
    const int fd = fresh.handle();
    // Only the administrator may give a file away: another user's save of a file that user may
    // write keeps at least the group where the user is in it.
    const bool given = ::fchown(fd, status.st_uid, status.st_gid) == 0 ||
                       ::fchown(fd, uid_t(-1), status.st_gid) == 0;
    Q_UNUSED(given);
    if (::fchmod(fd, status.st_mode & 07777) != 0)
        return systemReason(errno);
    return copyAttributes(oldName, fd);
}

// Qt's QSaveFile: the new content goes to a file without a name where the system has them (else
// to a named temporary file), which takes the old file's place whole once complete.
QString replaceWith(const QFileInfo& target, const std::function<bool(QIODevice&)>& write)
{
    // The file at the end of the links is replaced, and every link stays.
    const QString path = linkedFile(target.filePath());
    if (leavesNoRoomForSuffix(path))
        return replaceUnderShortName(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QString reason = target.exists() ? keepIdentity(file, path) : QString();
    // The last buffered bytes reach the file only at the flush.
    if (reason.isEmpty() && (!write(file) || !file.flush()))
        reason = writeFailure(file);
    if (reason.isEmpty() && !contentOnDisk(file.handle()))
        reason = systemReason(errno);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
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

bool folderIsWritable(const QString& folder)
{
    return QFileInfo(folder).isWritable();
}

} // namespace qel::files
