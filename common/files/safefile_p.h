#pragma once

#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

class QDir;
class QFileDevice;
class QFileInfo;

// The private half of safefile.h: the ways the safe replacement writes the new file before it
// takes the old one's place, shared by safefile*.cpp (and reached by the tests of those ways).
namespace qel::files {

// Through a temporary file with a short name of its own in the folder of `path` (a file, not a
// link), moved over that file once it is complete and on the disk.
QString replaceThroughTemporaryFile(const QString& path,
                                    const std::function<bool(QIODevice&)>& write);

// A name for a temporary file in `folder`: ~qel, 6 random hex digits, .tmp.
QString temporaryName(const QDir& folder);

// The reason, in words, that writing to `file` failed; `error` is errno as the failed write left
// it, which tells why a write that the system cut short stopped.
QString writeFailure(QFileDevice& file, int error);

// --- Per platform (safefile_unix.cpp, safefile_win.cpp) ---

// The file that `path` leads to through any number of symbolic links, followed as the system
// follows them (itself when it is none); it need not exist. Nothing when the links go round in a
// circle and so lead to no file at all.
std::optional<QString> linkedFile(const QString& path);

// True when errno `error` says the disk, a quota or a size limit had no room for more.
bool refusedForSpace(int error);

// The owner of `file`, an existing file, when the folder lets only a file's owner (or the
// folder's) replace it and this user is neither: a folder with the sticky bit, such as /tmp.
std::optional<QString> ownerWhoAloneReplaces(const QFileInfo& file);

// Replaces the file `target` (no link: the file a link leads to; a new one where there is none)
// with what `write` produces,
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
