#pragma once

#include <QString>
#include <QStringList>

// Starting the other programs: the photo tool and the add-on's launcher. Neither is waited for and
// nothing is passed to them; they run in the current folder, the simulator's folder.
namespace qel::launch {

// "qel.exe", the add-on's launcher, expected in the current folder.
inline const QString launcherName = QStringLiteral("qel.exe");

// The photo tool's program file names on this system, most likely first: "qelphoto.exe" on
// Windows; elsewhere "qelphoto", then a Windows build "qelphoto.exe" (run through Wine).
QStringList photoToolNames();

// The folder that holds the running program, where the photo tool is searched for first.
QString programFolder();

// The one test hook of the programs: while it lives, programFolder() is `folder`, so that a test
// suite never starts the real photo tool that the build puts beside it. Not for program code.
class ProgramFolderForTests {
public:
    explicit ProgramFolderForTests(const QString& folder);
    ~ProgramFolderForTests();
    ProgramFolderForTests(const ProgramFolderForTests&) = delete;
    ProgramFolderForTests& operator=(const ProgramFolderForTests&) = delete;

private:
    QString m_before;
};

// The photo tool's program file: beside the running program first, then in the current folder,
// then on the PATH. Empty when there is none.
QString findPhotoTool();

// The launcher's program file in the current folder, whatever its letter case. Empty when none.
QString findLauncher();

struct Started {
    qint64 pid = 0;
    QString error; // why it did not start, in words for the user; empty on success

    bool ok() const { return error.isEmpty(); }
};

// Starts the program file `path` with no arguments in the current folder, without waiting.
Started start(const QString& path);

// Finds and starts the photo tool, or the launcher; the error says what is missing where.
Started startPhotoTool();
Started startLauncher();

// --- Per platform (launch_unix.cpp, launch_win.cpp) ---

struct Command {
    QString program;
    QStringList arguments;
    QString error; // the file cannot be run here, and why
};

// How the program file `path` is run on this system: itself, or through Wine when it is a
// Windows program on another system.
Command commandFor(const QString& path);

// Lets the process just started bring its window in front of ours.
void letTakeForeground(qint64 pid);

} // namespace qel::launch
