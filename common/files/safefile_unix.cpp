#include "safefile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
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

// What a file system cannot hold at all (FAT has no owners, modes or extended attributes), which
// a save there goes without, as every new file there does.
bool unsupported(int error)
{
    return error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP || error == EPERM;
}

// The folder `path` names with every link in it followed, or nothing where it does not exist.
std::optional<QByteArray> realFolder(const QByteArray& path)
{
    char* real = ::realpath(path.isEmpty() ? "/" : path.constData(), nullptr);
    if (!real)
        return std::nullopt;
    QByteArray folder(real);
    std::free(real);
    return folder == "/" ? QByteArray() : folder;
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
    // write keeps at least the group where the user is in it. Where neither is allowed, the new
    // file is this user's, as any file this user makes.
    if (::fchown(fd, status.st_uid, status.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), status.st_gid);
    if (::fchmod(fd, status.st_mode & 07777) != 0 && !unsupported(errno))
        return systemReason(errno);
    return copyAttributes(oldName, fd);
}

// Qt's QSaveFile: the new content goes to a file without a name where the system has them (else
// to a named temporary file), which takes the old file's place whole once complete.
QString replaceWith(const QFileInfo& target, const std::function<bool(QIODevice&)>& write)
{
    // `target` is no link (QSaveFile would follow one the way symLinkTarget() does, see
    // linkedFile()), so every link on the way stays.
    const QString path = target.filePath();
    if (leavesNoRoomForSuffix(path))
        return replaceThroughTemporaryFile(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QString reason = target.exists() ? keepIdentity(file, path) : QString();
    // The last buffered bytes reach the file only at the flush.
    errno = 0;
    if (reason.isEmpty() && (!write(file) || !file.flush()))
        reason = writeFailure(file, errno);
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

// QFileInfo::symLinkTarget(), and QSaveFile, which follows links the same way, work out a relative
// link's ".." from the path the link was reached by; the system works it out from the folder the
// link really is in. They differ where a folder on the way is a link itself: with qel a link to
// ../disk2/qel, which holds T.qel -> ../shared/T.qel, Qt's way leads to the simulator's own
// shared/T.qel, the system's to disk2/shared/T.qel. So each step starts from the link's real
// folder, as the system's own does (tested against the kernel by
// tst_safefile::replaceWritesWhatTheSystemReads).
std::optional<QString> linkedFile(const QString& path)
{
    QByteArray current =
        QFile::encodeName(QDir::isAbsolutePath(path) ? path : QDir::currentPath() + '/' + path);
    // As deep as the system itself follows links before it gives up.
    constexpr int deepest = 40;
    for (int depth = 0; depth <= deepest; ++depth) {
        const qsizetype slash = current.lastIndexOf('/');
        const std::optional<QByteArray> folder = realFolder(current.left(slash));
        if (!folder) // a missing folder is told by name; a loop among folders leads nowhere
            return errno == ELOOP ? std::nullopt : std::optional(QFile::decodeName(current));
        const QByteArray file = *folder + current.mid(slash);
        char target[PATH_MAX];
        const ssize_t length = ::readlink(file.constData(), target, sizeof target);
        if (length < 0) // no link: the file, or where it is made
            return QFile::decodeName(file);
        const QByteArray next(target, length);
        current = next.startsWith('/') ? next : *folder + '/' + next;
    }
    return std::nullopt;
}

// Replacing a file is taking its name, and in such a folder the system lets only the owners take
// another user's file's name (rename() fails with EPERM), even where this user may write it.
std::optional<QString> ownerWhoAloneReplaces(const QFileInfo& file)
{
    struct stat folder {
    }, status{};
    if (::stat(QFile::encodeName(file.absolutePath()).constData(), &folder) != 0 ||
        ::stat(QFile::encodeName(file.absoluteFilePath()).constData(), &status) != 0)
        return std::nullopt;
    const uid_t user = ::geteuid();
    if (!(folder.st_mode & S_ISVTX) || user == 0 || status.st_uid == user || folder.st_uid == user)
        return std::nullopt;
    const passwd* owner = ::getpwuid(status.st_uid);
    return owner ? QString::fromLocal8Bit(owner->pw_name) : QString::number(status.st_uid);
}

bool refusedForSpace(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
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
