// The quick-tips help line: the sentences, the blank background, the controls without a
// sentence, and the quick-tips button. The pointer is moved through the window system, so
// every move takes the way a real one takes, through whatever control lies under it.
#include "editorcontrols.h"
#include "editorwindow.h"
#include "filelist.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "simfolder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace qel::editor;

namespace {

const QString blank = QStringLiteral(" ");
const QString quickTips = QStringLiteral("Move mouse over items for help.");
const QString flightList = QStringLiteral(
    "Here is a list of all the flights in your PILOTS directory. This is the default location "
    "where all flights are saved.");
const QString save = QStringLiteral("Saves the QEL file you are creating.");
const QString editFile =
    QStringLiteral("Click this button to open an existing QEL file for editing.");
const QString addPicture = QStringLiteral(
    "Adds a bitmap image that is in your QEL subdirectory to your qel file. The Clr button to "
    "the right will clear any selection.");
const QString description = QStringLiteral(
    "Enter a description for your QEL file. You can use up to 210 characters in your "
    "descriptions.");
const QString fileName = QStringLiteral(
    "Enter a name for your QEL file using 8 characters or less in the prefix and make sure you "
    "save the file with the QEL extension.");
const QString cloudStyle = QStringLiteral(
    "Select your cloud style here. When you select Cirrus or Overcast another menu will apear "
    "with more selections.");

// A point of the window (client coordinates) where the pointer is over `control` itself, not
// over one of the controls lying on or in it. A list counts with its inner parts.
QPoint spotOn(EditorWindow& form, QWidget* control)
{
    const QRect area(control->mapTo(&form, QPoint(0, 0)), control->size());
    const QPoint centre = area.center();
    for (int r = 0; r < 200; ++r) {
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                const QPoint p = centre + QPoint(dx, dy);
                if (!area.contains(p))
                    continue;
                QWidget* hit = form.childAt(p);
                if (hit == control ||
                    (hit && control->isAncestorOf(hit) && !qobject_cast<QRadioButton*>(hit)))
                    return p;
            }
        }
    }
    qFatal("no spot on %s", qPrintable(control->objectName()));
}

QPoint backgroundSpot(EditorWindow& form)
{
    // Not (0, 0): the test library takes a null point for the window's centre.
    for (int y = 2; y < form.height(); y += 3) {
        for (int x = 2; x < form.width(); x += 3) {
            if (!form.childAt(x, y))
                return {x, y};
        }
    }
    qFatal("no background");
}

class HoverTest {
public:
    HoverTest()
    {
        m_form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_form));
        // The pointer keeps its place from one test to the next, and a move to where it already
        // is counts as none: start each test off the window.
        at(QPoint(-10, -10));
    }
    EditorWindow& form() { return m_form; }
    void over(QWidget* control) { at(spotOn(m_form, control)); }
    void overBackground() { at(backgroundSpot(m_form)); }
    void at(const QPoint& p) { QTest::mouseMove(m_form.windowHandle(), p); }
    void tipsOn() { QTest::mouseClick(ui(m_form).Command3, Qt::LeftButton); }
    QString line() const { return ui(m_form).Label8->text(); }

private:
    SimFolder m_sim;
    EditorWindow m_form;
};

} // namespace

class TestHover : public QObject {
    Q_OBJECT
private slots:
    void tipsOffAtStartYetTheCaptionFollows();
    void quickTipsButtonShowsTheLineForGood();
    void everyEntryShowsItsSentence_data();
    void everyEntryShowsItsSentence();
    void labelAndLabelledControlAgree_data();
    void labelAndLabelledControlAgree();
    void backgroundBlanksTheLine();
    void controlsWithoutEntryKeepTheLine_data();
    void controlsWithoutEntryKeepTheLine();
    void label9AnswersAClickOnly();
    void disabledControlsExplainThemselves();
    void keyboardFocusChangesNothing();
};

void TestHover::tipsOffAtStartYetTheCaptionFollows()
{
    HoverTest t;
    QVERIFY(!ui(t.form()).Label8->isVisible());
    QCOMPARE(t.line(), blank);
    QVERIFY(ui(t.form()).Command3->isVisible());
    QCOMPARE(ui(t.form()).Command3->text(), QStringLiteral("Press for Quick Tips"));
    t.over(ui(t.form()).Command1);
    QCOMPARE(t.line(), save); // follows the pointer, unseen
    QVERIFY(!ui(t.form()).Label8->isVisible());
    QCOMPARE(ui(t.form()).Label8->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

void TestHover::quickTipsButtonShowsTheLineForGood()
{
    HoverTest t;
    EditorWindow& form = t.form();
    const EditorControls ui(form);
    t.over(ui.Command1);
    t.over(ui.Command3); // no sentence of its own: the line keeps "Save"'s
    QCOMPARE(t.line(), save);
    const QRect buttonPlace = ui.Command3->geometry();
    t.tipsOn();
    QVERIFY(ui.Label8->isVisible());
    QVERIFY(!ui.Command3->isVisible());
    QCOMPARE(t.line(), quickTips);
    QVERIFY(ui.Label8->geometry().contains(buttonPlace));
    // Where the button was, the line itself now lies; it has no sentence either.
    t.at(buttonPlace.center() + QPoint(3, 2));
    QCOMPARE(t.line(), quickTips);
    t.over(ui.Command7);
    t.overBackground();
    QVERIFY(ui.Label8->isVisible());
    QVERIFY(!ui.Command3->isVisible());
}

void TestHover::everyEntryShowsItsSentence_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("Check1") << "Check1"
                            << "If checked the Applet check box will be checked when your QEL "
                               "file is displayed. It is on by default.";
    QTest::newRow("Command1") << "Command1" << save;
    QTest::newRow("Command2") << "Command2"
                              << "Clears any selected image in the image box.";
    QTest::newRow("Command11") << "Command11" << editFile;
    QTest::newRow("Label7") << "Label7" << editFile;
    QTest::newRow("Command5") << "Command5"
                              << "Exits QELedit.";
    QTest::newRow("Command6") << "Command6"
                              << "Exits QELedit and starts the QEL Launcher. Make sure you save "
                                 "any QEL file you are working on first!";
    QTest::newRow("Command7") << "Command7"
                              << "Press here for general help and information.";
    QTest::newRow("Command9") << "Command9" << addPicture;
    QTest::newRow("Label6") << "Label6" << addPicture;
    QTest::newRow("File5") << "File5" << flightList;
    QTest::newRow("Text1") << "Text1"
                           << "Your selected flight is displayed here.";
    QTest::newRow("Frame1") << "Frame1" << cloudStyle;
    QTest::newRow("Frame2") << "Frame2"
                            << "Enter your ground texture here. All ground texture selections "
                               "are left installed after each QEL session where a ground "
                               "texture is selected.";
    QTest::newRow("Frame6") << "Frame6"
                            << "Select between the two Nubivar cloud sets. Each set contains a "
                               "unique Light, Medium, and Dense cloud type";
    QTest::newRow("Image2") << "Image2"
                            << "Any bitmap, if selected, is displayed here.";
    QTest::newRow("Text26") << "Text26"
                            << "Displays the name of your selected bitmap.";
    QTest::newRow("Label3") << "Label3" << description;
    QTest::newRow("Text23") << "Text23" << description;
    QTest::newRow("Label4") << "Label4" << fileName;
    QTest::newRow("Text24") << "Text24" << fileName;
}

void TestHover::everyEntryShowsItsSentence()
{
    QFETCH(QString, control);
    QFETCH(QString, sentence);
    HoverTest t;
    t.tipsOn();
    auto* widget = t.form().findChild<QWidget*>(control);
    QVERIFY(widget);
    t.overBackground();
    QCOMPARE(t.line(), blank);
    t.over(widget);
    QCOMPARE(t.line(), sentence);
    // Moving on within the same control shows the same sentence again.
    t.at(spotOn(t.form(), widget) + QPoint(1, 0));
    QCOMPARE(t.line(), sentence);
}

void TestHover::labelAndLabelledControlAgree_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("control");
    QTest::newRow("Edit File") << "Label7"
                               << "Command11";
    QTest::newRow("Add Picture?") << "Label6"
                                  << "Command9";
    QTest::newRow("description") << "Label3"
                                 << "Text23";
    QTest::newRow("file name") << "Label4"
                               << "Text24";
}

void TestHover::labelAndLabelledControlAgree()
{
    QFETCH(QString, label);
    QFETCH(QString, control);
    HoverTest t;
    t.tipsOn();
    t.over(t.form().findChild<QWidget*>(label));
    const QString fromLabel = t.line();
    t.overBackground();
    t.over(t.form().findChild<QWidget*>(control));
    QCOMPARE(t.line(), fromLabel);
    QVERIFY(fromLabel.size() > 1);
}

void TestHover::backgroundBlanksTheLine()
{
    HoverTest t;
    t.tipsOn();
    t.over(ui(t.form()).Command1);
    QCOMPARE(t.line(), save);
    t.overBackground();
    QCOMPARE(t.line(), blank);
    QVERIFY(ui(t.form()).Label8->isVisible());
}

void TestHover::controlsWithoutEntryKeepTheLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("kept");
    QTest::newRow("cloud style option") << "Frame1"
                                        << "Option4" << cloudStyle;
    QTest::newRow("other cloud style option") << "Frame1"
                                              << "Option21" << cloudStyle;
    QTest::newRow("ground option") << "Frame2"
                                   << "Option8"
                                   << "Enter your ground texture here. All ground texture "
                                      "selections are left installed after each QEL session "
                                      "where a ground texture is selected.";
    QTest::newRow("cloud set option") << "Frame6"
                                      << "Option25"
                                      << "Select between the two Nubivar cloud sets. Each set "
                                         "contains a unique Light, Medium, and Dense cloud type";
    // Straight from "Save" onto an option: the option has no sentence, and its frame's does
    // not stand in for it.
    QTest::newRow("option after Save") << "Command1"
                                       << "Option4" << save;
    QTest::newRow("ground option after Save") << "Command1"
                                              << "Option11" << save;
    QTest::newRow("set option after Save") << "Command1"
                                           << "Option26" << save;
    QTest::newRow("banner") << "Command1"
                            << "Image1" << save;
    QTest::newRow("Open Flight") << "Command1"
                                 << "Label2" << save;
    QTest::newRow("the help line") << "Command1"
                                   << "Label8" << save;
    QTest::newRow("the strip, moved over") << "Command1"
                                           << "Label9" << save;
}

void TestHover::controlsWithoutEntryKeepTheLine()
{
    QFETCH(QString, before);
    QFETCH(QString, control);
    QFETCH(QString, kept);
    HoverTest t;
    t.tipsOn();
    t.over(t.form().findChild<QWidget*>(before));
    QCOMPARE(t.line(), kept);
    t.over(t.form().findChild<QWidget*>(control));
    QCOMPARE(t.line(), kept);
}

void TestHover::label9AnswersAClickOnly()
{
    HoverTest t;
    t.tipsOn();
    t.overBackground();
    const QPoint strip = spotOn(t.form(), ui(t.form()).Label9);
    t.at(strip);
    QCOMPARE(t.line(), blank);
    QTest::mouseClick(t.form().windowHandle(), Qt::LeftButton, {}, strip);
    QCOMPARE(t.line(), flightList);
    // A click elsewhere, on a control with a sentence for moves, sets nothing by itself.
    t.overBackground();
    const QPoint onText = spotOn(t.form(), ui(t.form()).Text26);
    QTest::mouseClick(t.form().windowHandle(), Qt::LeftButton, {}, onText);
    QCOMPARE(t.line(), QStringLiteral("Displays the name of your selected bitmap."));
}

// "Save" and "Clr." start disabled; the line explains them all the same, which is when the
// user most wants to know what they are for.
void TestHover::disabledControlsExplainThemselves()
{
    HoverTest t;
    t.tipsOn();
    QVERIFY(!ui(t.form()).Command1->isEnabled());
    QVERIFY(!ui(t.form()).Command2->isEnabled());
    t.over(ui(t.form()).Command2);
    QCOMPARE(t.line(), QStringLiteral("Clears any selected image in the image box."));
    t.over(ui(t.form()).Command1);
    QCOMPARE(t.line(), save);
}

void TestHover::keyboardFocusChangesNothing()
{
    HoverTest t;
    t.tipsOn();
    t.over(ui(t.form()).Command7);
    const QString shown = t.line();
    t.form().activateWindow();
    ui(t.form()).Text24->setFocus();
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &t.form(),
                        Qt::Key_Tab);
    QCOMPARE(t.line(), shown);
}

QTEST_MAIN(TestHover)
#include "tst_hover.moc"
