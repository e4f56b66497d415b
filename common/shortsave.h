#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

class QDir;
class QFileDevice;
class QFileInfo;

// The ways the safe replacement writes the new file before it takes the old one's place. Used by
// safefile.cpp only.
namespace qel::files {

// The file that `path` leads to through any number of symbolic links (itself when it is none);
// it need not exist.
QString linkedFile(const QString& path);

// Through a temporary file with a short name of its own in the folder of the file `path` leads
// to, moved over that file once it is complete and on the disk.
QString replaceUnderShortName(const QString& path, const std::function<bool(QIODevice&)>& write);

// A name for a temporary file in `folder`: ~qel, 6 random hex digits, .tmp.
QString temporaryName(const QDir& folder);

// The reason, in words, that writing to `file` failed.
QString writeFailure(QFileDevice& file);

// --- Per platform (shortsave_unix.cpp, shortsave_win.cpp) ---

// Replaces the file `target` names (a new one where there is none) with what `write` produces,
// whole or not at all, once `target` is known to be replaceable; the reason on failure, else
// empty.
QString replaceWith(const QFileInfo& target, const std::function<bool(QIODevice&)>& write);

// Gives the new, still open file `fresh` what the file `old` has besides its content and the
// system does not give a new file (owner, permissions, access lists); the reason on failure.
QString keepIdentity(QFileDevice& fresh, const QString& old);

// Puts the finished file `from` on the disk and moves it over `to` in one step, keeping `to`'s
// hidden attribute where the system has one; the reason on failure, else empty.
QString moveOver(const QString& from, const QString& to);

// False where the user may not add or replace files in `folder`, though it exists.
bool folderIsWritable(const QString& folder);

} // namespace qel::files
