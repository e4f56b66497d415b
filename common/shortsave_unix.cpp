#include "shortsave.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace qel::files {

bool savesUnderShortName()
{
    return false;
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
        return QString::fromLocal8Bit(std::strerror(syncError));
    if (std::rename(source.constData(), QFile::encodeName(to).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

} // namespace qel::files
