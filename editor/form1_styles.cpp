#include "form1.h"

#include "form3.h"
#include "form6.h"
#include "form7.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <functional>

namespace {

// Runs `selected` whenever `option` becomes the selected option of its group, by the user or by
// code; activating the option that is already selected runs nothing.
void onSelected(QRadioButton* option, QObject* context, std::function<void()> selected)
{
    QObject::connect(option, &QRadioButton::toggled, context,
                     [selected = std::move(selected)](bool on) {
                         if (on)
                             selected();
                     });
}

// Opens a style dialog again for an option that is already selected: by double-click, or by
// Enter for those who use the keyboard.
class ReopenFilter : public QObject {
public:
    ReopenFilter(QRadioButton* option, std::function<void()> reopen)
        : QObject(option)
        , m_option(option)
        , m_reopen(std::move(reopen))
    {
        option->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_option)
            return false;
        if (event->type() == QEvent::MouseButtonDblClick) {
            // Taken whole: handed on, it would count as a press whose release the modal dialog
            // swallows, leaving the option drawn pressed.
            m_reopen();
            return true;
        }
        if (event->type() == QEvent::KeyPress && m_option->isChecked()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_reopen();
                return true;
            }
        }
        return false;
    }

private:
    QRadioButton* m_option;
    std::function<void()> m_reopen;
};

} // namespace

void Form1::connectStyleOptions()
{
    onSelected(Option21, this, [this] { Option21_Click(); });
    onSelected(Option1, this, [this] { Option1_Click(); });
    onSelected(Option2, this, [this] { Option2_Click(); });
    onSelected(Option3, this, [this] { Option3_Click(); });
    onSelected(Option4, this, [this] { Option4_Click(); });
    onSelected(Option5, this, [this] { Option5_Click(); });
    onSelected(Option6, this, [this] { Option6_Click(); });
    onSelected(Option7, this, [this] { Option7_Click(); });
    new ReopenFilter(Option4, [this] { Option4_DblClick(); });
    new ReopenFilter(Option5, [this] { Option5_DblClick(); });
    new ReopenFilter(Option7, [this] { Option7_DblClick(); });

    onSelected(Option28, this, [this] { Option28_Click(); });
    onSelected(Option8, this, [this] { Option8_Click(); });
    onSelected(Option9, this, [this] { Option9_Click(); });
    onSelected(Option10, this, [this] { Option10_Click(); });
    onSelected(Option11, this, [this] { Option11_Click(); });

    onSelected(Option26, this, [this] { Option26_Click(); });
    onSelected(Option24, this, [this] { Option24_Click(); });
    onSelected(Option25, this, [this] { Option25_Click(); });

    connectOpenDialog();
}

void Form1::Option21_Click()
{
    Text2->setText(QString());
}
void Form1::Option1_Click()
{
    Text2->setText(QStringLiteral("L"));
}
void Form1::Option2_Click()
{
    Text2->setText(QStringLiteral("M"));
}
void Form1::Option3_Click()
{
    Text2->setText(QStringLiteral("D"));
}
void Form1::Option6_Click()
{
    Text2->setText(QStringLiteral("S"));
}

void Form1::Option4_Click()
{
    Text2->setText(QStringLiteral("O"));
    showNewStyleChoice(useForm6());
}

void Form1::Option5_Click()
{
    Text2->setText(QStringLiteral("UB"));
    showNewStyleChoice(useForm7());
}

void Form1::Option7_Click()
{
    Text2->setText(QStringLiteral("CD"));
    showNewStyleChoice(useForm3());
}

void Form1::selectStoredCloudStyle(QRadioButton* option, StoredVariant variant)
{
    m_storedVariant = variant;
    option->setChecked(true);
    m_storedVariant = nullptr;
}

// A dialog left hidden by the open dialog may still hold the variant it set there; reset to the
// preset, it shows the code just written instead of a variant that no longer applies. A scenario
// being opened shows its stored variant instead, which writes its code at once, so that the
// dialog and the code field agree from the start.
void Form1::showNewStyleChoice(StyleDialog* dialog)
{
    dialog->selectPreset();
    if (m_storedVariant)
        m_storedVariant(*this)->setChecked(true);
    showStyleDialog(dialog);
}

void Form1::Option4_DblClick()
{
    showStyleDialog(useForm6());
}
void Form1::Option5_DblClick()
{
    showStyleDialog(useForm7());
}
void Form1::Option7_DblClick()
{
    showStyleDialog(useForm3());
}

void Form1::Option28_Click()
{
    Text5->setText(QString());
}
void Form1::Option8_Click()
{
    Text5->setText(QStringLiteral("FSUM"));
}
void Form1::Option9_Click()
{
    Text5->setText(QStringLiteral("FSUMD"));
}
void Form1::Option10_Click()
{
    Text5->setText(QStringLiteral("FWIN"));
}
void Form1::Option11_Click()
{
    Text5->setText(QStringLiteral("FDEF"));
}

void Form1::Option26_Click()
{
    Text22->setText(QString());
}
void Form1::Option24_Click()
{
    Text22->setText(QStringLiteral("SET1"));
}
void Form1::Option25_Click()
{
    Text22->setText(QStringLiteral("SET2"));
}

namespace {

// A dialog whose window was closed goes with the next turn of the event loop; from the moment of
// closing it counts as absent.
template <typename Dialog> Dialog* present(const QPointer<Dialog>& dialog)
{
    return dialog && !dialog->isUnloaded() ? dialog.data() : nullptr;
}

template <typename Dialog> Dialog* presentOrNew(QPointer<Dialog>& dialog, Form1& main)
{
    if (!present(dialog))
        dialog = new Dialog(main);
    return dialog;
}

} // namespace

Form3* Form1::form3() const
{
    return present(m_form3);
}
Form6* Form1::form6() const
{
    return present(m_form6);
}
Form7* Form1::form7() const
{
    return present(m_form7);
}

Form3* Form1::useForm3()
{
    return presentOrNew(m_form3, *this);
}
Form6* Form1::useForm6()
{
    return presentOrNew(m_form6, *this);
}
Form7* Form1::useForm7()
{
    return presentOrNew(m_form7, *this);
}

void Form1::showStyleDialog(StyleDialog* dialog)
{
    if (dialog->isVisible())
        return; // already on screen: shown again from inside its own showing
    const QPointer<StyleDialog> shown = dialog;
    dialog->exec();
    // However the showing ended ("OK", the window's frame, Escape), the dialog is unloaded now,
    // not later: whoever goes on after this showing must find it absent.
    delete shown.data();
}
