#include "savescenario.h"

#include "messages.h"
#include "names.h"
#include "paths.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qel::editor {

bool saveScenario(QWidget* parent, const Scenario& scenario)
{
    const QString& name = scenario.fileName;
    if (const QString problem = names::bareNameProblem(name); !problem.isEmpty()) {
        messages::showFailure(
            parent, QCoreApplication::translate("qel::editor",
                                                "The scenario cannot be saved as \"%1\". %2\n\n"
                                                "Type a plain file name such as demo.qel into "
                                                "the \"Save File as...\" box.")
                        .arg(name, problem));
        return false;
    }
    const auto qelDir = paths::simulatorFolder(paths::qelFolder);
    if (!qelDir) {
        messages::showFailure(
            parent,
            messages::missingQelFolderText(
                messages::Program::Editor,
                QCoreApplication::translate("qel::editor", "the scenario cannot be saved"), true));
        return false;
    }
    const scenario::Encoded encoded = scenario::encode(scenario);
    if (!encoded.error.isEmpty()) {
        messages::showFailure(
            parent, QCoreApplication::translate("qel::editor", "The scenario cannot be saved. %1")
                        .arg(encoded.error));
        return false;
    }

    // An existing file whose name differs only in case, or that a short 8.3 name opens, is
    // replaced under its own name, which the question and the messages show.
    const QString path = paths::writePath(*qelDir, name);
    const QString shown = paths::shownPath(*qelDir, QFileInfo(path).fileName());
    const bool exists = paths::seenFileExists(*qelDir, name);
    QString error = files::replaceProblem(path);
    if (error.isEmpty() && exists && !messages::askOverwrite(parent, shown))
        return false;
    if (error.isEmpty())
        error = files::replaceFile(path, encoded.bytes);
    if (!error.isEmpty()) {
        messages::showFailure(
            parent,
            QCoreApplication::translate("qel::editor", "The scenario could not be saved as %1.\n%2")
                .arg(shown, error));
        return false;
    }
    messages::showSaved(parent, exists);
    return true;
}

} // namespace qel::editor
