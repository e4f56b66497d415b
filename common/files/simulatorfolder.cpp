#include "simulatorfolder.h"

#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace qel::simulator {

namespace {

bool holdsFolder(const QDir& dir, const QString& name)
{
    const QString found = paths::existingEntry(dir, name);
    return !found.isEmpty() && QFileInfo(dir.filePath(found)).isDir();
}

// Where setups put programs, below a drive: the simulator's folder is one of these or one level
// below one ("C:\FS98", "C:\Program Files\Microsoft Games\FS98").
const QStringList installFolders = {
    QString(),
    QStringLiteral("Program Files"),
    QStringLiteral("Program Files (x86)"),
    QStringLiteral("Program Files/Microsoft Games"),
    QStringLiteral("Program Files (x86)/Microsoft Games"),
    QStringLiteral("Microsoft Games"),
    QStringLiteral("Games"),
};

StartFolder refused(const QString& text)
{
    return {Step::Refused, QString(), text};
}

} // namespace

bool holdsSimulator(const QString& folder)
{
    const QDir dir(folder);
    return holdsFolder(dir, paths::pilotsFolder) || holdsFolder(dir, paths::qelFolder);
}

std::unique_ptr<QSettings> settings()
{
    const QString name = QStringLiteral("QEL tools");
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

QString rememberedFolder()
{
    return QDir::fromNativeSeparators(settings()->value(folderKey).toString());
}

void rememberFolder(const QString& folder)
{
    settings()->setValue(folderKey,
                         QDir::toNativeSeparators(paths::longName(QDir(folder).absolutePath())));
}

QStringList foundFolders()
{
    QStringList found;
    for (const QString& root : searchRoots()) {
        for (const QString& install : installFolders) {
            const QDir dir(install.isEmpty() ? root : QDir(root).filePath(install));
            if (!dir.exists())
                continue;
            if (holdsSimulator(dir.path()))
                found += dir.absolutePath();
            for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                if (holdsSimulator(dir.filePath(name)))
                    found += dir.absoluteFilePath(name);
            }
        }
    }
    found.sort(Qt::CaseInsensitive);
    found.removeDuplicates();
    return found;
}

StartFolder findStartFolder(const QStringList& arguments)
{
    const QString program = QCoreApplication::applicationName();
    if (arguments.size() > 1)
        return refused(
            QCoreApplication::translate(
                "qel", "%1 takes at most one argument: the Flight Simulator folder to work in.")
                .arg(program));
    if (!arguments.isEmpty()) {
        const QFileInfo given(arguments.first());
        const QString shown = QDir::toNativeSeparators(given.filePath());
        if (given.exists() && !given.isDir())
            return refused(QCoreApplication::translate(
                               "qel", "\"%1\" is a file, not a folder. Name your Flight Simulator "
                                      "folder, or start %2 without a folder to choose it.")
                               .arg(shown, program));
        if (!given.isDir())
            return refused(QCoreApplication::translate(
                               "qel",
                               "There is no folder \"%1\". Name your Flight Simulator folder, or "
                               "start %2 without a folder to choose it.")
                               .arg(shown, program));
        if (!holdsSimulator(given.filePath()))
            return refused(QCoreApplication::translate(
                               "qel",
                               "The folder \"%1\" holds neither a \"pilots\" nor a \"qel\" folder, "
                               "so it is not a Flight Simulator folder. Name the folder that holds "
                               "them, or start %2 without a folder to choose it.")
                               .arg(shown, program));
        // A folder named by its short 8.3 name is remembered and worked in by its long one.
        return {Step::Argument, paths::longName(QDir::cleanPath(given.absoluteFilePath())),
                QString()};
    }
    if (holdsSimulator(QDir::currentPath()))
        return {Step::Current, QDir::currentPath(), QString()};
    if (const QString remembered = rememberedFolder();
        !remembered.isEmpty() && holdsSimulator(remembered))
        return {Step::Remembered, paths::longName(remembered), QString()};
    return {};
}

} // namespace qel::simulator
