#pragma once

#include <QDir>
#include <QString>

#include <optional>

// Every path of both programs is the current folder, a folder prefix ("qel", "pilots") and a bare
// name. Simulator folders copied from Windows mix letter case freely ("PILOTS", "Demo.QEL"), so
// an existing folder or file whose name differs only in case is found and used, as on Windows.
namespace qel::paths {

inline const QString qelFolder = QStringLiteral("qel");
inline const QString pilotsFolder = QStringLiteral("pilots");

// The spelling under which `name` exists in `dir`: the exact name when it exists, else an entry
// that differs only in letter case; empty when there is none.
QString existingEntry(const QDir& dir, const QString& name);

// The current folder's subfolder `name`, whatever its letter case; nothing when there is none.
std::optional<QDir> simulatorFolder(const QString& name);

// True when `dir` holds a file (not a folder) called `name`, ignoring letter case.
bool fileExists(const QDir& dir, const QString& name);

// Path of `name` in `dir`, spelled as an existing entry that differs only in case, if any.
QString filePath(const QDir& dir, const QString& name);

// "qel/demo.qel" relative to the current folder, for messages.
QString shownPath(const QDir& dir, const QString& name);

// --- Per platform (paths_unix.cpp, paths_win.cpp) ---

// True where the file system itself opens a name in any letter case (Windows): that a name
// exists then says nothing about its spelling on disk.
bool fileSystemIgnoresCase();

} // namespace qel::paths
