#include "form1.h"

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

namespace {

const QString blank = QStringLiteral(" ");

const char* const appletTip = QT_TRANSLATE_NOOP(
    "Form1",
    "If checked the Applet check box will be checked when your QEL file is displayed. It is on by "
    "default.");
const char* const saveTip = QT_TRANSLATE_NOOP("Form1", "Saves the QEL file you are creating.");
const char* const clearTip =
    QT_TRANSLATE_NOOP("Form1", "Clears any selected image in the image box.");
const char* const editFileTip =
    QT_TRANSLATE_NOOP("Form1", "Click this button to open an existing QEL file for editing.");
const char* const exitTip = QT_TRANSLATE_NOOP("Form1", "Exits QELedit.");
const char* const launcherTip =
    QT_TRANSLATE_NOOP("Form1", "Exits QELedit and starts the QEL Launcher. Make sure "
                               "you save any QEL file you are working on first!");
const char* const helpTip =
    QT_TRANSLATE_NOOP("Form1", "Press here for general help and information.");
const char* const addPictureTip = QT_TRANSLATE_NOOP(
    "Form1", "Adds a bitmap image that is in your QEL subdirectory to your qel file. The Clr "
             "button to the right will clear any selection.");
const char* const flightListTip = QT_TRANSLATE_NOOP(
    "Form1", "Here is a list of all the flights in your PILOTS directory. This is the "
             "default location where all flights are saved.");
const char* const flightTip = QT_TRANSLATE_NOOP("Form1", "Your selected flight is displayed here.");
const char* const cloudStyleTip = QT_TRANSLATE_NOOP(
    "Form1", "Select your cloud style here. When you select Cirrus or Overcast another menu "
             "will apear with more selections.");
const char* const groundTip = QT_TRANSLATE_NOOP(
    "Form1", "Enter your ground texture here. All ground texture selections are left "
             "installed after each QEL session where a ground texture is selected.");
const char* const cloudSetTip = QT_TRANSLATE_NOOP(
    "Form1", "Select between the two Nubivar cloud sets. Each set contains a unique Light, "
             "Medium, and Dense cloud type");
const char* const pictureTip =
    QT_TRANSLATE_NOOP("Form1", "Any bitmap, if selected, is displayed here.");
const char* const pictureNameTip =
    QT_TRANSLATE_NOOP("Form1", "Displays the name of your selected bitmap.");
const char* const descriptionTip = QT_TRANSLATE_NOOP(
    "Form1", "Enter a description for your QEL file. You can use up to 210 characters in "
             "your descriptions.");
const char* const fileNameTip = QT_TRANSLATE_NOOP(
    "Form1", "Enter a name for your QEL file using 8 characters or less in the prefix and "
             "make sure you save the file with the QEL extension.");

// Drives the help line from the mouse. Qt hands a mouse move that a control ignores on to the
// control's parent, so the line is never set from the control that receives the event: it is set
// from the innermost visible control under the pointer, and from its nearest ancestor that is in
// the table. Controls marked as having no entry stop the search and leave the line as it is.
// The same move may arrive several times on its way up; every arrival gives the same answer.
class HoverHelp : public QObject {
public:
    HoverHelp(Form1* form)
        : QObject(form)
        , m_form(form)
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
            m_form->Label8->setText(blank);
            return;
        }
        if (const std::optional<QString>& sentence = m_entries.value(owner))
            m_form->Label8->setText(*sentence);
    }

    void clicked(const QPoint& point)
    {
        const auto found = m_clicks.constFind(ownerAt(point));
        if (found != m_clicks.constEnd())
            m_form->Label8->setText(*found);
    }

    Form1* m_form;
    QHash<QWidget*, std::optional<QString>> m_entries;
    QHash<QWidget*, QString> m_clicks;
};

} // namespace

// The quick-tips help line.
void Form1::installHoverHelp()
{
    auto* help = new HoverHelp(this);
    help->tip(Check1, tr(appletTip));
    help->tip(Command1, tr(saveTip));
    help->tip(Command2, tr(clearTip));
    help->tip(Command11, tr(editFileTip));
    help->tip(Label7, tr(editFileTip));
    help->tip(Command5, tr(exitTip));
    help->tip(Command6, tr(launcherTip));
    help->tip(Command7, tr(helpTip));
    help->tip(Command9, tr(addPictureTip));
    help->tip(Label6, tr(addPictureTip));
    help->tip(File5, tr(flightListTip));
    help->tip(Text1, tr(flightTip));
    help->tip(Frame1, tr(cloudStyleTip));
    help->tip(Frame2, tr(groundTip));
    help->tip(Frame6, tr(cloudSetTip));
    help->tip(Image2, tr(pictureTip));
    help->tip(Text26, tr(pictureNameTip));
    help->tip(Label3, tr(descriptionTip));
    help->tip(Text23, tr(descriptionTip));
    help->tip(Label4, tr(fileNameTip));
    help->tip(Text24, tr(fileNameTip));
    // The strip between the flight box and the list answers a click, not a move.
    help->clickTip(Label9, tr(flightListTip));
    for (QWidget* control : std::initializer_list<QWidget*>{Command3, Label2, Image1, Label8})
        help->noEntry(control);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        help->noEntry(option);
    help->watch();

    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Command3_Click()
{
    Label8->show();
    Command3->hide();
    Label8->setText(tr("Move mouse over items for help."));
}
