#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

// The safe replacement through a temporary file with a short name of its own in the target's
// folder, for where QSaveFile's temporary file, named after the target with a suffix, could not be
// made: the target's name is near the longest the file system allows. Used by safefile.cpp only.
namespace qel::files {

// True where every replacement goes this way (Windows, where it also keeps the replaced file's
// hidden attribute).
bool savesUnderShortName();

// True when the target's name plus a temporary suffix would pass the longest name allowed.
bool leavesNoRoomForSuffix(const QString& path);

// As replaceFile(), once the target is known to be replaceable.
QString replaceUnderShortName(const QString& path, const std::function<bool(QIODevice&)>& write);

// --- Per platform (shortsave_unix.cpp, shortsave_win.cpp) ---

// Puts the finished file `from` on the disk and moves it over `to` in one step, keeping `to`'s
// hidden attribute where the system has one; the reason on failure, else empty.
QString moveOver(const QString& from, const QString& to);

} // namespace qel::files
