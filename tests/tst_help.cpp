// The help window: topics, indicators, focus, and the layout of the help texts.
#include "controls.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "helpcontrols.h"
#include "helptexts.h"
#include "helpwindow.h"
#include "modalanswerer.h"
#include "simfolder.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

using qel::editor::HelpWindow;
namespace helptexts = qel::editor::helptexts;

const QColor green(0, 255, 0);
const QColor grey(192, 192, 192);

QColor colourOf(const QLabel* indicator)
{
    return indicator->palette().color(QPalette::Window);
}

QStringList visibleTexts(const QWidget& help)
{
    const HelpControls ui(help);
    QStringList names;
    for (const QPlainTextEdit* box : {ui.Text1, ui.Text2, ui.Text3}) {
        if (box->isVisibleTo(&help))
            names << box->objectName();
    }
    return names;
}

// Puts every help topic into another language: two lines, ended by line feeds as translators
// write them.
class TopicTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        // The topics are the editor's texts that end in a line feed.
        if (QByteArrayView(context) != "qel::editor" || !QByteArrayView(source).endsWith('\n'))
            return {};
        return QStringLiteral("Zeile eins\nZeile zwei\n");
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestHelp : public EditorFixture {
    Q_OBJECT
private slots:
    void opensAtTheOverview();
    void focusStepOnlyWhenActivatedWithinTheEditor();
    void topicButtons_data();
    void topicButtons();
    void pressingTheShownTopicGreysTheFaceColouredStrips();
    void reopeningStartsAtTheOverviewAgain();
    void textBoxesAreReadOnlyNavyArialWithoutScrollBars();
    void textBoxesShowTheirTopics();
    void helpTextLayout_data();
    void helpTextLayout();
    void creatingTextNumbersItsSteps();
    void linesFitTheirBoxWithoutWrapping();
    void topicsComeInTheUsersLanguage();
};

void TestHelp::opensAtTheOverview()
{
    qel::editor::EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    bool checked = false;
    answerer.expectWindow(QStringLiteral("Form2"), [&](QWidget* w) {
        auto* help = qobject_cast<HelpWindow*>(w);
        QVERIFY(help);
        const HelpControls ui(*help);
        checked = true;
        QCOMPARE(help->windowTitle(), QStringLiteral("Q.E.L. Help"));
        QVERIFY(help->isModal());
        QCOMPARE(visibleTexts(*help), QStringList{QStringLiteral("Text3")});
        QCOMPARE(colourOf(ui.Label1), green);
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(colourOf(ui.Label2), face);
        QCOMPARE(colourOf(ui.Label3), face);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.Command1));
        QTest::mouseClick(ui.Command6, Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(form, "Command7"), Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QVERIFY(checked);
    QVERIFY(form.findChildren<HelpWindow*>().isEmpty());
}

// Stands for the window system: which window of the editor is the active one, none while
// another program is.
static void activate(QWidget* window)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
}

void TestHelp::focusStepOnlyWhenActivatedWithinTheEditor()
{
    qel::editor::EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form2"), [&](QWidget* w) {
        const HelpControls ui(*w);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.Command1));
        ui.Command3->setFocus(Qt::TabFocusReason);
        activate(nullptr); // the user switches to another program and back
        activate(w);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.Command3));
        QDialog inner(w); // a window of the editor takes over, then gives back
        inner.show();
        activate(&inner);
        activate(w);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.Command1));
        QTest::mouseClick(ui.Command6, Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(form, "Command7"), Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
}

void TestHelp::topicButtons_data()
{
    QTest::addColumn<QString>("presses"); // buttons pressed in order: 1, 2, 3
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("lit");
    QTest::newRow("overview") << "1"
                              << "Text3" << 1;
    QTest::newRow("learning") << "2"
                              << "Text2" << 2;
    QTest::newRow("creating") << "3"
                              << "Text1" << 3;
    QTest::newRow("creating then overview") << "31"
                                            << "Text3" << 1;
    QTest::newRow("learning then creating") << "23"
                                            << "Text1" << 3;
    QTest::newRow("long round") << "1232132"
                                << "Text2" << 2;
    QTest::newRow("same twice") << "33"
                                << "Text1" << 3;
}

void TestHelp::topicButtons()
{
    QFETCH(QString, presses);
    QFETCH(QString, shown);
    QFETCH(int, lit);
    HelpWindow help;
    const HelpControls ui(help);
    help.show();
    QPushButton* buttons[] = {ui.Command1, ui.Command2, ui.Command3};
    for (QChar press : presses)
        QTest::mouseClick(buttons[press.digitValue() - 1], Qt::LeftButton);
    QCOMPARE(visibleTexts(help), QStringList{shown});
    const QLabel* indicators[] = {ui.Label1, ui.Label2, ui.Label3};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(colourOf(indicators[i]), i + 1 == lit ? green : grey);
}

void TestHelp::pressingTheShownTopicGreysTheFaceColouredStrips()
{
    QPalette face = QApplication::palette();
    face.setColor(QPalette::Button, QColor(10, 20, 30)); // tell the face colour from the grey
    QApplication::setPalette(face);
    HelpWindow help;
    const HelpControls ui(help);
    QApplication::setPalette(QPalette());
    help.show();
    QCOMPARE(colourOf(ui.Label2), QColor(10, 20, 30));
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QCOMPARE(visibleTexts(help), QStringList{QStringLiteral("Text3")});
    QCOMPARE(colourOf(ui.Label1), green);
    QCOMPARE(colourOf(ui.Label2), grey);
    QCOMPARE(colourOf(ui.Label3), grey);
}

void TestHelp::reopeningStartsAtTheOverviewAgain()
{
    qel::editor::EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form2"), [](QWidget* w) {
        const HelpControls ui(*w);
        QTest::mouseClick(ui.Command3, Qt::LeftButton);
        w->close(); // the title bar's close button, not "Exit Help"
    });
    answerer.expectWindow(QStringLiteral("Form2"), [](QWidget* w) {
        const HelpControls ui(*w);
        QCOMPARE(visibleTexts(*w), QStringList{QStringLiteral("Text3")});
        QCOMPARE(colourOf(ui.Label1), green);
        QCOMPARE(colourOf(ui.Label3), QApplication::palette().color(QPalette::Button));
        QTest::mouseClick(ui.Command6, Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>(form, "Command7"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(form, "Command7"), Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
}

void TestHelp::textBoxesAreReadOnlyNavyArialWithoutScrollBars()
{
    HelpWindow help;
    const HelpControls ui(help);
    for (const QPlainTextEdit* box : {ui.Text1, ui.Text2, ui.Text3}) {
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // Arial where the system has it, else a font with its widths.
        QVERIFY2(box->font().families().startsWith(QStringLiteral("Arial")) ||
                     QFontInfo(box->font()).family() == QStringLiteral("Liberation Sans"),
                 qPrintable(box->font().families().join(QLatin1Char(','))));
        QVERIFY(box->font().bold());
        QCOMPARE(box->font().pointSizeF(), 9.75);
        QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 128));
        QCOMPARE(box->geometry(), ui.Text3->geometry());
    }
    QCOMPARE(ui.Text2->palette().color(QPalette::Base), grey);
    QCOMPARE(ui.Text3->palette().color(QPalette::Base), grey);
    QCOMPARE(ui.Text1->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Button));
}

void TestHelp::textBoxesShowTheirTopics()
{
    HelpWindow help;
    const HelpControls ui(help);
    // First and last lines of each topic as they read: no CR, no line end after the last.
    const std::pair<const QPlainTextEdit*, QStringList> topics[] = {
        {ui.Text3, {"Welcome to Nubivar & Grundex ", "Now on to learning the new system..."}},
        {ui.Text2,
         {"Learning the new system ",
          "Winter looks its best with the visibility at 10 miles, summer at 15. "}},
        {ui.Text1, {"Creating a QEL file ", "Nubivar & Grundex. Have a good flight! "}}};
    for (const auto& [box, ends] : topics) {
        const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE((QStringList{lines.first(), lines.last()}), ends);
    }
}

void TestHelp::helpTextLayout_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("overview") << helptexts::overview();
    QTest::newRow("learning") << helptexts::learningTheNewSystem();
    QTest::newRow("creating") << helptexts::creatingAQelFile();
}

void TestHelp::helpTextLayout()
{
    QFETCH(QString, text);
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString()); // the last line is ended too
    QVERIFY2(lines.size() >= 20 && lines.size() <= 28, qPrintable(QString::number(lines.size())));
    int separators = 0;
    for (const QString& line : lines) {
        QVERIFY2(line.size() <= 73, qPrintable(line));
        QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
                 qPrintable(line));
        if (line.startsWith(QStringLiteral("\t\t\t\t\t\t")))
            ++separators;
        for (QChar c : line)
            QVERIFY2(c == QLatin1Char('\t') || (c.unicode() >= 0x20 && c.unicode() < 0x7f),
                     qPrintable(line));
    }
    QVERIFY(separators >= 1);
}

void TestHelp::creatingTextNumbersItsSteps()
{
    const QStringList lines = helptexts::creatingAQelFile().split(QStringLiteral("\r\n"));
    int step = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral(" %1)").arg(step + 1)))
            ++step;
        else if (step > 0 && step < 6 && !line.startsWith(QStringLiteral("     ")))
            QFAIL(qPrintable(QStringLiteral("step %1 is broken by: %2").arg(step).arg(line)));
    }
    QCOMPARE(step, 6);
}

// Arial's widths (or those of its metric twins) make every line fit the box as it stands, and
// all lines fit its height, since the boxes have no scroll bars.
void TestHelp::linesFitTheirBoxWithoutWrapping()
{
    HelpWindow help;
    const HelpControls ui(help);
    help.show();
    const QString family = QFontInfo(ui.Text3->font()).family();
    if (!QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("Arimo")}
             .contains(family))
        QSKIP("No font with Arial's widths is installed.");
    const std::pair<QPushButton*, QPlainTextEdit*> topics[] = {
        {ui.Command1, ui.Text3}, {ui.Command2, ui.Text2}, {ui.Command3, ui.Text1}};
    for (const auto& [button, box] : topics) {
        QTest::mouseClick(button, Qt::LeftButton); // a box is laid out once it is shown
        const QFontMetrics metrics(box->font());
        const int width = box->viewport()->width() - 2 * int(box->document()->documentMargin());
        const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (line.trimmed().isEmpty())
                continue;
            QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= width, qPrintable(line));
        }
        QVERIFY(lines.size() * metrics.lineSpacing() <= box->viewport()->height());
    }
}

void TestHelp::topicsComeInTheUsersLanguage()
{
    TopicTranslator translator; // uninstalls itself when it goes
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(helptexts::learningTheNewSystem(), QStringLiteral("Zeile eins\r\nZeile zwei\r\n"));
    HelpWindow help;
    const HelpControls ui(help);
    for (const QPlainTextEdit* box : {ui.Text1, ui.Text2, ui.Text3})
        QCOMPARE(box->toPlainText(), QStringLiteral("Zeile eins\nZeile zwei"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
