// The editor without a mouse: the Tab order of every window, Enter and Escape in the dialogs, a
// scenario composed, saved and reopened with keys alone, and a name for every control that a
// screen reader can announce.
#include "accessiblenames.h"
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "filelist.h"
#include "helpcontrols.h"
#include "helpwindow.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "openscenariodialog.h"
#include "picturepicker.h"
#include "scenariotemplate.h"
#include "simfolder.h"
#include "styledialog.h"
#include "styledialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace qel::editor;

namespace {

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

// The objectNames that Tab visits, starting at `first`, until the focus comes back to it.
QStringList tabRound(QWidget* first, int limit = 60)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{focusName()};
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            return visited;
        visited << focusName();
    }
    visited << QStringLiteral("(no way back)");
    return visited;
}

// Shift+Tab from `first` visits the same round backwards; given in the forward order.
QStringList backTabRound(QWidget* first, int limit = 60)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList backwards;
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        if (QApplication::focusWidget() == first) {
            std::reverse(backwards.begin(), backwards.end());
            return QStringList{first->objectName()} + backwards;
        }
        backwards << focusName();
    }
    return backwards << QStringLiteral("(no way back)");
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, "nothing has the keyboard focus");
    QTest::keyClick(focus, k, modifiers);
}

// Modal windows are shown before they become active; keys go to the active one.
void waitActive(QWidget* window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Presses Tab until `name` has the focus; fails when a whole round passes without.
void tabTo(const char* name)
{
    for (int i = 0; i < 60 && focusName() != QLatin1String(name); ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focusName(), QLatin1String(name));
}

QString unnamedIn(QWidget& window)
{
    QWidget* unnamed = firstUnnamed(window);
    return unnamed ? QStringLiteral("%1 in %2 (%3) has no accessible name")
                         .arg(unnamed->objectName(), window.objectName(),
                              QString::fromLatin1(unnamed->metaObject()->className()))
                   : QString();
}

// A scenario file with the given style code.
QByteArray scenarioScript(const QByteArray& style)
{
    return scenarioFile({.description = "Evening",
                         .fileName = "eve.qel",
                         .flight = "Meigs.stn",
                         .style = style,
                         .ground = "FWIN",
                         .set = "SET1"});
}

} // namespace

class TestKeyboard : public EditorFixture {
    Q_OBJECT
private slots:
    void mainWindowTabOrder();
    void styleDialogTabOrder_data();
    void styleDialogTabOrder();
    void enterInStyleDialogPressesOk_data();
    void enterInStyleDialogPressesOk();
    void escapeInStyleDialogKeepsTheLastChoice();
    void openDialogEnterSelectsAndEscapeLeaves();
    void openDialogEnterWithNothingSelectedStaysOpen();
    void pickerEnterSelectsAndEscapeLeaves();
    void helpWindowKeys();
    void composeSaveAndReopenWithKeysAlone();
    void everyControlHasAName();
    void captionsMakeNames_data();
    void captionsMakeNames();

private:
    void showMain(EditorWindow& window);
};

void TestKeyboard::showMain(EditorWindow& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TestKeyboard::mainWindowTabOrder()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("pilots/Meigs.stn"), "flight");
    EditorWindow& window = this->window();
    showMain(window);
    // "Save" and "Clr." start disabled and are passed over; in each option group Tab stops at the
    // selected option only.
    const QStringList expected{"File5",    "Text1",    "Command11", "Option21", "Option28",
                               "Option26", "Check1",   "Command9",  "Text26",   "Text23",
                               "Text24",   "Command3", "Command7",  "Command5", "Command6"};
    QCOMPARE(tabRound(ui().File5), expected);
    QCOMPARE(backTabRound(ui().File5), expected);

    // Once enabled, both take their places.
    ui().File5->selectName(QStringLiteral("Meigs.stn"));
    ui().Text26->setText(QStringLiteral("x.bmp"));
    QStringList withButtons = expected;
    withButtons.insert(withButtons.indexOf(QStringLiteral("Text23")), QStringLiteral("Command2"));
    withButtons.insert(withButtons.indexOf(QStringLiteral("Command3")), QStringLiteral("Command1"));
    QCOMPARE(tabRound(ui().File5), withButtons);

    // The stop follows the selection, whoever made it.
    ui().Option9->setChecked(true);
    QStringList afterSelection = withButtons;
    afterSelection.replace(afterSelection.indexOf(QStringLiteral("Option28")),
                           QStringLiteral("Option9"));
    QCOMPARE(tabRound(ui().File5), afterSelection);
}

void TestKeyboard::styleDialogTabOrder_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("firstDown");
    QTest::newRow("Cirrus") << "Option7"
                            << "Form3"
                            << "Option3";
    QTest::newRow("Overcast") << "Option4"
                              << "Form6"
                              << "Option3";
    QTest::newRow("Front") << "Option5"
                           << "Form7"
                           << "Option2";
}

void TestKeyboard::styleDialogTabOrder()
{
    QFETCH(QString, option);
    QFETCH(QString, dialog);
    QFETCH(QString, firstDown);
    EditorWindow& window = this->window();
    showMain(window);
    QStringList order;
    QString afterDown;
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(dialog, [&](QWidget* d) {
        waitActive(d);
        auto* style = static_cast<StyleDialog*>(d);
        // The focus starts on the preset choice; Tab goes to "OK" and back.
        order = tabRound(style->presetChoice());
        // The arrow keys select the next choice down, as laid out.
        key(Qt::Key_Down);
        afterDown = style->selectedChoice()->objectName();
        QCOMPARE(focusName(), afterDown);
        key(Qt::Key_Return);
    });
    window.findChild<QRadioButton*>(option)->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(order.size(), 2);
    QCOMPARE(order.last(), QStringLiteral("Command1"));
    QCOMPARE(afterDown, firstDown);
}

void TestKeyboard::enterInStyleDialogPressesOk_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("code");
    QTest::newRow("Overcast unchanged") << "Option4"
                                        << "Form6" << 0 << "O";
    QTest::newRow("Overcast, Wind Swept") << "Option4"
                                          << "Form6" << 1 << "WS";
    QTest::newRow("Overcast, Gray") << "Option4"
                                    << "Form6" << 2 << "OG";
    QTest::newRow("Front, Turbulent") << "Option5"
                                      << "Form7" << 2 << "TB";
    QTest::newRow("Cirrus unchanged") << "Option7"
                                      << "Form3" << 0 << "CD";
    QTest::newRow("Cirrus, Jet Trails") << "Option7"
                                        << "Form3" << 2 << "CT";
}

void TestKeyboard::enterInStyleDialogPressesOk()
{
    QFETCH(QString, option);
    QFETCH(QString, dialog);
    QFETCH(int, downs);
    QFETCH(QString, code);
    EditorWindow& window = this->window();
    showMain(window);
    bool closedByEnter = false;
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(dialog, [&](QWidget* d) {
        waitActive(d);
        QCOMPARE(focusName(), static_cast<StyleDialog*>(d)->presetChoice()->objectName());
        for (int i = 0; i < downs; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Return);
        closedByEnter = !d->isVisible();
    });
    // Space on the focused option selects it, as a click does, and opens its dialog.
    auto* target = window.findChild<QRadioButton*>(option);
    target->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QVERIFY(closedByEnter);
    QVERIFY(target->isChecked());
    QCOMPARE(::ui(window).Text2->text(), code);
    QVERIFY(!keptStyleDialog(window, "Form3") && !keptStyleDialog(window, "Form6") &&
            !keptStyleDialog(window, "Form7"));
}

void TestKeyboard::escapeInStyleDialogKeepsTheLastChoice()
{
    EditorWindow& window = this->window();
    showMain(window);
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form6"), [&](QWidget* d) {
        waitActive(d);
        key(Qt::Key_Down); // "Wind Swept"
        key(Qt::Key_Down); // "Gray"
        key(Qt::Key_Escape);
    });
    ui().Option4->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
    QVERIFY(!keptStyleDialog(window, "Form6"));

    // The next showing starts again from "Bright", as after "OK"; Escape there changes nothing.
    QString shown;
    answerer.expectWindow(QStringLiteral("Form6"), [&](QWidget* d) {
        shown = static_cast<StyleDialog*>(d)->selectedChoice()->objectName();
        waitActive(d);
        key(Qt::Key_Escape);
    });
    QTest::mouseDClick(ui().Option4, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(shown, QStringLiteral("Option1"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
}

void TestKeyboard::openDialogEnterSelectsAndEscapeLeaves()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/eve.qel"), scenarioScript("M"));
    EditorWindow& window = this->window();
    showMain(window);

    // Escape leaves as "Exit" does: nothing is read.
    ModalAnswerer& answerer = this->answerer();
    QStringList order;
    answerer.expectWindow(QStringLiteral("Form5"), [&](QWidget* d) {
        waitActive(d);
        order = tabRound(d->findChild<QWidget*>(QStringLiteral("File1")));
        d->findChild<QWidget*>(QStringLiteral("File1"))->setFocus();
        key(Qt::Key_Down);
        key(Qt::Key_Escape);
    });
    ui().Command11->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(order, (QStringList{"File1", "command1", "Command2"}));
    QCOMPARE(ui().Text1->text(), QStringLiteral(" "));
    QVERIFY(!window.findChild<OpenScenarioDialog*>());

    // Enter in the list presses "Select".
    waitActive(&window);
    ui().Command11->setFocus(Qt::TabFocusReason);
    answerer.expectWindow(QStringLiteral("Form5"), [&](QWidget* d) {
        waitActive(d);
        QCOMPARE(focusName(), QStringLiteral("File1"));
        // The first arrow key selects the first entry.
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text1->text(), QStringLiteral("Meigs.stn"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("M"));
    QCOMPARE(ui().Text5->text(), QStringLiteral("FWIN"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("SET1"));
    QVERIFY(!window.findChild<OpenScenarioDialog*>());
}

void TestKeyboard::openDialogEnterWithNothingSelectedStaysOpen()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/eve.qel"), scenarioScript("M"));
    EditorWindow& window = this->window();
    showMain(window);
    ModalAnswerer& answerer = this->answerer();
    bool stillOpen = false;
    answerer.expectWindow(QStringLiteral("Form5"), [&](QWidget* d) {
        waitActive(d);
        key(Qt::Key_Return);
        stillOpen = d->isVisible();
        d->close();
    });
    ui().Command11->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(stillOpen);
    QCOMPARE(ui().Text1->text(), QStringLiteral(" "));
}

void TestKeyboard::pickerEnterSelectsAndEscapeLeaves()
{
    SimFolder& sim = folder();
    QImage picture(32, 24, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(sim.filePath(QStringLiteral("qel/alps.bmp")), "BMP"));
    EditorWindow& window = this->window();
    showMain(window);

    ModalAnswerer& answerer = this->answerer();
    QStringList order;
    answerer.expectWindow(QStringLiteral("Form4"), [&](QWidget* d) {
        waitActive(d);
        QCOMPARE(focusName(), QStringLiteral("File1"));
        order = tabRound(d->findChild<QWidget*>(QStringLiteral("File1")));
        d->findChild<QWidget*>(QStringLiteral("File1"))->setFocus();
        key(Qt::Key_Down); // selects the first entry and previews it
        key(Qt::Key_Escape);
    });
    ui().Command9->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(order, (QStringList{"File1", "Command2", "Command4", "Command1"}));
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));

    waitActive(&window);
    ui().Command9->setFocus(Qt::TabFocusReason);
    answerer.expectWindow(QStringLiteral("Form4"), [&](QWidget* d) {
        waitActive(d);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text26->text(), QStringLiteral("alps.bmp"));
    QVERIFY(ui().Command2->isEnabled());
}

void TestKeyboard::helpWindowKeys()
{
    EditorWindow& window = this->window();
    showMain(window);
    ModalAnswerer& answerer = this->answerer();
    QStringList order;
    bool creatingShown = false;
    answerer.expectWindow(QStringLiteral("Form2"), [&](QWidget* d) {
        waitActive(d);
        const HelpControls help(*d);
        QCOMPARE(focusName(), QStringLiteral("Command1"));
        order = tabRound(help.Command1).mid(0, 4);
        help.Command3->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Space);
        creatingShown = help.Text1->isVisible();
        key(Qt::Key_Escape);
    });
    ::ui(window).Command7->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3", "Command6"}));
    QVERIFY(creatingShown);
}

void TestKeyboard::composeSaveAndReopenWithKeysAlone()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("pilots/Meigs.stn"), "flight");
    sim.write(QStringLiteral("pilots/Oshkosh.stn"), "flight");
    {
        EditorWindow window;
        const EditorControls ui(window);
        showMain(window);
        ui.File5->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Down);
        key(Qt::Key_Down); // the second flight
        QCOMPARE(ui.Text1->text(), QStringLiteral("Oshkosh.stn"));
        tabTo("Option21");
        // Left from "No Changes" selects "Overcast", whose dialog opens: Gray, then Enter.
        ModalAnswerer answerer;
        answerer.expectWindow(QStringLiteral("Form6"), [&](QWidget* d) {
            waitActive(d);
            key(Qt::Key_Down);
            key(Qt::Key_Down);
            key(Qt::Key_Return);
        });
        key(Qt::Key_Left);
        QVERIFY_ANSWERED(answerer);
        QCOMPARE(ui.Text2->text(), QStringLiteral("OG"));
        waitActive(&window);
        QCOMPARE(focusName(), QStringLiteral("Option4"));
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Option28"));
        key(Qt::Key_Up); // "Default"
        QCOMPARE(ui.Text5->text(), QStringLiteral("FDEF"));
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Option26"));
        key(Qt::Key_Up); // "Set2"
        QCOMPARE(ui.Text22->text(), QStringLiteral("SET2"));
        tabTo("Check1");
        key(Qt::Key_Space);
        QCOMPARE(ui.Text25->text(), QStringLiteral(" "));
        tabTo("Text23");
        QTest::keyClicks(ui.Text23, QStringLiteral("Winter haze"));
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Text24"));
        key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ui.Text24, QStringLiteral("haze.qel"));
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Command1"));
        answerer.expectSaved(false);
        key(Qt::Key_Space);
        QVERIFY_ANSWERED(answerer);
        QVERIFY(sim.exists(QStringLiteral("qel/haze.qel")));
    }

    // A new editor opens it again, from "Edit file" to "Select", with keys alone. Reading "OG"
    // selects "Overcast", which shows its dialog; Enter there, and the read sets "Gray".
    EditorWindow& window = this->window();
    const EditorControls ui(window);
    showMain(window);
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form5"), [&](QWidget* d) {
        waitActive(d);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    answerer.expectWindow(QStringLiteral("Form6"), [&](QWidget* d) {
        waitActive(d);
        key(Qt::Key_Return);
    });
    ui.File5->setFocus(Qt::TabFocusReason);
    tabTo("Command11");
    key(Qt::Key_Space);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui.Text1->text(), QStringLiteral("Oshkosh.stn"));
    QCOMPARE(ui.Text23->text(), QStringLiteral("Winter haze"));
    QCOMPARE(ui.Text24->text(), QStringLiteral("haze.qel"));
    QVERIFY(ui.Option4->isChecked());
    QVERIFY(ui.Option11->isChecked());
    QVERIFY(ui.Option25->isChecked());
    QVERIFY(!ui.Check1->isChecked());
    QCOMPARE(ui.Text2->text() + ui.Text5->text() + ui.Text22->text() + ui.Text25->text(),
             QStringLiteral("OGFDEFSET2 "));
}

void TestKeyboard::everyControlHasAName()
{
    EditorWindow& window = this->window();
    showMain(window);
    ::ui(window).Command3->click(); // the help line shows too
    QCOMPARE(unnamedIn(window), QString());

    QList<QWidget*> dialogs{new StyleDialog(styleDialogLayout(StyleDialogKind::Cirrus), &window),
                            new StyleDialog(styleDialogLayout(StyleDialogKind::Overcast), &window),
                            new StyleDialog(styleDialogLayout(StyleDialogKind::Front), &window)};
    dialogs << new OpenScenarioDialog(&window) << new HelpWindow(&window)
            << new PicturePicker(&window);
    for (QWidget* dialog : dialogs) {
        dialog->show();
        QCOMPARE(unnamedIn(*dialog), QString());
        dialog->close();
        delete dialog;
    }
}

void TestKeyboard::captionsMakeNames_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("prompt with a question") << "      Add Picture?"
                                            << "Add Picture";
    QTest::newRow("prompt with dots") << "Save File as..."
                                      << "Save File as";
    QTest::newRow("leading blank") << " Edit File"
                                   << "Edit File";
    QTest::newRow("trailing blanks") << "AutoSave  "
                                     << "AutoSave";
    QTest::newRow("a dot of its own") << "Clr."
                                      << "Clr.";
    QTest::newRow("blank") << " "
                           << "";
}

void TestKeyboard::captionsMakeNames()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QCOMPARE(qel::accessibility::nameFromCaption(caption), name);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
