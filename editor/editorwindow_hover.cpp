#include "editorwindow.h"

#include "filelist.h"
#include "imageview.h"
#include "limitedlineedit.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace qel::editor {

namespace {

const QString blank = QStringLiteral(" ");

const char* const appletTip = QT_TRANSLATE_NOOP(
    "qel::editor::EditorWindow",
    "If checked the Applet check box will be checked when your QEL file is displayed. It is on by "
    "default.");
const char* const saveTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Saves the QEL file you are creating.");
const char* const clearTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Clears any selected image in the image box.");
const char* const editFileTip = QT_TRANSLATE_NOOP(
    "qel::editor::EditorWindow", "Click this button to open an existing QEL file for editing.");
const char* const exitTip = QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Exits QELedit.");
const char* const launcherTip = QT_TRANSLATE_NOOP(
    "qel::editor::EditorWindow", "Exits QELedit and starts the QEL Launcher. Make sure "
                                 "you save any QEL file you are working on first!");
const char* const helpTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Press here for general help and information.");
const char* const addPictureTip = QT_TRANSLATE_NOOP(
    "qel::editor::EditorWindow",
    "Adds a bitmap image that is in your QEL subdirectory to your qel file. The Clr "
    "button to the right will clear any selection.");
const char* const flightListTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow",
                      "Here is a list of all the flights in your PILOTS directory. This is the "
                      "default location where all flights are saved.");
const char* const flightTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Your selected flight is displayed here.");
const char* const cloudStyleTip = QT_TRANSLATE_NOOP(
    "qel::editor::EditorWindow",
    "Select your cloud style here. When you select Cirrus or Overcast another menu "
    "will apear with more selections.");
const char* const groundTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow",
                      "Enter your ground texture here. All ground texture selections are left "
                      "installed after each QEL session where a ground texture is selected.");
const char* const cloudSetTip = QT_TRANSLATE_NOOP(
    "qel::editor::EditorWindow",
    "Select between the two Nubivar cloud sets. Each set contains a unique Light, "
    "Medium, and Dense cloud type");
const char* const pictureTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Any bitmap, if selected, is displayed here.");
const char* const pictureNameTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow", "Displays the name of your selected bitmap.");
const char* const descriptionTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow",
                      "Enter a description for your QEL file. You can use up to 210 characters in "
                      "your descriptions.");
const char* const fileNameTip =
    QT_TRANSLATE_NOOP("qel::editor::EditorWindow",
                      "Enter a name for your QEL file using 8 characters or less in the prefix and "
                      "make sure you save the file with the QEL extension.");

// Drives the help line from the mouse. Qt hands a mouse move that a control ignores on to the
// control's parent, so the line is never set from the control that receives the event: it is set
// from the innermost visible control under the pointer, and from its nearest ancestor that is in
// the table. Controls marked as having no entry stop the search and leave the line as it is.
// The same move may arrive several times on its way up; every arrival gives the same answer.
class HoverHelp : public QObject {
public:
    HoverHelp(QWidget* form, QLabel* helpLine)
        : QObject(form)
        , m_form(form)
        , m_helpLine(helpLine)
    {
    }

    void tip(QWidget* control, const QString& sentence) { m_entries.insert(control, sentence); }
    void noEntry(QWidget* control) { m_entries.insert(control, std::nullopt); }
    void clickTip(QWidget* control, const QString& sentence)
    {
        noEntry(control);
        m_clicks.insert(control, sentence);
    }

    // Watches the window and every control in it, with mouse tracking so that moves without a
    // pressed button arrive. Disabled controls are watched too: Qt still routes their moves
    // here, so "Save" explains itself before it can be used.
    void watch()
    {
        watchOne(m_form);
        for (QWidget* child : m_form->findChildren<QWidget*>())
            watchOne(child);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || (widget != m_form && !m_form->isAncestorOf(widget)))
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint inForm = widget->mapTo(m_form, mouse->position().toPoint());
        if (type == QEvent::MouseMove)
            moved(inForm);
        else if (mouse->button() == Qt::LeftButton)
            clicked(inForm);
        return false;
    }

private:
    void watchOne(QWidget* widget)
    {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }

    // The control under `point` that owns its help: the nearest one in the table, or the window.
    QWidget* ownerAt(const QPoint& point) const
    {
        for (QWidget* w = m_form->childAt(point); w && w != m_form; w = w->parentWidget()) {
            if (m_entries.contains(w))
                return w;
        }
        return m_form;
    }

    void moved(const QPoint& point)
    {
        if (!m_form->rect().contains(point))
            return;
        QWidget* owner = ownerAt(point);
        if (owner == m_form) {
            m_helpLine->setText(blank);
            return;
        }
        if (const std::optional<QString>& sentence = m_entries.value(owner))
            m_helpLine->setText(*sentence);
    }

    void clicked(const QPoint& point)
    {
        const auto found = m_clicks.constFind(ownerAt(point));
        if (found != m_clicks.constEnd())
            m_helpLine->setText(*found);
    }

    QWidget* m_form;
    QLabel* m_helpLine;
    QHash<QWidget*, std::optional<QString>> m_entries;
    QHash<QWidget*, QString> m_clicks;
};

} // namespace

// The quick-tips help line.
void EditorWindow::installHoverHelp()
{
    auto* help = new HoverHelp(this, m_helpLine);
    help->tip(m_applet, tr(appletTip));
    help->tip(m_saveButton, tr(saveTip));
    help->tip(m_clearButton, tr(clearTip));
    help->tip(m_openButton, tr(editFileTip));
    help->tip(m_openCaption, tr(editFileTip));
    help->tip(m_exitButton, tr(exitTip));
    help->tip(m_launcherButton, tr(launcherTip));
    help->tip(m_helpButton, tr(helpTip));
    help->tip(m_pickPictureButton, tr(addPictureTip));
    help->tip(m_pictureCaption, tr(addPictureTip));
    help->tip(m_flightList, tr(flightListTip));
    help->tip(m_flight, tr(flightTip));
    help->tip(m_cloudStyleFrame, tr(cloudStyleTip));
    help->tip(m_groundFrame, tr(groundTip));
    help->tip(m_cloudSetFrame, tr(cloudSetTip));
    help->tip(m_picture, tr(pictureTip));
    help->tip(m_pictureName, tr(pictureNameTip));
    help->tip(m_descriptionCaption, tr(descriptionTip));
    help->tip(m_description, tr(descriptionTip));
    help->tip(m_fileNameCaption, tr(fileNameTip));
    help->tip(m_fileName, tr(fileNameTip));
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
