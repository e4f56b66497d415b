#include "autosave.h"

#include "bmp.h"
#include "messages.h"
#include "paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace qel::photo::autosave {

namespace {

// A free name for the oldest photo while the others move up; it stays a picture one can open.
QString setAsideName(const QDir& folder)
{
    QString name = QStringLiteral("~oldest.bmp");
    for (int n = 2; !paths::existingEntry(folder, name).isEmpty(); ++n)
        name = QStringLiteral("~oldest %1.bmp").arg(n);
    return name;
}

int firstFreeNumber(const QDir& folder)
{
    for (int n = 1; n <= historySize; ++n) {
        if (presentAs(folder, n).isEmpty())
            return n;
    }
    return 0;
}

// The renames made so far, so that a rotation that cannot finish puts every photo back.
class Rotation {
public:
    Rotation(const QDir& folder, FileMoves& moves)
        : m_folder(folder)
        , m_moves(moves)
    {
    }

    // The reason on failure, else empty.
    QString move(const QString& from, const QString& to)
    {
        QString reason = m_moves.rename(m_folder.filePath(from), m_folder.filePath(to));
        if (reason.isEmpty())
            m_done.append({from, to});
        return reason;
    }

    // `what` (whole sentences) and what became of the photos once the moves are undone.
    Outcome failed(const QString& what) { return {what + u' ' + undo(), {}}; }

private:
    struct Move {
        QString from;
        QString to;
    };

    // Last move first: each one frees the name the one before it has to go back to.
    QString undo()
    {
        while (!m_done.isEmpty()) {
            const Move last = m_done.last();
            const QString reason =
                m_moves.rename(m_folder.filePath(last.to), m_folder.filePath(last.from));
            if (!reason.isEmpty())
                return stillMoved(reason);
            m_done.removeLast();
        }
        return QCoreApplication::translate(
            "qel::photo",
            "No photo was moved or deleted: every photo is where it was, under its old "
            "number.");
    }

    QString stillMoved(const QString& reason) const
    {
        QStringList where;
        for (const Move& move : m_done)
            where.append(QCoreApplication::translate("qel::photo", "%1 holds the photo that was %2")
                             .arg(move.to, move.from));
        return QCoreApplication::translate(
                   "qel::photo",
                   "Putting the photos back failed too (%1). No photo was deleted, but these are "
                   "under other names now: %2. Rename them back before the next AutoSave.")
            .arg(messages::reasonInline(reason), where.join(QStringLiteral("; ")));
    }

    const QDir& m_folder;
    FileMoves& m_moves;
    QList<Move> m_done;
};

QString deleteSetAside(const QDir& folder, const QString& setAside, FileMoves& moves)
{
    QString reason = moves.remove(folder.filePath(setAside));
    if (reason.isEmpty() && !paths::existingEntry(folder, setAside).isEmpty())
        reason = QCoreApplication::translate("qel::photo", "it is still there");
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate(
               "qel::photo",
               "The new photo was saved as %1, but the oldest photo, set aside as %2, could not "
               "be deleted (%3). Delete it yourself when you no longer need it.")
        .arg(numberedName(1), setAside, messages::reasonInline(reason));
}

// The photos only `from` has copied to `to` under their numbers, so that `to` holds the whole
// history as the simulator sees it; the reason on failure (with nothing copied left behind).
QString gatherInto(const QDir& from, const QDir& to)
{
    QDir().mkpath(to.path());
    QStringList copied;
    for (int n = 1; n <= historySize; ++n) {
        const QString only = presentAs(to, n).isEmpty() ? presentAs(from, n) : QString();
        if (only.isEmpty())
            continue;
        const QString target = to.filePath(numberedName(n));
        QFile file(from.filePath(only));
        if (!file.copy(target)) {
            for (const QString& made : std::as_const(copied))
                QFile::remove(made);
            return QCoreApplication::translate(
                       "qel::photo",
                       "AutoSave stopped: %1 could not be copied to %2, where the numbered "
                       "photos of this folder are kept (%3). The new photo was not saved. No "
                       "photo was moved or deleted.")
                .arg(only, QDir::toNativeSeparators(to.path()),
                     messages::reasonInline(file.errorString()));
        }
        copied.append(target);
    }
    return {};
}

// Where the numbered photos of `folder` are kept: in its VirtualStore copy, which the simulator
// sees merged with it (paths::seenFolders), once that holds any or once `folder` cannot be
// written, as for a named save (paths::writePath); else in `folder`. Always the whole history on
// one side: a rotation in the copy alone, over the photos only `folder` has, would leave the
// simulator an older photo under each number the copy lacks.
struct HistoryFolder {
    QDir folder;
    QString error;
};

HistoryFolder historyFolder(const QDir& folder)
{
    const std::optional<QDir> copy = paths::virtualStoreCopy(folder);
    if (!copy)
        return {folder, {}};
    bool copyHolds = false;
    for (int n = 1; n <= historySize && !copyHolds; ++n)
        copyHolds = !presentAs(*copy, n).isEmpty();
    if (!copyHolds && paths::canCreateFiles(folder))
        return {folder, {}};
    return {*copy, gatherInto(folder, *copy)};
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
    Rotation rotation(folder, moves);
    int firstFree = firstFreeNumber(folder);
    QString setAside;
    if (firstFree == 0) {
        const QString oldest = presentAs(folder, historySize);
        setAside = setAsideName(folder);
        if (QString reason = rotation.move(oldest, setAside); !reason.isEmpty())
            return rotation.failed(QCoreApplication::translate(
                                       "qel::photo",
                                       "AutoSave stopped: the oldest photo %1 could not be set "
                                       "aside to make room (%2). The new photo was not saved.")
                                       .arg(oldest, messages::reasonInline(reason)));
        firstFree = historySize;
    }
    for (int n = firstFree - 1; n >= 1; --n) {
        const QString from = presentAs(folder, n);
        const QString to = numberedName(n + 1);
        const QString reason = from.isEmpty()
                                   ? QCoreApplication::translate("qel::photo", "the file is gone")
                                   : rotation.move(from, to);
        if (!reason.isEmpty())
            return rotation.failed(QCoreApplication::translate(
                                       "qel::photo",
                                       "AutoSave stopped: %1 could not be renamed to %2 (%3). The "
                                       "new photo was not saved.")
                                       .arg(from.isEmpty() ? numberedName(n) : from, to,
                                            messages::reasonInline(reason)));
    }

    const QString newest = numberedName(1);
    // Whatever took the name meanwhile is a photo too, and is not written over.
    if (const QString inTheWay = paths::existingEntry(folder, newest); !inTheWay.isEmpty())
        return rotation.failed(QCoreApplication::translate(
                                   "qel::photo",
                                   "AutoSave stopped: %1 is in the way of the new photo. The new "
                                   "photo was not saved.")
                                   .arg(inTheWay));
    if (QString reason = write(folder.filePath(newest)); !reason.isEmpty())
        return rotation.failed(
            QCoreApplication::translate("qel::photo", "The new photo could not be saved as %1: %2")
                .arg(newest, messages::reasonSentence(reason)));
    if (setAside.isEmpty())
        return {};
    return {{}, deleteSetAside(folder, setAside, moves)};
}

Outcome rotate(const QDir& folder, const Writer& write)
{
    FileMoves moves;
    return rotate(folder, write, moves);
}

Outcome save(const QDir& folder, const QImage& picture)
{
    if (picture.isNull()) {
        return {QCoreApplication::translate(
                    "qel::photo", "The clipboard holds no picture, so there is nothing to "
                                  "save. Capture the screen with the \"Print Screen\" key "
                                  "first. The numbered photos were left as they were."),
                {}};
    }
    const HistoryFolder history = historyFolder(folder);
    if (!history.error.isEmpty())
        return {history.error, {}};
    return rotate(history.folder,
                  [&picture](const QString& path) { return bmp::save(path, picture); });
}

} // namespace qel::photo::autosave
