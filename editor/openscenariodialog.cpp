#include "openscenariodialog.h"

#include "accessiblenames.h"
#include "filelist.h"
#include "fontfamilies.h"
#include "messages.h"
#include "openscenario.h"
#include "paths.h"
#include "twips.h"
#include "uiconstants.h"

#include <QPushButton>

namespace qel::editor {

namespace {

// Every box of the editor must hold its line whole, or a later save would quietly write a
// shortened scenario.
QString fieldTooLong(const Scenario& s)
{
    const struct {
        int line;
        const char* what;
        const QString& text;
    } fields[] = {
        {6, QT_TRANSLATE_NOOP("qel::editor::OpenScenarioDialog", "picture"), s.picture},
        {7, QT_TRANSLATE_NOOP("qel::editor::OpenScenarioDialog", "flight"), s.flight},
        {8, QT_TRANSLATE_NOOP("qel::editor::OpenScenarioDialog", "file name"), s.fileName},
        {9, QT_TRANSLATE_NOOP("qel::editor::OpenScenarioDialog", "description"), s.description},
    };
    for (const auto& field : fields) {
        if (field.text.size() > ui::longestLine) {
            return OpenScenarioDialog::tr("Its line %1 (the %2) is %3 characters long; the editor "
                                          "holds at most %4.")
                .arg(field.line)
                .arg(OpenScenarioDialog::tr(field.what))
                .arg(field.text.size())
                .arg(ui::longestLine);
        }
    }
    return {};
}

} // namespace

OpenScenarioDialog::OpenScenarioDialog(QWidget* parent)
    : QDialog(parent)
{
    twips::setUpWindow(*this, "Form5", tr("Open QEL file..."), 2820, 1845);
    setFont(fonts::formFont(fonts::Typeface::form, fonts::editorPoints));

    m_scenarios = twips::place(new FileList(this), "File1", 120, 120, 1695, 1455);
    m_selectButton =
        twips::place(new QPushButton(tr("Select"), this), "command1", 2040, 240, 615, 495);
    // Enter in the list selects, as the button does; Escape leaves, as "Exit" does.
    m_selectButton->setDefault(true);
    m_exitButton =
        twips::place(new QPushButton(tr("Exit"), this), "Command2", 2040, 1200, 615, 495);
    m_exitButton->setAutoDefault(false);

    accessibility::nameControls(*this, {{QStringLiteral("File1"), tr("Saved scenarios")}});

    connect(m_selectButton, &QPushButton::clicked, this, &OpenScenarioDialog::readSelected);
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_scenarios, &FileList::entryDoubleClicked, this, &OpenScenarioDialog::readSelected);
    listScenarios();
}

void OpenScenarioDialog::listScenarios()
{
    if (const auto qelFolder = paths::simulatorSubfolder(paths::qelFolder)) {
        m_scenarios->setFolder(*qelFolder, QStringLiteral("*.qel"));
    } else {
        m_scenarios->clearFolder();
    }
    m_scenarios->setFocus();
}

void OpenScenarioDialog::readSelected()
{
    const QString name = m_scenarios->selectedName();
    if (name.isEmpty())
        return;
    const auto qelFolder = paths::simulatorSubfolder(paths::qelFolder);
    const QString shown = QDir::toNativeSeparators(
        paths::shownPath(qelFolder ? *qelFolder : QDir(paths::qelFolder), name));
    scenario::Decoded read;
    if (!qelFolder)
        read.error = tr("The \"qel\" folder is gone.");
    else
        read = scenario::readFile(paths::readPath(*qelFolder, name));
    if (read.error.isEmpty())
        read.error = fieldTooLong(read.scenario);
    if (!read.error.isEmpty()) {
        messages::showFailure(this, tr("The scenario %1 cannot be opened. %2\n\n"
                                       "Nothing in the editor was changed. Choose "
                                       "another scenario file.")
                                        .arg(shown, read.error));
        return;
    }
    emit scenarioRead(read.scenario);
    readPicture(*qelFolder, read.scenario.picture);
    close();
}

void OpenScenarioDialog::readPicture(const QDir& qelFolder, const QString& name)
{
    if (name == QLatin1String(" "))
        return;
    const pictures::Loaded picture = scenario::loadPicture(qelFolder, name);
    if (!picture.error.isEmpty()) {
        messages::showFailure(
            this, tr("The scenario's picture \"%1\" cannot be shown. %2\n\nEverything "
                     "else of the scenario was opened. Choose a picture with the button "
                     "beside \"Add Picture?\", or remove the name with \"Clr.\".")
                      .arg(name, picture.error));
        return;
    }
    emit pictureRead(picture.image);
}

} // namespace qel::editor
