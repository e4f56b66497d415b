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

// "qel/demo.qel" relative to the current folder, with the system's separators ("qel\demo.qel" on
// Windows), for messages.
QString shownPath(const QDir& dir, const QString& name);

// --- Per platform (paths_unix.cpp, paths_win.cpp) ---

// Where the file system itself opens a name in more than one spelling (Windows: any letter case,
// and a short 8.3 alias such as "VERY~GNM.QEL" for a long name), asks it which entry `name` in
// `dir` opens and gives that entry's own name, or an empty one when it opens none. Nothing
// where a name opens only the entry spelled exactly so.
std::optional<QString> entryOpenedBy(const QDir& dir, const QString& name);

} // namespace qel::paths
