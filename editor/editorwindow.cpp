#include "editorwindow.h"

#include "accessiblenames.h"
#include "ansi.h"
#include "banner.h"
#include "cloudstylechoice.h"
#include "filelist.h"
#include "fontfamilies.h"
#include "helptexts.h"
#include "helpwindow.h"
#include "hoverhelp.h"
#include "imageview.h"
#include "launch.h"
#include "limitedlineedit.h"
#include "messages.h"
#include "openscenariodialog.h"
#include "paths.h"
#include "picturepicker.h"
#include "savescenario.h"
#include "scenariofile.h"
#include "twips.h"
#include "uiconstants.h"
#include "wrappingcontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qel::editor {

namespace {

using twips::place;

QLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* label = place(new QLabel(caption, parent), name, l, t, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                    int h)
{
    return place(new WrappingButton(caption, parent), name, l, t, w, h);
}

// One option of `frame` for each row of `table`; the one for "no changes" (the empty code) starts
// selected.
std::vector<QRadioButton*> options(QGroupBox* frame, std::span<const CodeOption> table)
{
    std::vector<QRadioButton*> made;
    for (const CodeOption& row : table) {
        auto* option =
            new QRadioButton(QCoreApplication::translate(codeCaptionContext, row.caption), frame);
        option->setObjectName(QLatin1String(row.name));
        option->setGeometry(
            twips::rect(row.place.left(), row.place.top(), row.place.width(), row.place.height()));
        option->setChecked(*row.code == '\0');
        made.push_back(option);
    }
    return made;
}

QLineEdit* hiddenField(QWidget* parent, const char* name, const QString& text)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QLatin1String(name));
    field->hide();
    return field;
}

} // namespace

EditorWindow::EditorWindow(QWidget* parent)
    : QWidget(parent)
{
    twips::setUpWindow(*this, "Form1", tr("QELedit 3.0 for Nubivar & Grundex"), 8400, 5265);
    setFont(fonts::formFont(fonts::Typeface::form, fonts::editorPoints));

    // Labels first: like the original's lightweight labels they lie under the buttons and boxes
    // that overlap them, so "Add Picture?" does not swallow the clicks of its small button.
    createLabels();
    createScenarioControls();
    createStyleFrames();
    createButtons();
    createHiddenFields();
    applyColours();
    connectFieldReactions();
    connectStyleOptions();
    connectCommands();
    installHoverHelp();
    arrangeKeyboardAccess();
    listFlights();
}

EditorWindow::~EditorWindow() = default;

// The banner is drawn once the window knows its screen, at that screen's scale, so that it is as
// sharp on a dense screen as on an ordinary one.
void EditorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_banner->hasImage())
        m_banner->setImage(banner::draw(font(), devicePixelRatio()));
}

void EditorWindow::createLabels()
{
    m_banner = place(new ImageView(this), "Image1", 105, 15, 4335, 1020);
    m_banner->setStretch(false);
    m_banner->setFrameShape(QFrame::NoFrame);
    m_flightCaption = label(this, "Label2", tr("Open Flight"), 240, 1320, 1335, 255);
    m_flightListStrip = label(this, "Label9", QString(), 240, 1800, 1455, 135);
    m_openCaption = label(this, "Label7", tr(" Edit File"), 480, 3480, 1335, 375);
    m_descriptionCaption =
        label(this, "Label3", tr("Enter a Description..."), 2160, 4440, 2895, 375);
    m_picture = place(new ImageView(this), "Image2", 5400, 120, 2415, 1815);
    m_picture->setFrameShape(QFrame::Box);
    m_picture->setLineWidth(1);
    m_pictureCaption = label(this, "Label6", tr("      Add Picture?"), 5400, 2040, 1815, 255);
    m_helpLine = label(this, "Label8", QStringLiteral(" "), 5040, 3360, 2295, 975);
    m_helpLine->setWordWrap(true);
    m_helpLine->hide();
    m_fileNameCaption = label(this, "Label4", tr("Save File as..."), 5400, 4440, 1575, 375);
}

QString EditorWindow::whyNotInDescription(const QString& character)
{
    const char16_t c = character.front().unicode();
    // A tab is an ordinary blank to the command interpreter and is saved as it is.
    if (c == u'\t')
        return {};
    if (c < 0x20 || c == 0x7f)
        return tr("A control character (0x%1) was left out of the description: Windows would "
                  "stumble over it while running the scenario.")
            .arg(QString::number(c, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    if (character.size() == 1 && ansi::canEncode(character.front()))
        return {};
    return tr("\"%1\" was left out of the description: a scenario file is written in the Windows "
              "ANSI code page (%2), which has no such character.")
        .arg(character)
        .arg(ansi::codePage());
}

void EditorWindow::createScenarioControls()
{
    m_flight = place(new QLineEdit(QStringLiteral(" "), this), "Text1", 240, 1560, 1695, 285);
    m_flight->setReadOnly(true);
    m_flightList = place(new FileList(this), "File5", 240, 1920, 1695, 1260);

    m_description = place(new LimitedLineEdit(this), "Text23", 2160, 4800, 2895, 285);
    m_description->setTypingLimit(scenario::descriptionLimit);
    m_description->setCharacterCheck(&EditorWindow::whyNotInDescription);

    m_pictureName =
        place(new QLineEdit(QStringLiteral(" "), this), "Text26", 5400, 2280, 1455, 285);
    m_pictureName->setReadOnly(true);
    m_applet =
        place(new WrappingCheckBox(tr("Applet On/off"), this), "Check1", 5400, 2760, 975, 375);
    m_applet->setChecked(true);
    m_fileName =
        place(new QLineEdit(QStringLiteral("???.qel"), this), "Text24", 5400, 4800, 1695, 285);
    m_fileName->setMaxLength(ui::longestLine);
}

void EditorWindow::createStyleFrames()
{
    m_cloudSetFrame = place(new QGroupBox(tr("Cloud Sets"), this), "Frame6", 240, 3840, 1695, 1095);
    m_cloudSetOptions = options(m_cloudSetFrame, cloudSets());

    m_cloudStyleFrame =
        place(new QGroupBox(tr("Select Cloud Style"), this), "Frame1", 2160, 1320, 2655, 1455);
    std::vector<CodeOption> styleOptions;
    for (const CloudStyle& style : cloudStyles())
        styleOptions.push_back(style.option);
    m_cloudStyleOptions = options(m_cloudStyleFrame, styleOptions);

    m_groundFrame =
        place(new QGroupBox(tr("Select Ground Texture"), this), "Frame2", 2160, 3000, 2655, 1215);
    m_groundOptions = options(m_groundFrame, groundTextures());
}

void EditorWindow::createButtons()
{
    m_openButton = button(this, "Command11", QStringLiteral(" "), 240, 3480, 255, 255);
    m_clearButton = button(this, "Command2", tr("Clr."), 7920, 1680, 375, 255);
    m_clearButton->setEnabled(false);
    m_pickPictureButton = button(this, "Command9", QStringLiteral(" "), 5400, 2040, 255, 195);
    m_quickTipsButton = button(this, "Command3", tr("Press for Quick Tips"), 5400, 3480, 1575, 375);
    m_helpButton = button(this, "Command7", tr("Help"), 7440, 2400, 855, 495);
    m_exitButton = button(this, "Command5", tr("Exit"), 7440, 3120, 855, 495);
    m_launcherButton = button(this, "Command6", tr("QEL launcher"), 7440, 3840, 855, 495);
    m_saveButton = button(this, "Command1", tr("Save"), 7440, 4560, 855, 495);
    m_saveButton->setEnabled(false);
    for (QPushButton* b : {m_openButton, m_clearButton, m_pickPictureButton, m_quickTipsButton,
                           m_helpButton, m_exitButton, m_launcherButton, m_saveButton})
        b->setAutoDefault(false);
}

void EditorWindow::createHiddenFields()
{
    m_cloudStyleCode = hiddenField(this, "Text2", QString());
    m_groundTextureCode = hiddenField(this, "Text5", QString());
    m_cloudSetCode = hiddenField(this, "Text22", QString());
    m_appletFlag = hiddenField(this, "Text25", QStringLiteral("app"));
}

void EditorWindow::applyColours()
{
    QPalette navyText = palette();
    navyText.setColor(QPalette::WindowText, ui::navy);
    navyText.setColor(QPalette::Text, ui::navy);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_flightCaption, m_descriptionCaption, m_fileNameCaption, m_pictureCaption,
             m_openCaption, m_helpLine, m_flightListStrip, m_cloudStyleFrame, m_groundFrame,
             m_cloudSetFrame, m_applet, m_description, m_fileName})
        w->setPalette(navyText);
    QPalette display = navyText;
    display.setColor(QPalette::Base, ui::lightGrey);
    m_flight->setPalette(display);
    m_pictureName->setPalette(display);
}

void EditorWindow::connectFieldReactions()
{
    connect(m_flightList, &FileList::entryChosen, this, &EditorWindow::chooseFlight);
    // A click on the entry already highlighted changes no selection; after opening a scenario
    // whose flight differs from it in letter case only, it still takes the list's spelling.
    connect(m_flightList, &FileList::clicked, this,
            [this](const QModelIndex& entry) { chooseFlight(entry.data().toString()); });
    connect(m_flight, &QLineEdit::textChanged, this, &EditorWindow::enableSave);
    // The display boxes show the start of a long name, not its end.
    for (QLineEdit* display : {m_flight, m_pictureName})
        connect(display, &QLineEdit::textChanged, display, [display] { display->home(false); });
    connect(m_pictureName, &QLineEdit::textChanged, this, &EditorWindow::enableClear);
    connect(m_applet, &QCheckBox::stateChanged, this, &EditorWindow::followAppletCheckBox);
    connect(m_clearButton, &QPushButton::clicked, this, &EditorWindow::clearPicture);
    connect(m_saveButton, &QPushButton::clicked, this, &EditorWindow::saveScenario);
}

void EditorWindow::connectStyleOptions()
{
    m_cloudStyle = new CloudStyleChoice(this, m_cloudStyleOptions);
    connect(m_cloudStyle, &CloudStyleChoice::codeChosen, m_cloudStyleCode, &QLineEdit::setText);
    // Selecting the option that is already selected writes nothing.
    const auto writeCode = [this](QRadioButton* option, QLineEdit* field, const CodeOption& row) {
        const QString code = QLatin1String(row.code);
        connect(option, &QRadioButton::toggled, this, [field, code](bool on) {
            if (on)
                field->setText(code);
        });
    };
    for (std::size_t i = 0; i < groundTextures().size(); ++i)
        writeCode(m_groundOptions[i], m_groundTextureCode, groundTextures()[i]);
    for (std::size_t i = 0; i < cloudSets().size(); ++i)
        writeCode(m_cloudSetOptions[i], m_cloudSetCode, cloudSets()[i]);
}

void EditorWindow::arrangeKeyboardAccess()
{
    // Left column (flight, open a scenario), the three style groups, the picture column, the
    // description and file name, then Save and the window commands. In each group Tab stops at
    // the selected option only, and the arrow keys select its neighbours, as option groups do
    // on Windows.
    QList<QWidget*> order{m_flightList, m_flight, m_openButton};
    for (const auto* group : {&m_cloudStyleOptions, &m_groundOptions, &m_cloudSetOptions})
        order.append(QList<QWidget*>(group->begin(), group->end()));
    order.append({m_applet, m_pickPictureButton, m_pictureName, m_clearButton, m_description,
                  m_fileName, m_saveButton, m_quickTipsButton, m_helpButton, m_exitButton,
                  m_launcherButton});
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* frame :
         std::initializer_list<QWidget*>{m_cloudStyleFrame, m_groundFrame, m_cloudSetFrame})
        accessibility::tabToSelectedOption(*frame);

    accessibility::nameControls(*this, {{QStringLiteral("Image1"), tr("QELedit banner")},
                                        {QStringLiteral("Text1"), tr("Selected flight")},
                                        {QStringLiteral("Label9"), tr("About the flight list")},
                                        {QStringLiteral("File5"), tr("Saved flights")},
                                        {QStringLiteral("Command11"), tr("Edit file")},
                                        {QStringLiteral("Text23"), tr("Description")},
                                        {QStringLiteral("Image2"), tr("Scenario picture")},
                                        {QStringLiteral("Command2"), tr("Clear picture")},
                                        {QStringLiteral("Command9"), tr("Add picture")},
                                        {QStringLiteral("Text26"), tr("Picture name")},
                                        {QStringLiteral("Label8"), tr("Quick tips")},
                                        {QStringLiteral("Text24"), tr("File name")},
                                        {QStringLiteral("Text2"), tr("Cloud style code")},
                                        {QStringLiteral("Text5"), tr("Ground texture code")},
                                        {QStringLiteral("Text22"), tr("Cloud set code")},
                                        {QStringLiteral("Text25"), tr("Applet flag")}});
    // The labels that caption a box name it for a screen reader too.
    m_flightCaption->setBuddy(m_flightList);
    m_descriptionCaption->setBuddy(m_description);
    m_fileNameCaption->setBuddy(m_fileName);
    m_pictureCaption->setBuddy(m_pickPictureButton);
    m_openCaption->setBuddy(m_openButton);
}

// The quick-tips help line.
void EditorWindow::installHoverHelp()
{
    auto* help = new HoverHelp(this, m_helpLine);
    for (const helptexts::HoverTip& tip : helptexts::hoverTips()) {
        // The window's own controls only, not those of a style dialog of the same name.
        for (const char* name : tip.controls) {
            auto* control = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
            tip.onClick ? help->clickTip(control, tip.text()) : help->tip(control, tip.text());
        }
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_quickTipsButton, m_flightCaption, m_banner, m_helpLine})
        help->noEntry(control);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        help->noEntry(option);
    help->watch();
}

void EditorWindow::listFlights()
{
    if (const auto pilots = paths::simulatorSubfolder(paths::pilotsFolder)) {
        m_flightList->setFolder(*pilots, QStringLiteral("*.stn"));
    } else {
        m_pilotsMissing = true;
        m_flightList->clearFolder();
    }
}

void EditorWindow::reportStartProblems()
{
    if (!m_pilotsMissing)
        return;
    messages::showFailure(this, messages::missingPilotsFolderText());
}

void EditorWindow::chooseFlight(const QString& name)
{
    m_flight->setText(name);
}

void EditorWindow::enableSave()
{
    m_saveButton->setEnabled(true);
}

void EditorWindow::followAppletCheckBox()
{
    if (m_applet->checkState() == Qt::Checked)
        m_appletFlag->setText(QStringLiteral("app"));
    else if (m_applet->checkState() == Qt::Unchecked)
        m_appletFlag->setText(QStringLiteral(" "));
}

void EditorWindow::attachPicture(const QString& name, const QImage& picture)
{
    m_pictureName->setText(name);
    m_picture->setImage(picture);
}

void EditorWindow::clearPicture()
{
    m_picture->clear();
    m_pictureName->setText(QStringLiteral(" "));
    m_clearButton->setEnabled(false);
}

void EditorWindow::enableClear()
{
    m_clearButton->setEnabled(true);
}

Scenario EditorWindow::scenario() const
{
    Scenario s;
    s.flight = m_flight->text();
    s.fileName = m_fileName->text();
    s.description = m_description->text();
    s.picture = m_pictureName->text();
    s.appletFlag = m_appletFlag->text();
    s.cloudStyle = m_cloudStyleCode->text();
    s.groundTexture = m_groundTextureCode->text();
    s.cloudSet = m_cloudSetCode->text();
    return s;
}

void EditorWindow::saveScenario()
{
    editor::saveScenario(this, scenario());
}

// Texts go straight into their boxes, each of which reacts only to a real change. Everything else
// is restored by selecting the options and setting the check box, whose own reactions then write
// the codes and the applet flag, exactly as if the user had chosen them.
void EditorWindow::applyScenario(const Scenario& s)
{
    m_pictureName->setText(s.picture);
    m_flight->setText(s.flight);
    // The flight list points at the opened flight, so that a click on any entry changes it.
    m_flightList->showName(s.flight);
    m_fileName->setText(s.fileName);
    m_description->setText(s.description);
    m_cloudStyle->restore(s.cloudStyle);
    restoreCode(groundTextures(), m_groundOptions, s.groundTexture);
    restoreCode(cloudSets(), m_cloudSetOptions, s.cloudSet);
    restoreApplet(s.appletFlag);
    m_picture->clear();
}

// Selecting the option that is already selected runs nothing, so its code stays as it is.
void EditorWindow::restoreCode(std::span<const CodeOption> table,
                               const std::vector<QRadioButton*>& options, const QString& code)
{
    if (const CodeOption* row = findCode(table, code))
        options[static_cast<std::size_t>(row - table.data())]->setChecked(true);
}

void EditorWindow::restoreApplet(const QString& flag)
{
    if (flag == QLatin1String("app"))
        m_applet->setCheckState(Qt::Checked);
    else if (flag == QLatin1String(" "))
        m_applet->setCheckState(Qt::Unchecked);
}

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
    if (!paths::simulatorSubfolder(paths::qelFolder)) {
        messages::showFailure(this,
                              messages::missingQelFolderText(messages::Program::Editor,
                                                             tr("there are no scenarios to open")));
        return;
    }
    OpenScenarioDialog dialog(this);
    connect(&dialog, &OpenScenarioDialog::scenarioRead, this, &EditorWindow::applyScenario);
    connect(&dialog, &OpenScenarioDialog::pictureRead, m_picture, &ImageView::setImage);
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
