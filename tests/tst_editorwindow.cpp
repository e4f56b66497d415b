// The editor's main window: start state, choosing a flight, the applet flag, "Clr." and "Save".
#include "codepagesetting.h"
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "filelist.h"
#include "flightonlyfile.h"
#include "foldertexts.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "simfolder.h"
#include "winfiles.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolTip>
#include <QtTest>

using namespace qel::editor;

class TestEditorWindow : public EditorFixture {
    Q_OBJECT
private slots:
    void startState();
    void layoutFollowsTheTables_data();
    void layoutFollowsTheTables();
    void everyControlHasItsName();
    void optionsStayClearOfFramesAndNeighbours();
    void buttonsLieAboveTheLabelsTheyOverlap();
    void flightListShowsSavedFlightsOnly();
    void choosingAFlightEnablesSave();
    void pilotsFolderInAnyLetterCase();
    void missingPilotsFolderIsReported();
    void appletFlagFollowsCheckBox();
    void clearRemovesThePicture();
    void clearAfterBlankWasWritten();
    void descriptionLimitBindsTypingOnly();
    void descriptionKeepsOutWhatTheFileCannotHold_data();
    void descriptionKeepsOutWhatTheFileCannotHold();

    void saveNewFile();
    void saveExistingAnsweredNoKeepsOldBytes();
    void saveExistingAnsweredYesReplacesCompletely();
    void saveOverNameDifferingInCase();
    void saveUnderAShortNameAsksFirst();
    void saveRefusesBadNames_data();
    void saveRefusesBadNames();
    void saveWithoutQelFolder();
    void saveRefusesFieldsTheFileCannotHold_data();
    void saveRefusesFieldsTheFileCannotHold();
    void saveFailureKeepsOldFile();

private:
    static void chooseFlight(EditorWindow& form, const QString& name)
    {
        ::ui(form).File5->selectName(name);
        QCOMPARE(::ui(form).Text1->text(), name);
    }
};

void TestEditorWindow::startState()
{
    EditorWindow& form = window();
    QCOMPARE(form.windowTitle(), QStringLiteral("QELedit 3.0 for Nubivar & Grundex"));
    QVERIFY(!ui().Command1->isEnabled());
    QVERIFY(!ui().Command2->isEnabled());
    QVERIFY(ui().Check1->isChecked());
    QCOMPARE(ui().Text1->text(), QStringLiteral(" "));
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
    QCOMPARE(ui().Text24->text(), QStringLiteral("???.qel"));
    QCOMPARE(ui().Text23->text(), QString());
    QCOMPARE(ui().Text25->text(), QStringLiteral("app"));
    QCOMPARE(ui().Text2->text(), QString());
    QCOMPARE(ui().Text5->text(), QString());
    QCOMPARE(ui().Text22->text(), QString());
    QVERIFY(ui().Option21->isChecked());
    QVERIFY(ui().Option28->isChecked());
    QVERIFY(ui().Option26->isChecked());
    QVERIFY(!ui().Image2->hasImage());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage banner = ui().Image1->image();
    QCOMPARE(banner.size(), QSize(289, 68));
    // The right way up: sky at the top, fields along the bottom.
    QVERIFY(qBlue(banner.pixel(0, 0)) > qGreen(banner.pixel(0, 0)));
    QVERIFY(qGreen(banner.pixel(0, 67)) > qBlue(banner.pixel(0, 67)));
    QCOMPARE(ui().Text24->font(), form.font());
    QVERIFY(ui().Label8->isHidden());
    QCOMPARE(ui().Label8->text(), QStringLiteral(" "));
    for (QLineEdit* hidden : {ui().Text2, ui().Text5, ui().Text22, ui().Text25})
        QVERIFY(hidden->isHidden());
    QVERIFY(ui().Text1->isReadOnly());
    QVERIFY(ui().Text26->isReadOnly());
}

void TestEditorWindow::layoutFollowsTheTables_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label2") << "Label2"
                            << "Open Flight" << QRect(240, 1320, 1335, 255);
    QTest::newRow("Label7") << "Label7"
                            << " Edit File" << QRect(480, 3480, 1335, 375);
    QTest::newRow("Label6") << "Label6"
                            << "      Add Picture?" << QRect(5400, 2040, 1815, 255);
    QTest::newRow("Label3") << "Label3"
                            << "Enter a Description..." << QRect(2160, 4440, 2895, 375);
    QTest::newRow("Label4") << "Label4"
                            << "Save File as..." << QRect(5400, 4440, 1575, 375);
    QTest::newRow("Command1") << "Command1"
                              << "Save" << QRect(7440, 4560, 855, 495);
    QTest::newRow("Command2") << "Command2"
                              << "Clr." << QRect(7920, 1680, 375, 255);
    QTest::newRow("Command3") << "Command3"
                              << "Press for Quick Tips" << QRect(5400, 3480, 1575, 375);
    QTest::newRow("Command5") << "Command5"
                              << "Exit" << QRect(7440, 3120, 855, 495);
    QTest::newRow("Command6") << "Command6"
                              << "QEL launcher" << QRect(7440, 3840, 855, 495);
    QTest::newRow("Command7") << "Command7"
                              << "Help" << QRect(7440, 2400, 855, 495);
    QTest::newRow("Command9") << "Command9"
                              << " " << QRect(5400, 2040, 255, 195);
    QTest::newRow("Command11") << "Command11"
                               << " " << QRect(240, 3480, 255, 255);
    QTest::newRow("Check1") << "Check1"
                            << "Applet On/off" << QRect(5400, 2760, 975, 375);
    QTest::newRow("Frame1") << "Frame1"
                            << "Select Cloud Style" << QRect(2160, 1320, 2655, 1455);
    QTest::newRow("Frame2") << "Frame2"
                            << "Select Ground Texture" << QRect(2160, 3000, 2655, 1215);
    QTest::newRow("Frame6") << "Frame6"
                            << "Cloud Sets" << QRect(240, 3840, 1695, 1095);
    QTest::newRow("Text1") << "Text1" << QString() << QRect(240, 1560, 1695, 285);
    QTest::newRow("File5") << "File5" << QString() << QRect(240, 1920, 1695, 1260);
    QTest::newRow("Text23") << "Text23" << QString() << QRect(2160, 4800, 2895, 285);
    QTest::newRow("Image2") << "Image2" << QString() << QRect(5400, 120, 2415, 1815);
    QTest::newRow("Text26") << "Text26" << QString() << QRect(5400, 2280, 1455, 285);
    QTest::newRow("Text24") << "Text24" << QString() << QRect(5400, 4800, 1695, 285);
    QTest::newRow("Label8") << "Label8"
                            << " " << QRect(5040, 3360, 2295, 975);
    QTest::newRow("Image1") << "Image1" << QString() << QRect(105, 15, 4335, 1020);
}

void TestEditorWindow::layoutFollowsTheTables()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    EditorWindow& form = window();
    QCOMPARE(form.size(), QSize(560, 351));
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget);
    const QRect px(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                   qRound(twips.height() / 15.0));
    QCOMPARE(widget->geometry(), px);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(frame->title(), caption);
}

// Each option's caption, at the size the font needs, lies inside its frame's border, below the
// frame's line, and a few pixels clear of the option to its right.
void TestEditorWindow::optionsStayClearOfFramesAndNeighbours()
{
    EditorWindow& form = window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QGroupBox* frame : {ui().Frame1, ui().Frame2, ui().Frame6}) {
        const QList<QRadioButton*> options = frame->findChildren<QRadioButton*>();
        for (QRadioButton* o : options) {
            const QRect needed(o->pos(), QSize(o->sizeHint().width(), o->height()));
            const QString where = QStringLiteral("%1 in %2").arg(o->text(), frame->objectName());
            QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(where));
            QVERIFY2(frame->contentsRect().adjusted(0, 1, 0, 0).contains(needed),
                     qPrintable(where));
            for (QRadioButton* right : options) {
                if (right->x() > o->x() &&
                    right->geometry().intersects(needed.adjusted(0, 0, 3, 0)))
                    QFAIL(qPrintable(where + QStringLiteral(" runs into ") + right->text()));
            }
        }
    }
}

void TestEditorWindow::everyControlHasItsName()
{
    EditorWindow& form = window();
    const QStringList names = {
        "Image1",   "Label2",   "Text1",    "Label9",   "File5",    "Command11", "Label7",
        "Frame6",   "Option24", "Option25", "Option26", "Frame1",   "Option1",   "Option2",
        "Option3",  "Option4",  "Option5",  "Option6",  "Option7",  "Option21",  "Frame2",
        "Option8",  "Option9",  "Option10", "Option11", "Option28", "Label3",    "Text23",
        "Image2",   "Command2", "Label6",   "Command9", "Text26",   "Check1",    "Label8",
        "Command3", "Label4",   "Text24",   "Command7", "Command5", "Command6",  "Command1",
        "Text2",    "Text5",    "Text22",   "Text25"};
    for (const QString& name : names)
        QVERIFY2(form.findChildren<QWidget*>(name).size() == 1, qPrintable(name));
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
}

void TestEditorWindow::buttonsLieAboveTheLabelsTheyOverlap()
{
    EditorWindow& form = window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.childAt(ui().Command9->geometry().center()), ui().Command9);
    QCOMPARE(form.childAt(ui().Command3->geometry().center()), ui().Command3);
}

void TestEditorWindow::flightListShowsSavedFlightsOnly()
{
    SimFolder& sim = folder();
    sim.write("pilots/Zulu.stn", "x");
    sim.write("pilots/alpha.STN", "x");
    sim.write("pilots/Bravo.stn", "x");
    sim.write("pilots/notes.txt", "x");
    sim.write("pilots/stn", "x");
    sim.mkdir("pilots/folder.stn");
    window();
    QCOMPARE(ui().File5->names(), QStringList({"alpha.STN", "Bravo.stn", "Zulu.stn"}));
    QCOMPARE(ui().File5->selectedName(), QString());
}

void TestEditorWindow::choosingAFlightEnablesSave()
{
    SimFolder& sim = folder();
    sim.write("pilots/Meigs.stn", "x");
    sim.write("pilots/Oshkosh.stn", "x");
    EditorWindow& form = window();
    QSignalSpy changes(ui().Text1, &QLineEdit::textChanged);
    chooseFlight(form, "Meigs.stn");
    QVERIFY(ui().Command1->isEnabled());
    QCOMPARE(changes.count(), 1);
    ui().Text1->setText("Meigs.stn"); // the same text again is no change
    QCOMPARE(changes.count(), 1);
    chooseFlight(form, "Oshkosh.stn");
    QCOMPARE(changes.count(), 2);
}

void TestEditorWindow::pilotsFolderInAnyLetterCase()
{
    SimFolder sim(false, true);
    sim.mkdir("PILOTS");
    sim.write("PILOTS/Demo.stn", "x");
    EditorWindow& form = window();
    QCOMPARE(::ui(form).File5->names(), QStringList({"Demo.stn"}));
}

void TestEditorWindow::missingPilotsFolderIsReported()
{
    SimFolder sim(false, true);
    EditorWindow& form = window();
    QCOMPARE(::ui(form).File5->count(), 0);
    ModalAnswerer& answers = answerer();
    answers.expectFailure(foldertexts::noPilots());
    form.reportStartProblems();
    QVERIFY_ANSWERED(answers);
    QVERIFY(!sim.exists("pilots"));

    // The program as built says so as it starts: its screenshot hook waits for the message.
    QTemporaryDir pictures;
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QEL_SCREENSHOT"), pictures.filePath(QStringLiteral("m.png")));
    env.insert(QStringLiteral("QEL_SCREENSHOT_WINDOW"), QStringLiteral("failureMessage"));
    editor.setProcessEnvironment(env);
    editor.start(QStandardPaths::findExecutable(QStringLiteral("QELedit"),
                                                {QCoreApplication::applicationDirPath()}),
                 {});
    QVERIFY(editor.waitForFinished(120000));
    QVERIFY2(editor.exitCode() == 0, editor.readAllStandardError().constData());
    QVERIFY(QFile::exists(pictures.filePath(QStringLiteral("m.png"))));
}

void TestEditorWindow::appletFlagFollowsCheckBox()
{
    window();
    ui().Check1->click();
    QCOMPARE(ui().Text25->text(), QStringLiteral(" "));
    ui().Check1->click();
    QCOMPARE(ui().Text25->text(), QStringLiteral("app"));
    ui().Check1->setChecked(true); // no change, nothing runs
    QCOMPARE(ui().Text25->text(), QStringLiteral("app"));
}

void TestEditorWindow::clearRemovesThePicture()
{
    window();
    QImage picture(16, 12, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ui().Image2->setImage(picture);
    ui().Text26->setText("sunset.bmp");
    QVERIFY(ui().Command2->isEnabled());
    ui().Command2->click();
    QVERIFY(!ui().Image2->hasImage());
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
    QVERIFY(!ui().Command2->isEnabled());
}

void TestEditorWindow::clearAfterBlankWasWritten()
{
    window();
    ui().Text26->setText("a.bmp");
    ui().Command2->click();
    ui().Text26->setText("b.bmp");
    ui().Text26->setText(" ");
    QVERIFY(ui().Command2->isEnabled());
    ui().Command2->click();
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
    QVERIFY(!ui().Command2->isEnabled());
}

void TestEditorWindow::descriptionLimitBindsTypingOnly()
{
    EditorWindow& form = window();
    form.show();
    ui().Text23->setFocus();
    QTest::keyClicks(ui().Text23, QString(215, QLatin1Char('a')));
    QCOMPARE(ui().Text23->text().size(), 210);
    QTest::keyClick(ui().Text23, Qt::Key_Return);
    QCOMPARE(ui().Text23->text().size(), 210);
    QTest::keyClick(ui().Text23, Qt::Key_Backspace);
    QTest::keyClicks(ui().Text23, "bc");
    QCOMPARE(ui().Text23->text(), QString(209, QLatin1Char('a')) + "b");

    const QString opened(300, QLatin1Char('z'));
    ui().Text23->setText(opened);
    QCOMPARE(ui().Text23->text(), opened);
    ui().Text23->end(false);
    QTest::keyClicks(ui().Text23, "y");
    QCOMPARE(ui().Text23->text(), opened);
    QTest::keyClick(ui().Text23, Qt::Key_Backspace);
    QCOMPARE(ui().Text23->text().size(), 299);

    // Characters, not bytes, also where each takes two bytes in the file.
    const CodePageSetting japanese(932);
    if (japanese.inUse()) {
        ui().Text23->clear();
        QInputMethodEvent typed;
        typed.setCommitString(QString(215, QChar(0x6771)));
        QApplication::sendEvent(ui().Text23, &typed);
        QCOMPARE(ui().Text23->text(), QString(210, QChar(0x6771)));
    }
}

void TestEditorWindow::descriptionKeepsOutWhatTheFileCannotHold_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<bool>("pasted"); // else committed by an input method, as typed text is
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("tip");
    const QString cloud =
        QStringLiteral("\"雲\" was left out of the description: a scenario file is written in the "
                       "Windows ANSI code page (1252), which has no such character.");
    const auto control = [](const char* code) {
        return QStringLiteral("A control character (0x%1) was left out of the description: "
                              "Windows would stumble over it while running the scenario.")
            .arg(QLatin1String(code));
    };
    // A tab is saved as it is.
    QTest::newRow("pasted, with a tab")
        << 1252 << true << QStringLiteral("over\tthe 雲 Alps 🌄 €")
        << QStringLiteral("Dusk over\tthe  Alps  €")
        << cloud + QStringLiteral("\nOne more character was left out as well.");
    QTest::newRow("pasted, control characters")
        << 1252 << true
        << QStringLiteral("a\x01"
                          "b\x1b"
                          "c雲\x7f")
        << QStringLiteral("Dusk abc")
        << control("01") + QStringLiteral("\n3 more characters were left out as well.");
    QTest::newRow("typed, a control character")
        << 1252 << false << QStringLiteral("x\ay") << QStringLiteral("Dusk xy") << control("07");
    QTest::newRow("pasted, Japanese")
        << 932 << true << QStringLiteral("東京 ä ｱ") << QStringLiteral("Dusk 東京  ｱ")
        << QStringLiteral("\"ä\" was left out of the description: a scenario file is written in "
                          "the Windows ANSI code page (932), which has no such character.");
}

// Kept out at once, with a word at the box, rather than refused only when the scenario is saved.
void TestEditorWindow::descriptionKeepsOutWhatTheFileCannotHold()
{
    QFETCH(int, codePage);
    QFETCH(bool, pasted);
    QFETCH(QString, inserted);
    QFETCH(QString, kept);
    QFETCH(QString, tip);
    const CodePageSetting setting(codePage);
    QEL_SKIP_UNLESS_IN_USE(setting);
    EditorWindow& form = window();
    // At the screen's right edge, where a tip as wide as its sentence has no room to the right.
    const QRect free = form.screen()->availableGeometry();
    form.move(free.right() - form.frameGeometry().width(), free.top());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ui().Text23->setText("Dusk ");
    ui().Text23->end(false);
    if (pasted) {
        QApplication::clipboard()->setText(inserted);
        ui().Text23->paste();
    } else {
        QInputMethodEvent typed;
        typed.setCommitString(inserted);
        QApplication::sendEvent(ui().Text23, &typed);
    }
    QCOMPARE(ui().Text23->text(), kept);
    QCOMPARE(QToolTip::text(), tip);
    // On the screen, just below the box and beside it.
    const QWidget* tipLabel = nullptr;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tipLabel = widget;
    QVERIFY(tipLabel);
    const QRect box(ui().Text23->mapToGlobal(QPoint(0, 0)), ui().Text23->size());
    QVERIFY2(free.contains(tipLabel->geometry()),
             qPrintable(QDebug::toString(tipLabel->geometry())));
    QCOMPARE(tipLabel->y(), box.bottom() + 1);
    QVERIFY(tipLabel->geometry().left() <= box.right() &&
            tipLabel->geometry().right() >= box.left());
}

void TestEditorWindow::saveNewFile()
{
    SimFolder& sim = folder();
    sim.write("pilots/Meigs.stn", "x");
    EditorWindow& form = window();
    chooseFlight(form, "Meigs.stn");
    ui().Text24->setText("demo.qel");
    ModalAnswerer& answers = answerer();
    answers.expectSaved(false);
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/demo.qel"), flightOnlyFile("demo.qel", "Meigs.stn", "app"));
    QCOMPARE(sim.entries("qel"), QStringList({"demo.qel"}));
    // Nothing in the window changes after a save.
    QCOMPARE(ui().Text24->text(), QStringLiteral("demo.qel"));
    QVERIFY(ui().Command1->isEnabled());
}

void TestEditorWindow::saveExistingAnsweredNoKeepsOldBytes()
{
    SimFolder& sim = folder();
    sim.write("pilots/Meigs.stn", "x");
    const QByteArray old = "earlier scenario, not to be lost\r\n";
    sim.write("qel/demo.qel", old);
    EditorWindow& form = window();
    chooseFlight(form, "Meigs.stn");
    ui().Text24->setText("demo.qel");
    ModalAnswerer& answers = answerer();
    answers.expectOverwriteQuestion(QMessageBox::No);
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/demo.qel"), old);
    QCOMPARE(sim.entries("qel"), QStringList({"demo.qel"}));
}

void TestEditorWindow::saveExistingAnsweredYesReplacesCompletely()
{
    SimFolder& sim = folder();
    sim.write("pilots/A.stn", "x");
    sim.write("qel/demo.qel", QByteArray(5000, 'o'));
    EditorWindow& form = window();
    chooseFlight(form, "A.stn");
    ui().Check1->click();
    ui().Text24->setText("demo.qel");
    ModalAnswerer& answers = answerer();
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectSaved(true);
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/demo.qel"), flightOnlyFile("demo.qel", "A.stn", " "));
    QCOMPARE(sim.entries("qel"), QStringList({"demo.qel"}));
}

void TestEditorWindow::saveOverNameDifferingInCase()
{
    SimFolder& sim = folder();
    sim.write("pilots/A.stn", "x");
    sim.write("qel/DEMO.QEL", "old");
    EditorWindow& form = window();
    chooseFlight(form, "A.stn");
    ui().Text24->setText("demo.qel");
    ModalAnswerer& answers = answerer();
    answers.expectOverwriteQuestion(QMessageBox::Yes, QDir::toNativeSeparators("qel/DEMO.QEL"));
    answers.expectSaved(true);
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries("qel"), QStringList({"DEMO.QEL"}));
    QCOMPARE(sim.read("qel/DEMO.QEL"), flightOnlyFile("demo.qel", "A.stn", "app"));
}

// Windows opens a long-named file by its short 8.3 name too: that is the same file.
void TestEditorWindow::saveUnderAShortNameAsksFirst()
{
    SimFolder& sim = folder();
    sim.write("pilots/A.stn", "x");
    sim.write("qel/Very long scenario name.qel", "old");
    const QString alias = shortAlias(sim.filePath("qel/Very long scenario name.qel"));
    if (alias.isEmpty())
        QSKIP("the system gives no short names");
    EditorWindow& form = window();
    chooseFlight(form, "A.stn");
    ui().Text24->setText(alias);
    ModalAnswerer& answers = answerer();
    answers.expectOverwriteQuestion(QMessageBox::No, "qel\\Very long scenario name.qel");
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/Very long scenario name.qel"), QByteArray("old"));
    QCOMPARE(sim.entries("qel"), QStringList({"Very long scenario name.qel"}));
}

void TestEditorWindow::saveRefusesBadNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    const QString told = QStringLiteral("cannot be saved as");
    QTest::newRow("start value") << "???.qel" << told;
    QTest::newRow("empty") << "" << told;
    QTest::newRow("parent folder") << "../x.qel" << told;
    QTest::newRow("backslash") << "sub\\x.qel" << told;
    QTest::newRow("device") << "con.qel" << told;
    QTest::newRow("trailing dot") << "x." << told;
    QTest::newRow("dot dot") << ".." << told;
    // Names the open dialog and the launcher would never list; the name with the ending offered.
    for (const char* name : {"vsave", "vsave.txt", "vsave.qel.bak", "vsave.qe", "vsaveqel"})
        QTest::newRow(name) << name
                            << QStringLiteral("must end in \".qel\", as the open dialog and the "
                                              "launcher offer only such files. Nothing was "
                                              "saved.\n\nType \"%1.qel\"")
                                   .arg(QLatin1String(name));
}

void TestEditorWindow::saveRefusesBadNames()
{
    QFETCH(QString, name);
    SimFolder& sim = folder();
    sim.write("pilots/A.stn", "x");
    sim.write("qel/keep.qel", "keep");
    EditorWindow& form = window();
    chooseFlight(form, "A.stn");
    QFETCH(QString, told);
    ui().Text24->setText(name);
    ModalAnswerer& answers = answerer();
    answers.expectFailure(told);
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries("qel"), QStringList({"keep.qel"}));
    QCOMPARE(sim.entries(), QStringList({"pilots", "qel"}));
    QCOMPARE(sim.read("qel/keep.qel"), QByteArray("keep"));
}

void TestEditorWindow::saveWithoutQelFolder()
{
    SimFolder sim(true, false);
    sim.write("pilots/A.stn", "x");
    EditorWindow& form = window();
    chooseFlight(form, "A.stn");
    ui().Text24->setText("demo.qel");
    ModalAnswerer& answers = answerer();
    answers.expectFailure(foldertexts::noQelToSaveScenario());
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries(), QStringList({"pilots"}));
}

void TestEditorWindow::saveRefusesFieldsTheFileCannotHold_data()
{
    QTest::addColumn<QString>("flight");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");
    QTest::newRow("flight outside the code page") << "Ωmega.stn"
                                                  << ""
                                                  << "flight";
    QTest::newRow("jump label") << "A.stn"
                                << ":next"
                                << "label";
    QTest::newRow("jump label, blanks and case") << "A.stn"
                                                 << "  : NEXT and more"
                                                 << "label";
    QTest::newRow("jump label after @") << "A.stn"
                                        << "@:next"
                                        << "label";
}

void TestEditorWindow::saveRefusesFieldsTheFileCannotHold()
{
    QFETCH(QString, flight);
    QFETCH(QString, description);
    QFETCH(QString, message);
    SimFolder& sim = folder();
    sim.write("pilots/" + flight, "x");
    EditorWindow& form = window();
    chooseFlight(form, flight);
    ui().Text23->setText(description);
    ui().Text24->setText("demo.qel");
    ModalAnswerer& answers = answerer();
    answers.expectFailure(message);
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY(sim.entries("qel").isEmpty());
}

void TestEditorWindow::saveFailureKeepsOldFile()
{
    SimFolder& sim = folder();
    sim.write("pilots/A.stn", "x");
    sim.write("qel/locked.qel", "locked");
    QFile::setPermissions(sim.filePath("qel/locked.qel"), QFileDevice::ReadOwner);
    sim.mkdir("qel/taken.qel");
    EditorWindow& form = window();
    chooseFlight(form, "A.stn");

    ui().Text24->setText("locked.qel");
    ModalAnswerer& answers = answerer();
    answers.expectFailure("read-only"); // before the question: a "Yes" is never refused

    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/locked.qel"), QByteArray("locked"));

    ui().Text24->setText("taken.qel");
    answers.expectFailure("folder");
    ui().Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries("qel"), QStringList({"locked.qel", "taken.qel"}));
    QVERIFY(QFileInfo(sim.filePath("qel/taken.qel")).isDir());
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
