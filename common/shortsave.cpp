#include "shortsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

QString writeFailure(const QFileDevice& file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
               ? QCoreApplication::translate("qel", "The content could not be written.")
               : reason;
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
