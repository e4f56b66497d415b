#include "autosave.h"

#include "bmp.h"
#include "paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace qel::photo::autosave {

namespace {

QString noLoss()
{
    return QCoreApplication::translate(
        "qel::photo::autosave",
        "No photo was lost: the photos moved so far keep their new numbers, and "
        "the next AutoSave carries on from the first free number.");
}

// The system's reasons ("Permission denied") come without a full stop; ours end with one.
QString asSentence(const QString& reason)
{
    const bool ended = reason.endsWith(u'.') || reason.endsWith(u'!') || reason.endsWith(u'?');
    return ended ? reason : reason + u'.';
}

// Moves photo `number` (as spelled on disk) to the next number, which is free.
QString moveUp(const QDir& folder, int number, FileMoves& moves)
{
    const QString from = presentAs(folder, number);
    const QString to = numberedName(number + 1);
    QString reason = from.isEmpty()
                         ? QCoreApplication::translate("qel::photo::autosave", "the file is gone")
                         : moves.rename(folder.filePath(from), folder.filePath(to));
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate(
               "qel::photo::autosave",
               "AutoSave stopped: %1 could not be renamed to %2 (%3). %4 The new "
               "photo was not saved.")
        .arg(from.isEmpty() ? numberedName(number) : from, to, reason, noLoss());
}

QString deleteOldest(const QDir& folder, FileMoves& moves)
{
    const QString oldest = presentAs(folder, historySize);
    QString reason = moves.remove(folder.filePath(oldest));
    // Look again: only a "10.bmp" that is really gone leaves room for "9.bmp".
    if (reason.isEmpty() && !presentAs(folder, historySize).isEmpty())
        reason = QCoreApplication::translate("qel::photo::autosave", "it is still there");
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate(
               "qel::photo::autosave",
               "AutoSave stopped: the oldest photo %1 could not be deleted (%2). "
               "Nothing was moved and the new photo was not saved.")
        .arg(oldest, reason);
}

} // namespace

QString numberedName(int number)
{
    return QStringLiteral("%1.bmp").arg(number);
}

QString FileMoves::rename(const QString& from, const QString& to)
{
    // QFile refuses to rename onto an existing entry, so a photo is never replaced here.
    QFile file(from);
    return file.rename(to) ? QString() : file.errorString();
}

QString FileMoves::remove(const QString& path)
{
    QFile file(path);
    return file.remove() ? QString() : file.errorString();
}

QString presentAs(const QDir& folder, int number)
{
    const QString found = paths::existingEntry(folder, numberedName(number));
    return !found.isEmpty() && QFileInfo(folder.filePath(found)).isFile() ? found : QString();
}

Outcome rotate(const QDir& folder, const Writer& write, FileMoves& moves)
{
    int firstFree = 0;
    for (int n = 1; n <= historySize && firstFree == 0; ++n) {
        if (presentAs(folder, n).isEmpty())
            firstFree = n;
    }
    if (firstFree == 0) {
        if (QString problem = deleteOldest(folder, moves); !problem.isEmpty())
            return {false, problem};
        firstFree = historySize;
    }
    for (int n = firstFree - 1; n >= 1; --n) {
        if (QString problem = moveUp(folder, n, moves); !problem.isEmpty())
            return {false, problem};
    }

    const QString newest = numberedName(1);
    // Whatever took the name meanwhile is a photo too, and is not written over.
    if (!paths::existingEntry(folder, newest).isEmpty()) {
        return {false, QCoreApplication::translate(
                           "qel::photo::autosave",
                           "AutoSave stopped: %1 is in the way of the new photo. %2 "
                           "The new photo was not saved.")
                           .arg(paths::existingEntry(folder, newest), noLoss())};
    }
    if (QString reason = write(folder.filePath(newest)); !reason.isEmpty()) {
        return {false, QCoreApplication::translate("qel::photo::autosave",
                                                   "The new photo could not be saved as %1: %2 %3")
                           .arg(newest, asSentence(reason), noLoss())};
    }
    return {true, {}};
}

Outcome rotate(const QDir& folder, const Writer& write)
{
    FileMoves moves;
    return rotate(folder, write, moves);
}

Outcome save(const QDir& folder, const QImage& picture)
{
    if (picture.isNull()) {
        return {false, QCoreApplication::translate(
                           "qel::photo::autosave",
                           "The clipboard holds no picture, so there is nothing to "
                           "save. Capture the screen with the \"Print Screen\" key "
                           "first. The numbered photos were left as they were.")};
    }
    return rotate(folder, [&picture](const QString& path) { return bmp::save(path, picture); });
}

} // namespace qel::photo::autosave
