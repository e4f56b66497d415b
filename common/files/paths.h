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
std::optional<QDir> simulatorSubfolder(const QString& name);

// True when `dir` holds a file (not a folder) called `name`, ignoring letter case.
bool fileExists(const QDir& dir, const QString& name);

// Path of `name` in `dir`, spelled as an existing entry that differs only in case, if any.
QString filePath(const QDir& dir, const QString& name);

// "qel/demo.qel" relative to the current folder, with the system's separators ("qel\demo.qel" on
// Windows), for messages.
QString shownPath(const QDir& dir, const QString& name);

// What the simulator sees of `dir`. Windows gives the simulator and the add-on's launcher (old
// 32-bit programs without a manifest), started without administrator rights, a copy of their own
// for each folder below Program Files or the Windows folder (the user's "VirtualStore"): what they
// write there lands in the copy, and they see both folders merged, the copy's files winning. Our
// programs are never redirected so, and look at both themselves, also when they run with
// administrator rights: the launcher, started without them, still reads the copy. Elsewhere `dir`
// alone.

// The folders to list for `dir`: the copy first, when it exists, then `dir` itself.
QList<QDir> seenFolders(const QDir& dir);
// True when `name` is a file in one of the seen folders, ignoring letter case.
bool seenFileExists(const QDir& dir, const QString& name);
// The file the simulator reads for `name`: the copy's when it has one, else filePath().
QString readPath(const QDir& dir, const QString& name);
// Where a save of `name` goes so that the launcher reads it: the copy when it has the file or when
// `dir` cannot be written, else filePath(). Working it out makes nothing: `folderToMake` is the
// copy's folder when it does not exist yet, for the save to make once the user has said "Yes".
struct WritePath {
    QString file;
    QString folderToMake;
};
WritePath writePath(const QDir& dir, const QString& name);
// Whether a file can be made in `dir`, as the system answers when one is made there. Qt's
// QFileInfo::isWritable() reads no access rights of a folder on Windows, so that a folder below
// Program Files looks writable to it.
bool canCreateFiles(const QDir& dir);

// --- Per platform (paths_unix.cpp, paths_win.cpp) ---

// The copy of `dir` that Windows shows the simulator merged with it (whether it exists yet or
// not); nothing where it shows none.
std::optional<QDir> virtualStoreCopy(const QDir& dir);

// `path` with the long name of each of its files and folders, where the system also names them
// by a short 8.3 alias ("C:\PROG~5P2" for "C:\Program Files"): a folder has one name to be
// remembered and compared by. Unchanged where there is none or the path does not exist.
QString longName(const QString& path);

// Where the file system itself opens a name in more than one spelling (Windows: any letter case,
// and a short 8.3 alias such as "VERY~GNM.QEL" for a long name), asks it which entry `name` in
// `dir` opens and gives that entry's own name, or an empty one when it opens none. Nothing
// where a name opens only the entry spelled exactly so.
std::optional<QString> entryOpenedBy(const QDir& dir, const QString& name);

} // namespace qel::paths
