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
    bool saved = false;
    QString error; // what went wrong, in words for the user; empty when saved
};

// Spelling under which numbered photo `number` is on disk in `folder`, letter case ignored as on
// Windows; empty when there is none. Folders of that name don't count.
QString presentAs(const QDir& folder, int number);

// Finds the first free number, moves the photos below it up by one (highest first; the oldest is
// deleted when all ten are taken) and has `write` put the new photo at "1.bmp". Stops at the
// first move that fails, so no photo is ever written over or lost; the next call carries on
// from the first free number.
Outcome rotate(const QDir& folder, const Writer& write, FileMoves& moves);
Outcome rotate(const QDir& folder, const Writer& write);

// The rotation with `picture` as the new photo, written as a bitmap. A null picture touches
// nothing.
Outcome save(const QDir& folder, const QImage& picture);

} // namespace qel::photo::autosave
