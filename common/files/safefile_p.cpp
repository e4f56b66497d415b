#include "safefile_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

namespace qel::files {

namespace {

bool openNew(QFile& file, const QDir& folder)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(temporaryName(folder));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!file.exists())
            return false; // not a clash with another temporary file: the folder refuses it
    }
    return false;
}

} // namespace

QString temporaryName(const QDir& folder)
{
    return folder.filePath(
        QStringLiteral("~qel%1.tmp")
            .arg(QRandomGenerator::global()->bounded(1 << 24), 6, 16, QLatin1Char('0')));
}

QString writeFailure(QFileDevice& file, int error)
{
    // A write that the system cut short (a disk that filled up part-way through a large write)
    // gives the bytes it took and no reason; the system's refusal of the rest is still in errno.
    // The disk may take a byte more by now (space freed meanwhile), so a probe is not enough.
    if (file.error() == QFileDevice::NoError && refusedForSpace(error))
        return QString::fromLocal8Bit(std::strerror(error));
    // Else the next write to the file, thrown away anyway, is refused with the reason.
    if (file.error() == QFileDevice::NoError && file.write("", 1) == 1)
        file.flush();
    const QString reason = file.errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
               ? QCoreApplication::translate("qel", "The content could not be written.")
               : reason;
}

QString replaceThroughTemporaryFile(const QString& path,
                                    const std::function<bool(QIODevice&)>& write)
{
    QFile temporary;
    if (!openNew(temporary, QFileInfo(path).absoluteDir()))
        return temporary.errorString();
    QString kept = QFileInfo::exists(path) ? keepIdentity(temporary, path) : QString();
    errno = 0;
    if (!kept.isEmpty() || !write(temporary) || !temporary.flush()) {
        const QString reason = kept.isEmpty() ? writeFailure(temporary, errno) : kept;
        temporary.close();
        temporary.remove();
        return reason;
    }
    temporary.close();
    if (QString reason = moveOver(temporary.fileName(), path); !reason.isEmpty()) {
        temporary.remove();
        return reason;
    }
    return {};
}

} // namespace qel::files
