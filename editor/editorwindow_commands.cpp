#include "editorwindow.h"

#include "helpwindow.h"
#include "launch.h"
#include "messages.h"
#include "openscenariodialog.h"
#include "paths.h"
#include "picturepicker.h"
#include "scenariofile.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace qel::editor {

// The buttons that leave the editor or open its other windows. The help window, the picker and
// the open dialog live on the stack: each showing builds them afresh, and closing them, in any
// way, destroys them.
void EditorWindow::connectCommands()
{
    connect(m_exitButton, &QPushButton::clicked, this, &EditorWindow::endRequested);
    connect(m_launcherButton, &QPushButton::clicked, this, &EditorWindow::startLauncher);
    connect(m_helpButton, &QPushButton::clicked, this, &EditorWindow::showHelp);
    connect(m_pickPictureButton, &QPushButton::clicked, this, &EditorWindow::pickPicture);
    connect(m_openButton, &QPushButton::clicked, this, &EditorWindow::openScenario);
    connect(m_quickTipsButton, &QPushButton::clicked, this, &EditorWindow::showQuickTips);
}

void EditorWindow::startLauncher()
{
    // The launcher takes over from the editor, so the editor ends once it has started. When it
    // could not be started the editor stays as it was, so that no unsaved work is lost.
    const auto started = launch::startLauncher();
    if (!started.ok()) {
        messages::showFailure(this,
                              started.error + tr("\n\nQELedit stays open with your scenario as it "
                                                 "was; save it before you try again."));
        return;
    }
    emit endRequested();
}

void EditorWindow::showHelp()
{
    HelpWindow help(this);
    help.exec();
}

void EditorWindow::pickPicture()
{
    PicturePicker picker(this);
    connect(&picker, &PicturePicker::pictureChosen, this, &EditorWindow::attachPicture);
    picker.exec();
}

void EditorWindow::openScenario()
{
    if (findChild<OpenScenarioDialog*>())
        return; // already shown; there is only ever one
    if (!paths::simulatorFolder(paths::qelFolder)) {
        messages::showFailure(this,
                              messages::missingQelFolderText(messages::Program::Editor,
                                                             tr("there are no scenarios to open")));
        return;
    }
    OpenScenarioDialog dialog(this);
    connect(&dialog, &OpenScenarioDialog::scenarioRead, this, &EditorWindow::applyScenario);
    connect(&dialog, &OpenScenarioDialog::pictureRead, this, &EditorWindow::showPicture);
    dialog.exec();
}

void EditorWindow::showQuickTips()
{
    m_helpLine->show();
    m_quickTipsButton->hide();
    m_helpLine->setText(tr("Move mouse over items for help."));
}

void EditorWindow::endApplication()
{
    // exit() rather than quit(): quit() would first ask every window to close, and ending here
    // runs no window's closing step. The windows vanish now, the process as soon as main()
    // returns from the event loop.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace qel::editor
