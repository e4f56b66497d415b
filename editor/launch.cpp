#include "launch.h"

#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace qel::launch {

namespace {

QString g_programFolderForTests; // see ProgramFolderForTests

QString fileIn(const QDir& folder, const QString& name)
{
    const QString entry = paths::existingEntry(folder, name);
    if (entry.isEmpty())
        return {};
    const QFileInfo info(folder.filePath(entry));
    return info.isFile() ? info.absoluteFilePath() : QString();
}

QString shown(const QString& folder)
{
    return QDir::toNativeSeparators(folder);
}

} // namespace

QString programFolder()
{
    return g_programFolderForTests.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : g_programFolderForTests;
}

ProgramFolderForTests::ProgramFolderForTests(const QString& folder)
    : m_before(std::exchange(g_programFolderForTests, folder))
{
}

ProgramFolderForTests::~ProgramFolderForTests()
{
    g_programFolderForTests = m_before;
}

QString findPhotoTool()
{
    const QStringList names = photoToolNames();
    for (const QDir& folder : {QDir(programFolder()), QDir::current()}) {
        for (const QString& name : names) {
            const QString path = fileIn(folder, name);
            if (!path.isEmpty())
                return path;
        }
    }
    for (const QString& name : names) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString findLauncher()
{
    return fileIn(QDir::current(), launcherName);
}

Started start(const QString& path)
{
    const Command command = commandFor(path);
    if (!command.error.isEmpty())
        return {0, command.error};
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setWorkingDirectory(QDir::currentPath());
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return {0, process.errorString()};
    letTakeForeground(pid);
    return {pid, {}};
}

namespace {

QString translate(const char* text)
{
    return QCoreApplication::translate("qel", text);
}

// Starts the program at `path`, found by a search; `notFound` says why when the search found
// nothing, `failed` (with %1 the program's path and %2 the reason) when the start failed.
Started startFound(const QString& path, const QString& notFound, const char* failed)
{
    if (path.isEmpty())
        return {0, notFound};
    Started started = start(path);
    if (!started.ok())
        started.error = translate(failed).arg(shown(path), started.error);
    return started;
}

} // namespace

Started startPhotoTool()
{
    return startFound(
        findPhotoTool(),
        translate(QT_TRANSLATE_NOOP(
                      "qel", "The photo tool \"%1\" could not be found: it is neither in the "
                             "folder of this program (%2), nor in the current folder (%3), nor "
                             "on the PATH.\n\nInstall it beside QELedit."))
            .arg(photoToolNames().constFirst(), shown(programFolder()), shown(QDir::currentPath())),
        QT_TRANSLATE_NOOP("qel", "The photo tool %1 could not be started: %2"));
}

Started startLauncher()
{
    return startFound(
        findLauncher(),
        translate(QT_TRANSLATE_NOOP(
                      "qel", "The QEL launcher could not be started: there is no \"%1\" in the "
                             "current folder (%2).\n\nQELedit expects to be started in your "
                             "Flight Simulator folder, the one that holds \"%1\"."))
            .arg(launcherName, shown(QDir::currentPath())),
        QT_TRANSLATE_NOOP("qel", "The QEL launcher %1 could not be started: %2"));
}

} // namespace qel::launch
