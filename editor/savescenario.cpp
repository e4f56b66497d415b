#include "savescenario.h"

#include "messages.h"
#include "names.h"
#include "paths.h"
#include "safefile.h"
#include "saveflow.h"

#include <QCoreApplication>

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
    // The open dialog and the launcher list only "*.qel": a scenario under another name could
    // never be opened or started.
    if (!names::hasEnding(name, QLatin1String(".qel"))) {
        messages::showFailure(
            parent, QCoreApplication::translate(
                        "qel::editor",
                        "The scenario cannot be saved as \"%1\": a scenario file's name must end "
                        "in \".qel\", as the open dialog and the launcher offer only such files. "
                        "Nothing was saved.\n\nType \"%2\" into the \"Save File as...\" box.")
                        .arg(name, name + QLatin1String(".qel")));
        return false;
    }
    const auto qelDir = paths::simulatorSubfolder(paths::qelFolder);
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

    return files::saveWithQuestion(
        parent, files::saveTarget(*qelDir, name), files::Saved::Scenario,
        [&encoded](const QString& path) { return files::replaceFile(path, encoded.bytes); });
}

} // namespace qel::editor
