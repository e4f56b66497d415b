#include "shortsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace qel::files {

namespace {

// The longest name Windows and the common Linux file systems allow, and the suffix Qt adds.
constexpr int longestName = 255;
constexpr int suffixLength = 7;

bool openNew(QFile& file, const QDir& folder)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(folder.filePath(
            QStringLiteral("~qel%1.tmp")
                .arg(QRandomGenerator::global()->bounded(1 << 24), 6, 16, QLatin1Char('0'))));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!file.exists())
            return false; // not a clash with another temporary file: the folder refuses it
    }
    return false;
}

QString writeFailure(const QFile& file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
               ? QCoreApplication::translate("qel", "The content could not be written.")
               : reason;
}

} // namespace

bool leavesNoRoomForSuffix(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.size() + suffixLength > longestName ||
           QFile::encodeName(name).size() + suffixLength > longestName;
}

QString replaceUnderShortName(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QFile temporary;
    if (!openNew(temporary, QFileInfo(path).absoluteDir()))
        return temporary.errorString();
    if (!write(temporary) || !temporary.flush()) {
        const QString reason = writeFailure(temporary);
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
