#include "saveflow.h"

#include "messages.h"
#include "paths.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qel::files {

SaveTarget saveTarget(const QDir& folder, const QString& name)
{
    const paths::WritePath where = paths::writePath(folder, name);
    return {where.file, paths::shownPath(folder, QFileInfo(where.file).fileName()),
            paths::seenFileExists(folder, name), where.folderToMake};
}

namespace {

QString failureText(const SaveTarget& target, Saved what, const QString& reason)
{
    QString text =
        (what == Saved::Scenario
             ? QCoreApplication::translate("qel", "The scenario could not be saved as %1.\n%2")
             : QCoreApplication::translate("qel", "The picture could not be saved as %1.\n%2"))
            .arg(target.shown, reason);
    // Every failure leaves the old file whole (safefile.h); the user who answered "Yes" is told.
    if (target.exists)
        text += QCoreApplication::translate("qel", "\nThe file that was there is unchanged.");
    return text;
}

} // namespace

bool saveWithQuestion(QWidget* parent, const SaveTarget& target, Saved what,
                      const std::function<QString(const QString& path)>& write)
{
    // Told before the question, so that a "Yes" is never refused. A folder yet to be made holds
    // nothing that could stand in the way.
    QString reason = target.folderToMake.isEmpty() ? replaceProblem(target.path) : QString();
    if (reason.isEmpty() && target.exists && !messages::askOverwrite(parent, target.shown))
        return false;
    if (reason.isEmpty() && !target.folderToMake.isEmpty() && !QDir().mkpath(target.folderToMake))
        reason = QCoreApplication::translate("qel", "The folder %1 could not be made.")
                     .arg(QDir::toNativeSeparators(target.folderToMake));
    if (reason.isEmpty())
        reason = write(target.path);
    if (!reason.isEmpty()) {
        messages::showFailure(parent, failureText(target, what, reason));
        return false;
    }
    messages::showSaved(parent, target.exists);
    return true;
}

} // namespace qel::files
