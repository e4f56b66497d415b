#include "styledialog.h"

#include "accessiblenames.h"
#include "form1.h"
#include "twips.h"
#include "uiconstants.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRect pixels(const QRect& twips)
{
    return qel::twips::rect(twips.left(), twips.top(), twips.width(), twips.height());
}

} // namespace

StyleDialog::StyleDialog(Form1& main, const Layout& layout)
    : QDialog(&main)
    , m_main(main)
{
    setObjectName(QLatin1String(layout.name));
    setWindowTitle(layout.title);
    // A dialog is a window of its own and does not take its parent's font on its own.
    setFont(main.font());
    setFixedSize(qel::twips::size(layout.client.width(), layout.client.height()));
    setAttribute(Qt::WA_DeleteOnClose);

    Frame1 = new QGroupBox(layout.frameCaption, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(pixels(layout.frame));
    QPalette navyText = Frame1->palette();
    navyText.setColor(QPalette::WindowText, qel::ui::navy);
    Frame1->setPalette(navyText);

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(pixels(layout.ok));
    Command1->setDefault(true);
    Command1->raise();
    connect(Command1, &QPushButton::clicked, this, &StyleDialog::Command1_Click);
}

QRadioButton* StyleDialog::addChoice(const char* name, const QString& caption, int left, int top,
                                     int width, int height)
{
    auto* choice = new QRadioButton(caption, Frame1);
    choice->setObjectName(QLatin1String(name));
    choice->setGeometry(qel::twips::rect(left, top, width, height));
    m_choices.append(choice);
    // The OK button lies over the frame's right-hand part and must stay clickable.
    Command1->raise();
    return choice;
}

void StyleDialog::finish(QRadioButton* preset, const QList<std::function<void()>>& handlers)
{
    Q_ASSERT(handlers.size() == m_choices.size());
    m_preset = preset;
    // Before the handlers are connected: a new dialog shows its preset without writing a code.
    m_preset->setChecked(true);
    for (qsizetype i = 0; i < m_choices.size(); ++i) {
        connect(m_choices[i], &QRadioButton::toggled, this, [handler = handlers[i]](bool on) {
            if (on)
                handler();
        });
    }
    // The choices top to bottom, then "OK", which Enter presses from anywhere in the dialog.
    for (qsizetype i = 1; i < m_choices.size(); ++i)
        setTabOrder(m_choices[i - 1], m_choices[i]);
    setTabOrder(m_choices.last(), Command1);
    qel::accessibility::tabToSelectedOption(*Frame1);
}

void StyleDialog::Command1_Click()
{
    close();
}

void StyleDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        m_unloaded = true;
}

void StyleDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    qel::accessibility::nameControls(*this);
    // The keyboard starts on the choice on show, so the arrow keys move on from there.
    if (QRadioButton* choice = selectedChoice())
        choice->setFocus(Qt::ActiveWindowFocusReason);
}

void StyleDialog::selectPreset()
{
    m_preset->setChecked(true);
}

QRadioButton* StyleDialog::selectedChoice() const
{
    for (QRadioButton* choice : m_choices) {
        if (choice->isChecked())
            return choice;
    }
    return nullptr;
}

void StyleDialog::writeCode(const QString& code)
{
    m_main.Text2->setText(code);
}
