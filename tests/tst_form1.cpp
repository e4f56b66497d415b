// The editor's main window: start state, choosing a flight, the applet flag, "Clr." and "Save".
#include "filelist.h"
#include "foldertexts.h"
#include "form1.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "simfolder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The file that a scenario with only a flight chosen gives, written out by hand.
QByteArray flightOnlyFile(const QByteArray& name, const QByteArray& flight,
                          const QByteArray& applet)
{
    return "@echo off\r\ngoto next\r\n\r\n" + name + "\r\n" + applet + "\r\n \r\n" + flight +
           "\r\n" + name + "\r\n\r\n\r\n\r\n\r\n" + applet +
           "\r\n:next\r\n\r\ncall qel.bat   \r\n\r\n:end\r\ndel qeltemp.bat >nul\r\n";
}

} // namespace

class TestForm1 : public QObject {
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
    void pastedDescriptionDropsWhatTheFileCannotHold();

    void saveNewFile();
    void saveExistingAnsweredNoKeepsOldBytes();
    void saveExistingAnsweredYesReplacesCompletely();
    void saveOverNameDifferingInCase();
    void saveRefusesBadNames_data();
    void saveRefusesBadNames();
    void saveWithoutQelFolder();
    void saveRefusesFieldsTheFileCannotHold_data();
    void saveRefusesFieldsTheFileCannotHold();
    void saveFailureKeepsOldFile();

private:
    static void chooseFlight(Form1& form, const QString& name)
    {
        form.File5->selectName(name);
        QCOMPARE(form.Text1->text(), name);
    }
};

void TestForm1::startState()
{
    SimFolder sim;
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("QELedit 3.0 for Nubivar & Grundex"));
    QVERIFY(!form.Command1->isEnabled());
    QVERIFY(!form.Command2->isEnabled());
    QVERIFY(form.Check1->isChecked());
    QCOMPARE(form.Text1->text(), QStringLiteral(" "));
    QCOMPARE(form.Text26->text(), QStringLiteral(" "));
    QCOMPARE(form.Text24->text(), QStringLiteral("???.qel"));
    QCOMPARE(form.Text23->text(), QString());
    QCOMPARE(form.Text25->text(), QStringLiteral("app"));
    QCOMPARE(form.Text2->text(), QString());
    QCOMPARE(form.Text5->text(), QString());
    QCOMPARE(form.Text22->text(), QString());
    QVERIFY(form.Option21->isChecked());
    QVERIFY(form.Option28->isChecked());
    QVERIFY(form.Option26->isChecked());
    QVERIFY(!form.Image2->hasImage());
    QCOMPARE(form.Image1->image().size(), QSize(289, 68));
    QVERIFY(form.Label8->isHidden());
    QCOMPARE(form.Label8->text(), QStringLiteral(" "));
    for (QLineEdit* hidden : {form.Text2, form.Text5, form.Text22, form.Text25})
        QVERIFY(hidden->isHidden());
    QVERIFY(form.Text1->isReadOnly());
    QVERIFY(form.Text26->isReadOnly());
}

void TestForm1::layoutFollowsTheTables_data()
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

void TestForm1::layoutFollowsTheTables()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    SimFolder sim;
    Form1 form;
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
void TestForm1::optionsStayClearOfFramesAndNeighbours()
{
    SimFolder sim;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QGroupBox* frame : {form.Frame1, form.Frame2, form.Frame6}) {
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

void TestForm1::everyControlHasItsName()
{
    SimFolder sim;
    Form1 form;
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

void TestForm1::buttonsLieAboveTheLabelsTheyOverlap()
{
    SimFolder sim;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.childAt(form.Command9->geometry().center()), form.Command9);
    QCOMPARE(form.childAt(form.Command3->geometry().center()), form.Command3);
}

void TestForm1::flightListShowsSavedFlightsOnly()
{
    SimFolder sim;
    sim.write("pilots/Zulu.stn", "x");
    sim.write("pilots/alpha.STN", "x");
    sim.write("pilots/Bravo.stn", "x");
    sim.write("pilots/notes.txt", "x");
    sim.write("pilots/stn", "x");
    sim.mkdir("pilots/folder.stn");
    Form1 form;
    QCOMPARE(form.File5->names(), QStringList({"alpha.STN", "Bravo.stn", "Zulu.stn"}));
    QCOMPARE(form.File5->selectedName(), QString());
}

void TestForm1::choosingAFlightEnablesSave()
{
    SimFolder sim;
    sim.write("pilots/Meigs.stn", "x");
    sim.write("pilots/Oshkosh.stn", "x");
    Form1 form;
    QSignalSpy changes(form.Text1, &QLineEdit::textChanged);
    chooseFlight(form, "Meigs.stn");
    QVERIFY(form.Command1->isEnabled());
    QCOMPARE(changes.count(), 1);
    form.Text1->setText("Meigs.stn"); // the same text again is no change
    QCOMPARE(changes.count(), 1);
    chooseFlight(form, "Oshkosh.stn");
    QCOMPARE(changes.count(), 2);
}

void TestForm1::pilotsFolderInAnyLetterCase()
{
    SimFolder sim(false, true);
    sim.mkdir("PILOTS");
    sim.write("PILOTS/Demo.stn", "x");
    Form1 form;
    QCOMPARE(form.File5->names(), QStringList({"Demo.stn"}));
}

void TestForm1::missingPilotsFolderIsReported()
{
    SimFolder sim(false, true);
    Form1 form;
    QCOMPARE(form.File5->count(), 0);
    ModalAnswerer answers;
    answers.expectFailure(foldertexts::noPilots());
    form.reportStartProblems();
    QVERIFY_ANSWERED(answers);
    QVERIFY(!sim.exists("pilots"));
}

void TestForm1::appletFlagFollowsCheckBox()
{
    SimFolder sim;
    Form1 form;
    form.Check1->click();
    QCOMPARE(form.Text25->text(), QStringLiteral(" "));
    form.Check1->click();
    QCOMPARE(form.Text25->text(), QStringLiteral("app"));
    form.Check1->setChecked(true); // no change, nothing runs
    QCOMPARE(form.Text25->text(), QStringLiteral("app"));
}

void TestForm1::clearRemovesThePicture()
{
    SimFolder sim;
    Form1 form;
    QImage picture(16, 12, QImage::Format_RGB32);
    picture.fill(Qt::red);
    form.Image2->setImage(picture);
    form.Text26->setText("sunset.bmp");
    QVERIFY(form.Command2->isEnabled());
    form.Command2->click();
    QVERIFY(!form.Image2->hasImage());
    QCOMPARE(form.Text26->text(), QStringLiteral(" "));
    QVERIFY(!form.Command2->isEnabled());
}

void TestForm1::clearAfterBlankWasWritten()
{
    SimFolder sim;
    Form1 form;
    form.Text26->setText("a.bmp");
    form.Command2->click();
    form.Text26->setText("b.bmp");
    form.Text26->setText(" ");
    QVERIFY(form.Command2->isEnabled());
    form.Command2->click();
    QCOMPARE(form.Text26->text(), QStringLiteral(" "));
    QVERIFY(!form.Command2->isEnabled());
}

void TestForm1::descriptionLimitBindsTypingOnly()
{
    SimFolder sim;
    Form1 form;
    form.show();
    form.Text23->setFocus();
    QTest::keyClicks(form.Text23, QString(215, QLatin1Char('a')));
    QCOMPARE(form.Text23->text().size(), 210);
    QTest::keyClick(form.Text23, Qt::Key_Return);
    QCOMPARE(form.Text23->text().size(), 210);
    QTest::keyClick(form.Text23, Qt::Key_Backspace);
    QTest::keyClicks(form.Text23, "bc");
    QCOMPARE(form.Text23->text(), QString(209, QLatin1Char('a')) + "b");

    const QString opened(300, QLatin1Char('z'));
    form.Text23->setText(opened);
    QCOMPARE(form.Text23->text(), opened);
    form.Text23->end(false);
    QTest::keyClicks(form.Text23, "y");
    QCOMPARE(form.Text23->text(), opened);
    QTest::keyClick(form.Text23, Qt::Key_Backspace);
    QCOMPARE(form.Text23->text().size(), 299);
}

void TestForm1::pastedDescriptionDropsWhatTheFileCannotHold()
{
    SimFolder sim;
    Form1 form;
    form.show();
    form.Text23->setText("Dusk ");
    form.Text23->end(false);
    QApplication::clipboard()->setText(QStringLiteral("over\tthe 雲 Alps €"));
    form.Text23->paste();
    QCOMPARE(form.Text23->text(), QStringLiteral("Dusk overthe  Alps €"));
}

void TestForm1::saveNewFile()
{
    SimFolder sim;
    sim.write("pilots/Meigs.stn", "x");
    Form1 form;
    chooseFlight(form, "Meigs.stn");
    form.Text24->setText("demo.qel");
    ModalAnswerer answers;
    answers.expectSaved(false);
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/demo.qel"), flightOnlyFile("demo.qel", "Meigs.stn", "app"));
    QCOMPARE(sim.entries("qel"), QStringList({"demo.qel"}));
    // Nothing in the window changes after a save.
    QCOMPARE(form.Text24->text(), QStringLiteral("demo.qel"));
    QVERIFY(form.Command1->isEnabled());
}

void TestForm1::saveExistingAnsweredNoKeepsOldBytes()
{
    SimFolder sim;
    sim.write("pilots/Meigs.stn", "x");
    const QByteArray old = "earlier scenario, not to be lost\r\n";
    sim.write("qel/demo.qel", old);
    Form1 form;
    chooseFlight(form, "Meigs.stn");
    form.Text24->setText("demo.qel");
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::No);
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/demo.qel"), old);
    QCOMPARE(sim.entries("qel"), QStringList({"demo.qel"}));
}

void TestForm1::saveExistingAnsweredYesReplacesCompletely()
{
    SimFolder sim;
    sim.write("pilots/A.stn", "x");
    sim.write("qel/demo.qel", QByteArray(5000, 'o'));
    Form1 form;
    chooseFlight(form, "A.stn");
    form.Check1->click();
    form.Text24->setText("demo.qel");
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectSaved(true);
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/demo.qel"), flightOnlyFile("demo.qel", "A.stn", " "));
    QCOMPARE(sim.entries("qel"), QStringList({"demo.qel"}));
}

void TestForm1::saveOverNameDifferingInCase()
{
    SimFolder sim;
    sim.write("pilots/A.stn", "x");
    sim.write("qel/DEMO.QEL", "old");
    Form1 form;
    chooseFlight(form, "A.stn");
    form.Text24->setText("demo.qel");
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectSaved(true);
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries("qel"), QStringList({"DEMO.QEL"}));
    QCOMPARE(sim.read("qel/DEMO.QEL"), flightOnlyFile("demo.qel", "A.stn", "app"));
}

void TestForm1::saveRefusesBadNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("start value") << "???.qel";
    QTest::newRow("empty") << "";
    QTest::newRow("parent folder") << "../x.qel";
    QTest::newRow("backslash") << "sub\\x.qel";
    QTest::newRow("device") << "con.qel";
    QTest::newRow("trailing dot") << "x.";
    QTest::newRow("dot dot") << "..";
}

void TestForm1::saveRefusesBadNames()
{
    QFETCH(QString, name);
    SimFolder sim;
    sim.write("pilots/A.stn", "x");
    sim.write("qel/keep.qel", "keep");
    Form1 form;
    chooseFlight(form, "A.stn");
    form.Text24->setText(name);
    ModalAnswerer answers;
    answers.expectFailure("cannot be saved as");
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries("qel"), QStringList({"keep.qel"}));
    QCOMPARE(sim.entries(), QStringList({"pilots", "qel"}));
    QCOMPARE(sim.read("qel/keep.qel"), QByteArray("keep"));
}

void TestForm1::saveWithoutQelFolder()
{
    SimFolder sim(true, false);
    sim.write("pilots/A.stn", "x");
    Form1 form;
    chooseFlight(form, "A.stn");
    form.Text24->setText("demo.qel");
    ModalAnswerer answers;
    answers.expectFailure(foldertexts::noQelToSaveScenario());
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries(), QStringList({"pilots"}));
}

void TestForm1::saveRefusesFieldsTheFileCannotHold_data()
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

void TestForm1::saveRefusesFieldsTheFileCannotHold()
{
    QFETCH(QString, flight);
    QFETCH(QString, description);
    QFETCH(QString, message);
    SimFolder sim;
    sim.write("pilots/" + flight, "x");
    Form1 form;
    chooseFlight(form, flight);
    form.Text23->setText(description);
    form.Text24->setText("demo.qel");
    ModalAnswerer answers;
    answers.expectFailure(message);
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QVERIFY(sim.entries("qel").isEmpty());
}

void TestForm1::saveFailureKeepsOldFile()
{
    SimFolder sim;
    sim.write("pilots/A.stn", "x");
    sim.write("qel/locked.qel", "locked");
    QFile::setPermissions(sim.filePath("qel/locked.qel"), QFileDevice::ReadOwner);
    sim.mkdir("qel/taken.qel");
    Form1 form;
    chooseFlight(form, "A.stn");

    form.Text24->setText("locked.qel");
    ModalAnswerer answers;
    answers.expectOverwriteQuestion(QMessageBox::Yes);
    answers.expectFailure("read-only");
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.read("qel/locked.qel"), QByteArray("locked"));

    form.Text24->setText("taken.qel");
    answers.expectFailure("folder");
    form.Command1->click();
    QVERIFY_ANSWERED(answers);
    QCOMPARE(sim.entries("qel"), QStringList({"locked.qel", "taken.qel"}));
    QVERIFY(QFileInfo(sim.filePath("qel/taken.qel")).isDir());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
