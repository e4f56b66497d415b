#include "form2.h"

#include "accessiblenames.h"
#include "helptexts.h"
#include "twips.h"
#include "uiconstants.h"
#include "wrappingcontrols.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

const QColor litGreen(0, 255, 0);

QPushButton* topicButton(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* button = new qel::WrappingButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(qel::twips::rect(120, top, 1095, 495));
    button->setAutoDefault(false);
    return button;
}

QLabel* indicator(QWidget* parent, const char* name, int top, const QColor& colour)
{
    auto* label = new QLabel(QStringLiteral(" "), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(qel::twips::rect(1320, top, 135, 495));
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
    return label;
}

void setIndicator(QLabel* label, bool lit)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, lit ? litGreen : qel::ui::lightGrey);
    label->setPalette(p);
}

QPlainTextEdit* textBox(QWidget* parent, const char* name, const QString& text,
                        const QColor& background)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(qel::twips::rect(1560, 120, 6495, 5895));
    box->setReadOnly(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    box->setFont(font);
    // Tab stops eight blanks apart, so the separator lines of tabs fit on one line.
    box->setTabStopDistance(8 * box->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    QPalette p = box->palette();
    p.setColor(QPalette::Text, qel::ui::navy);
    p.setColor(QPalette::Base, background);
    box->setPalette(p);
    // The texts keep their CR LF line ends; the box wants plain line feeds.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    box->setPlainText(shown);
    return box;
}

} // namespace

Form2::Form2(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Q.E.L. Help"));
    setModal(true);
    setFixedSize(qel::twips::size(8160, 6180));
    // Arial is narrow enough for "Learning the new system" to wrap onto two lines only.
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8.25);
    setFont(small);
    createButtons();
    createIndicators();
    createTextBoxes();
    arrangeTabOrder();
    connectHandlers();
    qel::accessibility::nameControls(
        *this, {{QStringLiteral("Label1"), tr("Overview shown")},
                {QStringLiteral("Label2"), tr("Learning the new system shown")},
                {QStringLiteral("Label3"), tr("Creating a QEL file shown")},
                {QStringLiteral("Text3"), tr("Overview")},
                {QStringLiteral("Text2"), tr("Learning the new system")},
                {QStringLiteral("Text1"), tr("Creating a QEL file")}});
}

void Form2::createButtons()
{
    Command1 = topicButton(this, "Command1", tr("Overview"), 120);
    Command2 = topicButton(this, "Command2", tr("Learning the new system"), 960);
    Command3 = topicButton(this, "Command3", tr("Creating a QEL file"), 1800);
    Command6 = topicButton(this, "Command6", tr("Exit Help"), 2640);
}

void Form2::createIndicators()
{
    // Before the first press the unlit strips keep the button face colour, not the grey they
    // take once a topic has been chosen.
    const QColor face = QApplication::palette().color(QPalette::Button);
    Label1 = indicator(this, "Label1", 120, litGreen);
    Label2 = indicator(this, "Label2", 960, face);
    Label3 = indicator(this, "Label3", 1800, face);
}

void Form2::createTextBoxes()
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    Text3 = textBox(this, "Text3", helptexts::overview(), qel::ui::lightGrey);
    Text2 = textBox(this, "Text2", helptexts::learningTheNewSystem(), qel::ui::lightGrey);
    Text2->hide();
    Text1 = textBox(this, "Text1", helptexts::creatingAQelFile(), face);
    Text1->hide();
}

void Form2::arrangeTabOrder()
{
    QWidget* order[] = {Text1, Command1, Command2, Command3, Command6, Text2, Text3};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form2::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
}

void Form2::showTopic(QLabel* lit, QPlainTextEdit* shown)
{
    for (QLabel* label : {Label1, Label2, Label3})
        setIndicator(label, label == lit);
    for (QPlainTextEdit* text : {Text1, Text2, Text3})
        text->setVisible(text == shown);
}

void Form2::Command1_Click()
{
    showTopic(Label1, Text3);
}

void Form2::Command2_Click()
{
    showTopic(Label2, Text2);
}

void Form2::Command3_Click()
{
    showTopic(Label3, Text1);
}

void Form2::Command6_Click()
{
    reject();
}

void Form2::Form_Activate()
{
    Command1->setFocus(Qt::ActiveWindowFocusReason);
}

// The focus step belongs to the window becoming the editor's active window: when it was shown,
// or when it takes over from another window of the editor. A user who comes back from another
// program finds the focus where it was left.
bool Form2::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowDeactivate) {
        // By now the window that takes over is the active one; none means another program.
        m_leftTheEditor = QApplication::activeWindow() == nullptr;
    } else if (event->type() == QEvent::WindowActivate) {
        if (!m_leftTheEditor)
            Form_Activate();
        m_leftTheEditor = false;
    }
    return handled;
}
