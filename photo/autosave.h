#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include <functional>

// The numbered photo history: "1.bmp" (newest) to "10.bmp" (oldest) in one folder. The files are
// the whole history; every press looks at the folder afresh, one name at a time.
namespace qel::photo::autosave {

inline constexpr int historySize = 10;

// "1.bmp" … "10.bmp".
QString numberedName(int number);

// The moves the rotation makes, separate so tests can make them fail.
class FileMoves {
public:
    virtual ~FileMoves() = default;
    // Renames without ever replacing an existing entry; the reason on failure, else empty.
    virtual QString rename(const QString& from, const QString& to);
    // The reason on failure, else empty.
    virtual QString remove(const QString& path);
};

// Writes the new photo to the path it is given; the reason on failure, else empty.
using Writer = std::function<QString(const QString& path)>;

struct Outcome {
    // Why the new photo was not saved, in words for the user; empty when it was.
    QString error;
    // The new photo was saved, but the oldest one, set aside, could not be deleted afterwards:
    // what the user is to do about it. Empty when there is nothing to do.
    QString leftOver;

    bool saved() const { return error.isEmpty(); }
};

// Spelling under which numbered photo `number` is on disk in `folder`, letter case ignored as on
// Windows; empty when there is none. Folders of that name don't count.
QString presentAs(const QDir& folder, int number);

// Finds the first free number, moves the photos below it up by one (highest first; when all ten
// are taken the oldest is first set aside under a name of its own) and has `write` put the new
// photo at "1.bmp"; only then is the oldest one deleted. All or nothing: on any failure the moves
// made so far are undone, last first, so every photo is back under its old number; where even
// that fails, the error says which file now holds which photo.
Outcome rotate(const QDir& folder, const Writer& write, FileMoves& moves);
Outcome rotate(const QDir& folder, const Writer& write);

// The rotation with `picture` as the new photo, written as a bitmap, in `folder` or, where the
// simulator sees `folder` merged with a VirtualStore copy, in the copy once that holds numbered
// photos or `folder` cannot be written; the photos only `folder` holds are copied there first,
// so that the history is never split. A null picture touches nothing.
Outcome save(const QDir& folder, const QImage& picture);

} // namespace qel::photo::autosave
