// The open dialog: a scenario saved by the editor comes back byte for byte, the style dialogs
// that the read shows behave as when the user chooses, and a bad file changes nothing.
#include "codetable.h"
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "filelist.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "modalanswerer.h"
#include "opendialog.h"
#include "openscenario.h"
#include "openscenariodialog.h"
#include "scenariotemplate.h"
#include "simfolder.h"
#include "styledialog.h"
#include "styledialogs.h"

#include "foldertexts.h"
#include "optionlookup.h"
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QtTest>

using namespace qel::editor;

namespace {

// Bytes 0x80 to 0xFF and the characters windows-1252 gives them (the five unassigned bytes stand
// for the C1 controls of the same value).
QByteArray highBytes()
{
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += char(b);
    return bytes;
}

QString highCharacters()
{
    const char16_t c1[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    for (char16_t c : c1)
        text += QChar(c);
    for (int c = 0xA0; c <= 0xFF; ++c)
        text += QChar(c);
    return text;
}

// Everything of the main window that the open dialog could touch, in one comparable text.
QString mainState(EditorWindow& f)
{
    const EditorControls ui(f);
    QStringList parts;
    for (QLineEdit* box : {ui.Text1, ui.Text2, ui.Text5, ui.Text22,
                           static_cast<QLineEdit*>(ui.Text23), ui.Text24, ui.Text25, ui.Text26})
        parts << QStringLiteral("%1=[%2]").arg(box->objectName(), box->text());
    parts << QStringLiteral("style=%1 ground=%2 set=%3")
                 .arg(checkedIn(ui.Frame1), checkedIn(ui.Frame2), checkedIn(ui.Frame6));
    parts << QStringLiteral("applet box=%1").arg(int(ui.Check1->checkState()));
    parts << QStringLiteral("picture=%1x%2")
                 .arg(ui.Image2->image().width())
                 .arg(ui.Image2->image().height());
    parts << QStringLiteral("save=%1 clr=%2")
                 .arg(ui.Command1->isEnabled())
                 .arg(ui.Command2->isEnabled());
    return parts.join(QLatin1Char('\n'));
}

void chooseStyle(EditorWindow& f, ModalAnswerer& a, const QString& code)
{
    const codetable::CloudStyle& way = codetable::cloudStyle(code);
    if (*way.dialog)
        answerStyleDialog(a, QLatin1String(way.dialog),
                          *way.variant ? QStringList{QLatin1String(way.variant)} : QStringList());
    option(&f, QLatin1String(way.option))->click();
}

void writeBitmap(const SimFolder& sim, const QString& relative, QSize size = QSize(8, 6))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QVERIFY(image.save(sim.filePath(relative), "BMP"));
}

// Queues a failure message box; its text lands in `text`.
void expectFailureText(ModalAnswerer& a, QString* text)
{
    a.expectWindow(QStringLiteral("failureMessage"), [text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        *text = ModalAnswerer::readText(box);
        box->button(QMessageBox::Ok)->click();
    });
}

} // namespace

class TestOpenDialog : public EditorFixture {
    Q_OBJECT
private slots:
    void layoutAndList();
    void roundTrip_data();
    void roundTrip();
    void storedVariant_data();
    void storedVariant();
    void openedOverAnyHeldVariant_data();
    void openedOverAnyHeldVariant();
    void userPickDuringTheRead_data();
    void userPickDuringTheRead();
    void codesNotInTheTablesSelectNothing_data();
    void codesNotInTheTablesSelectNothing();
    void emptyCodesSelectNoChanges();
    void blankPictureLineEmptiesThePicture();
    void fileNameLineDiffersFromTheFileName();
    void sameFlightDoesNotEnableSave();
    void flightListShowsTheOpenedFlight_data();
    void flightListShowsTheOpenedFlight();
    void longLinesAreTakenWhole();
    void selectAndDoubleClickAgree();
    void selectWithNothingSelected();
    void leavingChangesNothing_data();
    void leavingChangesNothing();
    void onlyOneOpenDialog();
    void missingQelFolder();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void sizeLimitIsInclusive();
    void pictureThatCannotBeShown_data();
    void pictureThatCannotBeShown();
};

void TestOpenDialog::layoutAndList()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/b.qel"), scenarioFile({}));
    sim.write(QStringLiteral("qel/A.QEL"), scenarioFile({}));
    sim.write(QStringLiteral("qel/notes.txt"), "x");
    sim.write(QStringLiteral("qel/c.qel.bak"), "x");
    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    a.expectWindow(QStringLiteral("Form5"), [](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Open QEL file..."));
        QCOMPARE(w->size(), QSize(188, 123));
        auto* list = w->findChild<qel::FileList*>(QStringLiteral("File1"));
        QVERIFY(list);
        QCOMPARE(list->names(), (QStringList{"A.QEL", "b.qel"}));
        QCOMPARE(list->selectedName(), QString());
        QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("command1"))->text(),
                 QStringLiteral("Select"));
        QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("Exit"));
        w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    ::ui(form).Command11->click();
    QVERIFY_ANSWERED(a);
    QVERIFY(!form.findChild<OpenScenarioDialog*>());
}

void TestOpenDialog::roundTrip_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QByteArray>("ground");
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<bool>("applet");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("description"); // 0 empty, 1 short, 2 210 characters, 3 windows-1252

    const auto& grounds = codetable::groundTextures;
    const auto& sets = codetable::cloudSets;
    int i = 0;
    for (const codetable::CloudStyle& way : codetable::cloudStyles) {
        QTest::addRow("style [%s]", way.code)
            << QString::fromLatin1(way.code) << QByteArray(grounds[i % 5].code)
            << QByteArray(sets[i % 3].code) << (i % 2 == 0) << (i % 4 == 1) << i % 4;
        ++i;
    }
    QTest::newRow("all at once") << "OG" << QByteArray("FWIN") << QByteArray("SET2") << false
                                 << true << 3;
}

void TestOpenDialog::roundTrip()
{
    QFETCH(QString, style);
    QFETCH(QByteArray, ground);
    QFETCH(QByteArray, set);
    QFETCH(bool, applet);
    QFETCH(bool, picture);
    QFETCH(int, description);

    SimFolder& sim = folder();
    sim.write(QStringLiteral("pilots/Meigs Evening.stn"), "flight");
    if (picture)
        writeBitmap(sim, QStringLiteral("qel/scene.bmp"));

    const QByteArray longText =
        QByteArray("Cumulus building over the lake shore, light winds from the west. ")
            .repeated(4)
            .left(210);
    const QByteArray descriptions[] = {"", "Gray evening over Meigs", longText,
                                       "Caf" + highBytes() + " end"};
    const QString descriptionTexts[] = {
        QString(), QStringLiteral("Gray evening over Meigs"), QString::fromLatin1(longText),
        QStringLiteral("Caf") + highCharacters() + QStringLiteral(" end")};
    ScenarioLines expected;
    expected.description = descriptions[description];
    expected.fileName = "round trip.qel";
    expected.applet = applet ? "app" : " ";
    expected.picture = picture ? "scene.bmp" : " ";
    expected.flight = "Meigs Evening.stn";
    expected.style = style.toLatin1();
    expected.ground = ground;
    expected.set = set;
    const QString path = QStringLiteral("qel/round trip.qel");

    ModalAnswerer& a = answerer();
    {
        EditorWindow first;
        ::ui(first).File5->selectName(QStringLiteral("Meigs Evening.stn"));
        ::ui(first).Text24->setText(QStringLiteral("round trip.qel"));
        ::ui(first).Text23->setText(descriptionTexts[description]);
        if (picture)
            ::ui(first).Text26->setText(QStringLiteral("scene.bmp"));
        if (!applet)
            ::ui(first).Check1->click();
        chooseStyle(first, a, style);
        option(&first, QLatin1String(codetable::groundTexture(QLatin1String(ground)).option))
            ->click();
        option(&first, QLatin1String(codetable::cloudSet(QLatin1String(set)).option))->click();
        a.expectSaved(false);
        ::ui(first).Command1->click();
        QVERIFY_ANSWERED(a);
    }
    const QByteArray saved = sim.read(path);
    QCOMPARE(saved, scenarioFile(expected));

    EditorWindow second;
    const char* dialog = codetable::cloudStyle(style).dialog;
    expectOpen(a, QStringLiteral("round trip.qel"));
    if (*dialog)
        answerStyleDialog(a, QLatin1String(dialog));
    ::ui(second).Command11->click();
    QVERIFY_ANSWERED(a);
    QVERIFY(!second.findChild<OpenScenarioDialog*>());
    QCOMPARE(::ui(second).Text2->text(), style);
    QCOMPARE(::ui(second).Text23->text(), descriptionTexts[description]);
    QCOMPARE(::ui(second).Image2->hasImage(), picture);
    QCOMPARE(::ui(second).Command2->isEnabled(), picture);
    QVERIFY(::ui(second).Command1->isEnabled());
    QCOMPARE(::ui(second).Check1->isChecked(), applet);

    a.expectOverwriteQuestion(QMessageBox::Yes);
    a.expectSaved(true);
    ::ui(second).Command1->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(sim.read(path), saved);
}

void TestOpenDialog::storedVariant_data()
{
    QTest::addColumn<QString>("before");      // the style option selected before the read
    QTest::addColumn<QByteArray>("stored");   // the file's cloud style code
    QTest::addColumn<QString>("dialog");      // the dialog of the stored style
    QTest::addColumn<QString>("shown");       // its choice the read shows; none if not shown
    QTest::addColumn<QString>("variant");     // its choice kept hidden afterwards; none if gone
    QTest::addColumn<QString>("code");        // the cloud style code afterwards
    QTest::addColumn<QString>("styleOption"); // the style option selected afterwards
    QTest::newRow("Gray while another style is selected")
        << "Option1" << QByteArray("OG") << "Form6"
        << "Option2"
        << "Option2"
        << "OG"
        << "Option4";
    QTest::newRow("Gray while Overcast is selected: no dialog shown")
        << "Option4" << QByteArray("OG") << "Form6"
        << ""
        << "Option2"
        << "OG"
        << "Option4";
    QTest::newRow("Broken Bands shows the Front dialog with it")
        << "Option6" << QByteArray("BB") << "Form7"
        << "Option2"
        << "Option2"
        << "BB"
        << "Option5";
    // "Unbroken Band", as a user's choice shows it; no variant was set, so no dialog lingers.
    QTest::newRow("older front code") << "" << QByteArray("F") << "Form7"
                                      << "Option1"
                                      << ""
                                      << "UB"
                                      << "Option5";
}

// The dialog shows the stored variant, and the code field agrees with it; the dialog then holds
// the variant, hidden, and shows it the next time.
void TestOpenDialog::storedVariant()
{
    QFETCH(QString, before);
    QFETCH(QByteArray, stored);
    QFETCH(QString, dialog);
    QFETCH(QString, shown);
    QFETCH(QString, variant);
    QFETCH(QString, code);
    QFETCH(QString, styleOption);
    ScenarioLines lines;
    lines.fileName = "stored.qel";
    lines.style = stored;
    folder().write(QStringLiteral("qel/stored.qel"), scenarioFile(lines));
    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    if (!before.isEmpty()) {
        if (before == styleOption)
            answerStyleDialog(a, dialog);
        option(&form, before)->click();
    }
    QString shownChoice, codeWhenShown;
    expectOpen(a, QStringLiteral("stored.qel"));
    if (!shown.isEmpty())
        answerStyleDialog(a, dialog, {}, &shownChoice, &codeWhenShown, &form);
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(shownChoice, shown);
    if (!shown.isEmpty() && !variant.isEmpty())
        QCOMPARE(codeWhenShown, code);
    QCOMPARE(ui().Text2->text(), code);
    QVERIFY(option(&form, styleOption)->isChecked());
    QDialog* kept = keptStyleDialog(form, qPrintable(dialog));
    if (variant.isEmpty()) {
        QVERIFY(!kept);
        return;
    }
    QVERIFY(kept && !kept->isVisible());
    QVERIFY(option(kept, variant)->isChecked());
    answerStyleDialog(a, dialog, {}, &shownChoice);
    QTest::mouseDClick(option(&form, styleOption), Qt::LeftButton);
    QVERIFY_ANSWERED(a);
    QCOMPARE(shownChoice, variant);
    QCOMPARE(ui().Text2->text(), code);
    QVERIFY(!keptStyleDialog(form, qPrintable(dialog)));
}

void TestOpenDialog::openedOverAnyHeldVariant_data()
{
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("stored");
    for (const codetable::CloudStyle& held : codetable::cloudStyles) {
        for (const codetable::CloudStyle& stored : codetable::cloudStyles) {
            if (*held.dialog)
                QTest::addRow("[%s] over [%s]", stored.code, held.code)
                    << QString::fromLatin1(held.code) << QString::fromLatin1(stored.code);
        }
    }
}

// Whatever variant was held before, the opened file's code stands and saves back unchanged.
void TestOpenDialog::openedOverAnyHeldVariant()
{
    QFETCH(QString, held);
    QFETCH(QString, stored);
    ScenarioLines lines;
    lines.fileName = "held.qel";
    lines.flight = "Meigs.stn";
    lines.style = stored.toLatin1();
    folder().write(QStringLiteral("qel/held.qel"), scenarioFile(lines));
    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    chooseStyle(form, a, held);
    const codetable::CloudStyle& way = codetable::cloudStyle(stored);
    expectOpen(a, QStringLiteral("held.qel"));
    if (*way.dialog && qstrcmp(way.option, codetable::cloudStyle(held).option) != 0)
        answerStyleDialog(a, QLatin1String(way.dialog));
    ui().Command11->click();
    a.expectOverwriteQuestion(QMessageBox::Yes);
    a.expectSaved(true);
    ui().Command1->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(folder().read(QStringLiteral("qel/held.qel")), scenarioFile(lines));
}

void TestOpenDialog::userPickDuringTheRead_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QString>("result");
    QTest::newRow("Bright stored, Gray picked") << QByteArray("O") << "Form6"
                                                << "Option2"
                                                << "OG";
    QTest::newRow("Gray stored, Bright picked") << QByteArray("OG") << "Form6"
                                                << "Option1"
                                                << "O";
    QTest::newRow("Gray stored, Wind Swept picked") << QByteArray("OG") << "Form6"
                                                    << "Option3"
                                                    << "WS";
    QTest::newRow("Unbroken stored, Turbulent picked") << QByteArray("UB") << "Form7"
                                                       << "Option3"
                                                       << "TB";
    QTest::newRow("Broken stored, Turbulent picked") << QByteArray("BB") << "Form7"
                                                     << "Option3"
                                                     << "TB";
    QTest::newRow("Dense stored, Jet Trails picked") << QByteArray("CD") << "Form3"
                                                     << "Option4"
                                                     << "CT";
    QTest::newRow("Light stored, Jet Trails picked") << QByteArray("CL") << "Form3"
                                                     << "Option4"
                                                     << "CT";
    QTest::newRow("older front code, Broken picked") << QByteArray("F") << "Form7"
                                                     << "Option2"
                                                     << "BB";
}

// The user's pick in a style dialog shown during the read stands, and a hidden dialog keeps it
// for its next showing; the older front code stores no variant, so no dialog lingers.
void TestOpenDialog::userPickDuringTheRead()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, dialog);
    QFETCH(QString, pick);
    QFETCH(QString, result);
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "pick.qel";
    lines.style = stored;
    sim.write(QStringLiteral("qel/pick.qel"), scenarioFile(lines));
    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("pick.qel"));
    answerStyleDialog(a, dialog, {pick});
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(ui().Text2->text(), result);
    QWidget* kept = form.findChild<QDialog*>(dialog);
    if (stored == "F") {
        QVERIFY(!kept);
        return;
    }
    QVERIFY(kept && !kept->isVisible());
    QVERIFY(option(kept, pick)->isChecked());
}

void TestOpenDialog::codesNotInTheTablesSelectNothing_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QByteArray>("ground");
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QByteArray>("applet");
    QTest::addColumn<bool>("appletBefore");
    QTest::newRow("lower case") << QByteArray("og") << QByteArray("fsum") << QByteArray("set1")
                                << QByteArray("APP") << false;
    QTest::newRow("blanks around")
        << QByteArray(" L") << QByteArray("FWIN ") << QByteArray(" ") << QByteArray("  ") << false;
    QTest::newRow("unknown") << QByteArray("X") << QByteArray("FSUMMER") << QByteArray("SET3")
                             << QByteArray("on") << false;
    QTest::newRow("empty applet line")
        << QByteArray("f") << QByteArray("F") << QByteArray("S") << QByteArray("") << false;
    QTest::newRow("empty applet line, box checked")
        << QByteArray("f") << QByteArray("F") << QByteArray("S") << QByteArray("") << true;
    QTest::newRow("blank applet line, box checked")
        << QByteArray("f") << QByteArray("F") << QByteArray("S") << QByteArray("  ") << true;
}

void TestOpenDialog::codesNotInTheTablesSelectNothing()
{
    QFETCH(QByteArray, style);
    QFETCH(QByteArray, ground);
    QFETCH(QByteArray, set);
    QFETCH(QByteArray, applet);
    QFETCH(bool, appletBefore);
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "odd.qel";
    lines.style = style;
    lines.ground = ground;
    lines.set = set;
    lines.applet = applet;
    sim.write(QStringLiteral("qel/odd.qel"), scenarioFile(lines));
    window();
    ModalAnswerer& a = answerer();
    answerStyleDialog(a, QStringLiteral("Form7"), {QStringLiteral("Option2")});
    ui().Option5->click();
    ui().Option9->click();
    ui().Option24->click();
    if (!appletBefore)
        ui().Check1->click();
    expectOpen(a, QStringLiteral("odd.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(checkedIn(ui().Frame1), QStringLiteral("Option5"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("BB"));
    QCOMPARE(checkedIn(ui().Frame2), QStringLiteral("Option9"));
    QCOMPARE(ui().Text5->text(), QStringLiteral("FSUMD"));
    QCOMPARE(checkedIn(ui().Frame6), QStringLiteral("Option24"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("SET1"));
    QCOMPARE(ui().Check1->isChecked(), appletBefore);
    QCOMPARE(ui().Text25->text(), appletBefore ? QStringLiteral("app") : QStringLiteral(" "));
    // The text lines were still taken.
    QCOMPARE(ui().Text24->text(), QStringLiteral("odd.qel"));
}

void TestOpenDialog::emptyCodesSelectNoChanges()
{
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "plain.qel";
    lines.applet = " ";
    sim.write(QStringLiteral("qel/plain.qel"), scenarioFile(lines));
    window();
    ModalAnswerer& a = answerer();
    answerStyleDialog(a, QStringLiteral("Form3"));
    ui().Option7->click();
    ui().Option11->click();
    ui().Option25->click();
    expectOpen(a, QStringLiteral("plain.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(checkedIn(ui().Frame1), QStringLiteral("Option21"));
    QCOMPARE(checkedIn(ui().Frame2), QStringLiteral("Option28"));
    QCOMPARE(checkedIn(ui().Frame6), QStringLiteral("Option26"));
    QCOMPARE(ui().Text2->text(), QString());
    QCOMPARE(ui().Text5->text(), QString());
    QCOMPARE(ui().Text22->text(), QString());
    QCOMPARE(ui().Text25->text(), QStringLiteral(" "));
}

void TestOpenDialog::blankPictureLineEmptiesThePicture()
{
    SimFolder& sim = folder();
    writeBitmap(sim, QStringLiteral("qel/scene.bmp"));
    ScenarioLines with;
    with.fileName = "with.qel";
    with.picture = "scene.bmp";
    sim.write(QStringLiteral("qel/with.qel"), scenarioFile(with));
    ScenarioLines without;
    without.fileName = "without.qel";
    sim.write(QStringLiteral("qel/without.qel"), scenarioFile(without));

    window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("with.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QVERIFY(ui().Image2->hasImage());
    QCOMPARE(ui().Text26->text(), QStringLiteral("scene.bmp"));
    ui().Command2->setEnabled(false);

    expectOpen(a, QStringLiteral("without.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QVERIFY(!ui().Image2->hasImage());
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
    QVERIFY(ui().Command2->isEnabled());
}

void TestOpenDialog::fileNameLineDiffersFromTheFileName()
{
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "original.qel";
    lines.flight = "Cessna.stn";
    sim.write(QStringLiteral("qel/renamed.qel"), scenarioFile(lines));
    window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("renamed.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(ui().Text24->text(), QStringLiteral("original.qel"));
    a.expectSaved(false);
    ui().Command1->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(sim.read(QStringLiteral("qel/original.qel")), scenarioFile(lines));
    QCOMPARE(sim.read(QStringLiteral("qel/renamed.qel")), scenarioFile(lines));
}

void TestOpenDialog::sameFlightDoesNotEnableSave()
{
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "noflight.qel";
    sim.write(QStringLiteral("qel/noflight.qel"), scenarioFile(lines));
    window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("noflight.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(ui().Text1->text(), QStringLiteral(" "));
    QVERIFY(!ui().Command1->isEnabled());
}

void TestOpenDialog::flightListShowsTheOpenedFlight_data()
{
    QTest::addColumn<QByteArray>("flight");
    QTest::addColumn<QString>("entry");
    QTest::newRow("same spelling") << QByteArray("Meigs.stn") << "Meigs.stn";
    QTest::newRow("other letter case") << QByteArray("MEIGS.STN") << "Meigs.stn";
    QTest::newRow("not in the list") << QByteArray("Gone.stn") << QString();
    QTest::newRow("no flight") << QByteArray(" ") << QString();
}

void TestOpenDialog::flightListShowsTheOpenedFlight()
{
    QFETCH(QByteArray, flight);
    QFETCH(QString, entry);
    SimFolder& sim = folder();
    sim.write(QStringLiteral("pilots/Alps.stn"), "x");
    sim.write(QStringLiteral("pilots/Meigs.stn"), "x");
    ScenarioLines lines;
    lines.fileName = "meigs.qel";
    lines.flight = flight;
    sim.write(QStringLiteral("qel/meigs.qel"), scenarioFile(lines));
    window();
    ui().File5->selectName(QStringLiteral("Alps.stn"));
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("meigs.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(ui().File5->selectedName(), entry);
    QCOMPARE(ui().Text1->text(), QString::fromLatin1(flight)); // as the file spells it
    if (entry.isEmpty())
        return;
    // A click on the highlighted entry takes the list's spelling.
    QListView* list = ui().File5;
    list->doItemsLayout();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->currentIndex()).center());
    QCOMPARE(ui().Text1->text(), entry);
}

// A file written elsewhere may hold more than the boxes let the user type.
void TestOpenDialog::longLinesAreTakenWhole()
{
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.description = QByteArray(5000, 'd');
    lines.fileName = QByteArray(300, 'n') + ".qel";
    lines.flight = QByteArray(2000, 'f') + ".stn";
    sim.write(QStringLiteral("qel/long.qel"), scenarioFile(lines));
    window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("long.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(ui().Text23->text().size(), 5000);
    QCOMPARE(ui().Text24->text().size(), 304);
    QCOMPARE(ui().Text1->text().size(), 2004);
}

void TestOpenDialog::selectAndDoubleClickAgree()
{
    SimFolder& sim = folder();
    writeBitmap(sim, QStringLiteral("qel/scene.bmp"));
    ScenarioLines lines;
    lines.description = "Both ways";
    lines.fileName = "both.qel";
    lines.picture = "scene.bmp";
    lines.flight = "Cessna.stn";
    lines.style = "CC";
    lines.ground = "FWIN";
    lines.set = "SET2";
    lines.applet = " ";
    sim.write(QStringLiteral("qel/both.qel"), scenarioFile(lines));
    QString states[2];
    for (int way = 0; way < 2; ++way) {
        EditorWindow form;
        form.show();
        ModalAnswerer a;
        expectOpen(a, QStringLiteral("both.qel"), nullptr, {}, way == 1);
        answerStyleDialog(a, QStringLiteral("Form3"));
        ::ui(form).Command11->click();
        QVERIFY_ANSWERED(a);
        QVERIFY(!form.findChild<OpenScenarioDialog*>());
        states[way] = mainState(form);
    }
    QCOMPARE(states[1], states[0]);
    QVERIFY(states[0].contains(QStringLiteral("Text2=[CC]")));
}

void TestOpenDialog::selectWithNothingSelected()
{
    for (bool withFiles : {false, true}) {
        SimFolder sim;
        if (withFiles)
            sim.write(QStringLiteral("qel/a.qel"), scenarioFile({}));
        EditorWindow form;
        const QString before = mainState(form);
        ModalAnswerer a;
        OpenResult result;
        expectOpen(a, QString(), &result);
        ::ui(form).Command11->click();
        QVERIFY_ANSWERED(a);
        QVERIFY(result.stillOpen);
        QCOMPARE(mainState(form), before);
    }
}

void TestOpenDialog::leavingChangesNothing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Exit") << 0;
    QTest::newRow("window closed") << 1;
    QTest::newRow("Escape") << 2;
}

void TestOpenDialog::leavingChangesNothing()
{
    QFETCH(int, how);
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "x.qel";
    lines.flight = "x.stn";
    sim.write(QStringLiteral("qel/x.qel"), scenarioFile(lines));
    EditorWindow& form = window();
    const QString before = mainState(form);
    ModalAnswerer& a = answerer();
    a.expectWindow(QStringLiteral("Form5"), [how](QWidget* w) {
        w->findChild<qel::FileList*>(QStringLiteral("File1"))->selectName(QStringLiteral("x.qel"));
        if (how == 0)
            w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        else if (how == 1)
            w->close();
        else
            QTest::keyClick(w, Qt::Key_Escape);
    });
    ::ui(form).Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(mainState(form), before);
    QVERIFY(!form.findChild<OpenScenarioDialog*>());
    QVERIFY(!form.findChild<OpenScenarioDialog*>());
}

void TestOpenDialog::onlyOneOpenDialog()
{
    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    int dialogs = -1;
    a.expectWindow(QStringLiteral("Form5"), [&form, this, &dialogs](QWidget* w) {
        ui().Command11->click(); // a second request while it is shown
        dialogs = int(form.findChildren<OpenScenarioDialog*>().size());
        w->close();
    });
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QCOMPARE(dialogs, 1);
    // A new showing starts afresh.
    a.expectWindow(QStringLiteral("Form5"), [](QWidget* w) {
        QCOMPARE(w->findChild<qel::FileList*>(QStringLiteral("File1"))->selectedName(), QString());
        w->close();
    });
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
}

void TestOpenDialog::missingQelFolder()
{
    SimFolder sim(true, false);
    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    a.expectFailure(foldertexts::noQelToOpen());
    ::ui(form).Command11->click();
    QVERIFY_ANSWERED(a);
}

void TestOpenDialog::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("setup"); // 0 as written, 1 removed after listing, 2 unreadable,
                                    // 3 a link to nowhere
    QTest::addColumn<QString>("reason");
    ScenarioLines good;
    good.fileName = "bad.qel";
    good.flight = "Cessna.stn";
    good.style = "OG";
    const QByteArray whole = scenarioFile(good);
    QByteArray twelve;
    for (int i = 0; i < 12; ++i)
        twelve += "line\r\n";
    QTest::newRow("empty") << QByteArray() << 0 << "only 0 lines";
    QTest::newRow("twelve lines") << twelve << 0 << "only 12 lines";
    QTest::newRow("larger than 64 KiB")
        << whole + QByteArray(64 * 1024 + 1 - whole.size(), 'x') << 0 << "larger than 64 KiB";
    ScenarioLines wide = good;
    wide.flight = QByteArray(40000, 'f');
    QTest::newRow("line too long for its box") << scenarioFile(wide) << 0 << "line 7";
    QTest::newRow("vanished") << whole << 1 << "does not exist";
    QTest::newRow("unreadable") << whole << 2 << "cannot be read";
    QTest::newRow("link to nowhere") << QByteArray() << 3 << "does not exist";
}

void TestOpenDialog::unreadableFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, setup);
    QFETCH(QString, reason);
    SimFolder& sim = folder();
    writeBitmap(sim, QStringLiteral("qel/scene.bmp"));
    ScenarioLines before;
    before.fileName = "before.qel";
    before.picture = "scene.bmp";
    before.flight = "Before.stn";
    before.style = "CT";
    before.ground = "FSUM";
    before.set = "SET1";
    before.applet = " ";
    sim.write(QStringLiteral("qel/before.qel"), scenarioFile(before));
    const QString file = sim.filePath(QStringLiteral("qel/bad.qel"));
    if (setup == 3) {
#ifdef Q_OS_WIN
        QSKIP("QFile::link makes a shortcut file on Windows, not a symbolic link.");
#endif
        QVERIFY(QFile::link(sim.filePath(QStringLiteral("qel/nowhere")), file));
    } else
        sim.write(QStringLiteral("qel/bad.qel"), bytes);
    if (setup == 2) {
        QFile::setPermissions(file, QFileDevice::Permissions());
        QFile probe(file);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files whatever their permissions");
    }

    EditorWindow& form = window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("before.qel"));
    answerStyleDialog(a, QStringLiteral("Form3"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    const QString state = mainState(form);
    QVERIFY(keptStyleDialog(form, "Form3"));

    OpenResult result;
    expectOpen(a, QStringLiteral("bad.qel"), &result, [setup, file](QWidget*) {
        if (setup == 1)
            QFile::remove(file);
    });
    QString message;
    expectFailureText(a, &message);
    ui().Command11->click();
    QVERIFY(result.listed);
    QVERIFY_ANSWERED(a);
    QVERIFY2(message.contains(QStringLiteral("bad.qel")), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY(result.stillOpen);
    QCOMPARE(mainState(form), state);
    QVERIFY(keptStyleDialog(form, "Form3") &&
            option(keptStyleDialog(form, "Form3"), "Option4")->isChecked());
}

void TestOpenDialog::sizeLimitIsInclusive()
{
    SimFolder& sim = folder();
    ScenarioLines lines;
    lines.fileName = "big.qel";
    lines.flight = "Big.stn";
    QByteArray bytes = scenarioFile(lines);
    bytes += QByteArray(64 * 1024 - bytes.size(), 'x');
    sim.write(QStringLiteral("qel/big.qel"), bytes);
    QCOMPARE(qel::scenario::readFile(sim.filePath(QStringLiteral("qel/big.qel"))).error, QString());
    sim.write(QStringLiteral("qel/big.qel"), bytes + "x");
    QVERIFY(qel::scenario::readFile(sim.filePath(QStringLiteral("qel/big.qel")))
                .error.contains(QStringLiteral("64 KiB")));
}

void TestOpenDialog::pictureThatCannotBeShown_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::newRow("missing") << QByteArray("missing.bmp");
    QTest::newRow("not a picture") << QByteArray("broken.bmp");
    QTest::newRow("empty line") << QByteArray("");
    QTest::newRow("folder part") << QByteArray("sub/scene.bmp");
    QTest::newRow("backslash folder part") << QByteArray("sub\\scene.bmp");
    QTest::newRow("outside the qel folder") << QByteArray("../outside.bmp");
    QTest::newRow("parent folder") << QByteArray("..");
    QTest::newRow("the folder itself") << QByteArray(".");
}

void TestOpenDialog::pictureThatCannotBeShown()
{
    QFETCH(QByteArray, picture);
    SimFolder& sim = folder();
    writeBitmap(sim, QStringLiteral("qel/scene.bmp"));
    writeBitmap(sim, QStringLiteral("outside.bmp"));
    sim.mkdir(QStringLiteral("qel/sub"));
    writeBitmap(sim, QStringLiteral("qel/sub/scene.bmp"));
    sim.write(QStringLiteral("qel/broken.bmp"), "BM this is no bitmap");
    ScenarioLines shown;
    shown.fileName = "shown.qel";
    shown.picture = "scene.bmp";
    sim.write(QStringLiteral("qel/shown.qel"), scenarioFile(shown));
    ScenarioLines lines;
    lines.description = "Rest of it";
    lines.fileName = "nopic.qel";
    lines.picture = picture;
    lines.flight = "Cessna.stn";
    lines.style = "S";
    lines.ground = "FDEF";
    lines.set = "SET2";
    lines.applet = " ";
    sim.write(QStringLiteral("qel/nopic.qel"), scenarioFile(lines));

    window();
    ModalAnswerer& a = answerer();
    expectOpen(a, QStringLiteral("shown.qel"));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QVERIFY(ui().Image2->hasImage());

    OpenResult result;
    expectOpen(a, QStringLiteral("nopic.qel"), &result);
    a.expectFailure(QStringLiteral("picture \"%1\"").arg(QString::fromLatin1(picture)));
    ui().Command11->click();
    QVERIFY_ANSWERED(a);
    QVERIFY(!result.stillOpen);
    QVERIFY(!ui().Image2->hasImage());
    QCOMPARE(ui().Text26->text(), QString::fromLatin1(picture));
    QCOMPARE(ui().Text1->text(), QStringLiteral("Cessna.stn"));
    QCOMPARE(ui().Text23->text(), QStringLiteral("Rest of it"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("S"));
    QCOMPARE(ui().Text5->text(), QStringLiteral("FDEF"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("SET2"));
    QCOMPARE(ui().Text25->text(), QStringLiteral(" "));
}

QTEST_MAIN(TestOpenDialog)
#include "tst_opendialog.moc"
