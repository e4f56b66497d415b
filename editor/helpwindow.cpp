#include "helpwindow.h"

#include "accessiblenames.h"
#include "fontfamilies.h"
#include "helptexts.h"
#include "twips.h"
#include "uiconstants.h"
#include "wrappingcontrols.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qel::editor {

namespace {

const QColor litGreen(0, 255, 0);

QPushButton* topicButton(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* button = new WrappingButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twips::rect(120, top, 1095, 495));
    button->setAutoDefault(false);
    return button;
}

QLabel* indicator(QWidget* parent, const char* name, int top, const QColor& colour)
{
    auto* label = new QLabel(QStringLiteral(" "), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twips::rect(1320, top, 135, 495));
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
    return label;
}

void setIndicator(QLabel* label, bool lit)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, lit ? litGreen : ui::lightGrey);
    label->setPalette(p);
}

QPlainTextEdit* textBox(QWidget* parent, const char* name, const QString& text,
                        const QColor& background)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twips::rect(1560, 120, 6495, 5895));
    box->setReadOnly(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(fonts::formFont(fonts::Typeface::arial, 9.75, true));
    // Tab stops eight blanks apart, so the separator lines of tabs fit on one line.
    box->setTabStopDistance(8 * box->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    QPalette p = box->palette();
    p.setColor(QPalette::Text, ui::navy);
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

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent)
{
    twips::setUpWindow(*this, "Form2", tr("Q.E.L. Help"), 8160, 6180);
    setModal(true);
    // Arial is narrow enough for "Learning the new system" to wrap onto two lines only.
    setFont(fonts::formFont(fonts::Typeface::arial, 8.25));
    createButtons();
    createIndicators();
    createTextBoxes();
    arrangeTabOrder();
    connectHandlers();
    accessibility::nameControls(*this,
                                {{QStringLiteral("Label1"), tr("Overview shown")},
                                 {QStringLiteral("Label2"), tr("Learning the new system shown")},
                                 {QStringLiteral("Label3"), tr("Creating a QEL file shown")},
                                 {QStringLiteral("Text3"), tr("Overview")},
                                 {QStringLiteral("Text2"), tr("Learning the new system")},
                                 {QStringLiteral("Text1"), tr("Creating a QEL file")}});
}

void HelpWindow::createButtons()
{
    m_overviewButton = topicButton(this, "Command1", tr("Overview"), 120);
    m_learningButton = topicButton(this, "Command2", tr("Learning the new system"), 960);
    m_creatingButton = topicButton(this, "Command3", tr("Creating a QEL file"), 1800);
    m_exitButton = topicButton(this, "Command6", tr("Exit Help"), 2640);
}

void HelpWindow::createIndicators()
{
    // Before the first press the unlit strips keep the button face colour, not the grey they
    // take once a topic has been chosen.
    const QColor face = QApplication::palette().color(QPalette::Button);
    m_overviewIndicator = indicator(this, "Label1", 120, litGreen);
    m_learningIndicator = indicator(this, "Label2", 960, face);
    m_creatingIndicator = indicator(this, "Label3", 1800, face);
}

void HelpWindow::createTextBoxes()
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    m_overview = textBox(this, "Text3", helptexts::overview(), ui::lightGrey);
    m_learning = textBox(this, "Text2", helptexts::learningTheNewSystem(), ui::lightGrey);
    m_learning->hide();
    m_creating = textBox(this, "Text1", helptexts::creatingAQelFile(), face);
    m_creating->hide();
}

void HelpWindow::arrangeTabOrder()
{
    QWidget* order[] = {m_creating,   m_overviewButton, m_learningButton, m_creatingButton,
                        m_exitButton, m_learning,       m_overview};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void HelpWindow::connectHandlers()
{
    connect(m_overviewButton, &QPushButton::clicked, this, &HelpWindow::showOverview);
    connect(m_learningButton, &QPushButton::clicked, this, &HelpWindow::showLearning);
    connect(m_creatingButton, &QPushButton::clicked, this, &HelpWindow::showCreating);
    connect(m_exitButton, &QPushButton::clicked, this, &HelpWindow::reject);
}

void HelpWindow::showTopic(QLabel* lit, QPlainTextEdit* shown)
{
    for (QLabel* label : {m_overviewIndicator, m_learningIndicator, m_creatingIndicator})
        setIndicator(label, label == lit);
    for (QPlainTextEdit* text : {m_creating, m_learning, m_overview})
        text->setVisible(text == shown);
}

void HelpWindow::showOverview()
{
    showTopic(m_overviewIndicator, m_overview);
}

void HelpWindow::showLearning()
{
    showTopic(m_learningIndicator, m_learning);
}

void HelpWindow::showCreating()
{
    showTopic(m_creatingIndicator, m_creating);
}

void HelpWindow::focusFirstTopic()
{
    m_overviewButton->setFocus(Qt::ActiveWindowFocusReason);
}

// The focus step belongs to the window becoming the editor's active window: when it was shown,
// or when it takes over from another window of the editor. A user who comes back from another
// program finds the focus where it was left.
bool HelpWindow::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowDeactivate) {
        // By now the window that takes over is the active one; none means another program.
        m_leftTheEditor = QApplication::activeWindow() == nullptr;
    } else if (event->type() == QEvent::WindowActivate) {
        if (!m_leftTheEditor)
            focusFirstTopic();
        m_leftTheEditor = false;
    }
    return handled;
}

} // namespace qel::editor
