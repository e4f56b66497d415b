#include "editorwindow.h"

#include "filelist.h"
#include "helptexts.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "scenariofile.h"

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
