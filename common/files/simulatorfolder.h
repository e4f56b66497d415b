#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// Which folder a program works in. Both programs expect the simulator's folder (the one holding
// "pilots" and "qel") as their current folder; a menu entry or a program copied elsewhere starts
// them anywhere, so the folder is found once at start, before any window, and never changes.
namespace qel::simulator {

// True when `folder` holds a "pilots" or a "qel" folder, in any letter case.
bool holdsSimulator(const QString& folder);

// The per-user settings both programs share, also written by the Windows setup:
// "SimulatorFolder", the folder's absolute path with the system's separators.
std::unique_ptr<QSettings> settings();
inline const QString folderKey = QStringLiteral("SimulatorFolder");
QString rememberedFolder();
void rememberFolder(const QString& folder);

// Folders that hold the simulator, found among the places where it is usually installed (a
// bounded search: a few levels below each drive, never the whole disk). Absolute paths, sorted.
QStringList foundFolders();

enum class Step {
    Argument,   // named on the command line
    Current,    // the current folder holds the simulator: nothing changes
    Remembered, // the folder last used
    Ask,        // none of these: the user is asked
    Refused,    // the command line names a folder that cannot be used
};

struct StartFolder {
    Step step = Step::Ask;
    QString folder; // absolute; empty for Ask and Refused
    QString error;  // for Refused: what is wrong and what to do
};

// The first of: the folder named in `arguments` (the command line without the program), the
// current folder, the remembered one, that can be used.
StartFolder findStartFolder(const QStringList& arguments);

// --- Per platform (simulatorfolder_unix.cpp, simulatorfolder_win.cpp) ---

// The drives, or the C: drives of Wine's prefixes, below which simulators are searched for.
QStringList searchRoots();

} // namespace qel::simulator
