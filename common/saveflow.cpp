#include "saveflow.h"

#include "messages.h"
#include "paths.h"
#include "safefile.h"

#include <QFileInfo>

namespace qel::files {

SaveTarget saveTarget(const QDir& folder, const QString& name)
{
    const QString path = paths::writePath(folder, name);
    return {path, paths::shownPath(folder, QFileInfo(path).fileName()),
            paths::seenFileExists(folder, name)};
}

bool saveWithQuestion(QWidget* parent, const SaveTarget& target,
                      const std::function<QString(const QString& path)>& write,
                      const FailureText& failureText)
{
    // Told before the question, so that a "Yes" is never refused.
    QString reason = replaceProblem(target.path);
    if (reason.isEmpty() && target.exists && !messages::askOverwrite(parent, target.shown))
        return false;
    if (reason.isEmpty())
        reason = write(target.path);
    if (!reason.isEmpty()) {
        messages::showFailure(parent, failureText(target.shown, reason, target.exists));
        return false;
    }
    messages::showSaved(parent, target.exists);
    return true;
}

} // namespace qel::files
