#include "editorwindow.h"

#include "filelist.h"
#include "helptexts.h"
#include "hoverhelp.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "scenariofile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qel::editor {

// The quick-tips help line.
void EditorWindow::installHoverHelp()
{
    const char* const flightListTip =
        QT_TR_NOOP("Here is a list of all the flights in your PILOTS directory. This is the "
                   "default location where all flights are saved.");
    // Each sentence with the controls it explains.
    const struct {
        const char* sentence;
        QWidget* controls[2];
        QString number = {}; // what %1 stands for
    } tips[] = {
        {QT_TR_NOOP("If checked the Applet check box will be checked when your QEL file is "
                    "displayed. It is on by default."),
         {m_applet}},
        {QT_TR_NOOP("Saves the QEL file you are creating."), {m_saveButton}},
        {QT_TR_NOOP("Clears any selected image in the image box."), {m_clearButton}},
        {QT_TR_NOOP("Click this button to open an existing QEL file for editing."),
         {m_openButton, m_openCaption}},
        {QT_TR_NOOP("Exits QELedit."), {m_exitButton}},
        {QT_TR_NOOP("Exits QELedit and starts the QEL Launcher. Make sure you save any QEL file "
                    "you are working on first!"),
         {m_launcherButton}},
        {QT_TR_NOOP("Press here for general help and information."), {m_helpButton}},
        {QT_TR_NOOP("Adds a bitmap image that is in your QEL subdirectory to your qel file. The "
                    "Clr button to the right will clear any selection."),
         {m_pickPictureButton, m_pictureCaption}},
        {flightListTip, {m_flightList}},
        {QT_TR_NOOP("Your selected flight is displayed here."), {m_flight}},
        {QT_TR_NOOP("Select your cloud style here. When you select Cirrus or Overcast another "
                    "menu will apear with more selections."),
         {m_cloudStyleFrame}},
        {QT_TR_NOOP("Enter your ground texture here. All ground texture selections are left "
                    "installed after each QEL session where a ground texture is selected."),
         {m_groundFrame}},
        {QT_TR_NOOP("Select between the %1 Nubivar cloud sets. Each set contains a unique "
                    "Light, Medium, and Dense cloud type"),
         {m_cloudSetFrame},
         helptexts::cloudSetCount()},
        {QT_TR_NOOP("Any bitmap, if selected, is displayed here."), {m_picture}},
        {QT_TR_NOOP("Displays the name of your selected bitmap."), {m_pictureName}},
        {QT_TR_NOOP("Enter a description for your QEL file. You can use up to %1 characters in "
                    "your descriptions."),
         {m_descriptionCaption, m_description},
         QString::number(scenario::descriptionLimit)},
        {QT_TR_NOOP("Enter a name for your QEL file using 8 characters or less in the prefix "
                    "and make sure you save the file with the QEL extension."),
         {m_fileNameCaption, m_fileName}},
    };
    auto* help = new HoverHelp(this, m_helpLine);
    for (const auto& tip : tips) {
        for (QWidget* control : tip.controls) {
            if (control)
                help->tip(control, tip.number.isEmpty() ? tr(tip.sentence)
                                                        : tr(tip.sentence).arg(tip.number));
        }
    }
    // The strip between the flight box and the list answers a click, not a move.
    help->clickTip(m_flightListStrip, tr(flightListTip));
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_quickTipsButton, m_flightCaption, m_banner, m_helpLine})
        help->noEntry(control);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        help->noEntry(option);
    help->watch();
}

} // namespace qel::editor
