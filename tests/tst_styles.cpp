// The style choices of the main window and the three style dialogs: which code each choice
// writes, and when a dialog exists, shows, and forgets its choice.
#include "codetable.h"
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "modalanswerer.h"
#include "opendialog.h"
#include "simfolder.h"
#include "styledialog.h"
#include "styledialogs.h"

#include "optionlookup.h"
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>

#include <QtTest>

using namespace qel::editor;

class TestStyles : public EditorFixture {
    Q_OBJECT
private slots:
    void startState();
    void plainOptionsWriteTheirCodes_data();
    void plainOptionsWriteTheirCodes();
    void noChangesWritesTheEmptyString_data();
    void noChangesWritesTheEmptyString();
    void variantStyles_data();
    void variantStyles();
    void selectingTheSelectedOptionRunsNothing();
    void doubleClickAfterOkStartsFromPreset();
    void enterReopensTheDialogOfTheSelectedStyle();
    void clickCompletingADoubleClickChoosesNothing_data();
    void clickCompletingADoubleClickChoosesNothing();
    void closingByTheFrameKeepsTheLastChoice();
    void hiddenDialogKeepsItsChoiceUntilShown();
    void selectingAgainShowsThePresetOfTheCodeWritten();
    void dialogLayout_data();
    void dialogLayout();
};

void TestStyles::startState()
{
    EditorWindow& form = window();
    QCOMPARE(ui().Frame1->title(), QStringLiteral("Select Cloud Style"));
    QCOMPARE(ui().Frame2->title(), QStringLiteral("Select Ground Texture"));
    QCOMPARE(ui().Frame6->title(), QStringLiteral("Cloud Sets"));
    QCOMPARE(checkedIn(ui().Frame1), QStringLiteral("Option21"));
    QCOMPARE(checkedIn(ui().Frame2), QStringLiteral("Option28"));
    QCOMPARE(checkedIn(ui().Frame6), QStringLiteral("Option26"));
    QCOMPARE(ui().Text2->text(), QString());
    QCOMPARE(ui().Text5->text(), QString());
    QCOMPARE(ui().Text22->text(), QString());
    QVERIFY(!keptStyleDialog(form, "Form3") && !keptStyleDialog(form, "Form6") &&
            !keptStyleDialog(form, "Form7"));

    // Columns as laid out: left column top to bottom, then the right one.
    const struct {
        QGroupBox* frame;
        QStringList left, right;
    } frames[] = {
        {ui().Frame1,
         {"Light", "Medium", "Dense", "Overcast"},
         {"Weather Front", "Multi-texture", "Cirrus/Jet Trails", "No Changes"}},
        {ui().Frame2, {"Summer", "Dry Summer", "Winter"}, {"Default", "No Changes"}},
        {ui().Frame6, {"Set1", "Set2", "No changes"}, {}},
    };
    for (const auto& f : frames) {
        QList<QRadioButton*> buttons = f.frame->findChildren<QRadioButton*>();
        QCOMPARE(buttons.size(), f.left.size() + f.right.size());
        std::sort(buttons.begin(), buttons.end(), [](QRadioButton* a, QRadioButton* b) {
            return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
        });
        QStringList captions;
        for (QRadioButton* b : buttons)
            captions << b->text();
        QCOMPARE(captions, f.left + f.right);
        if (!f.right.isEmpty())
            QVERIFY(buttons.first()->x() < buttons.last()->x());
    }
}

void TestStyles::plainOptionsWriteTheirCodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("code");
    for (const codetable::CloudStyle& style : codetable::cloudStyles) {
        if (*style.code && !*style.dialog)
            QTest::newRow(style.caption) << style.option << "Text2" << style.code;
    }
    const auto plain = [](std::span<const codetable::Plain> rows, const char* field) {
        for (const codetable::Plain& row : rows) {
            if (*row.code)
                QTest::newRow(row.caption) << row.option << field << row.code;
        }
    };
    plain(codetable::groundTextures, "Text5");
    plain(codetable::cloudSets, "Text22");
}

void TestStyles::plainOptionsWriteTheirCodes()
{
    QFETCH(QString, name);
    QFETCH(QString, field);
    QFETCH(QString, code);
    EditorWindow& form = window();
    ModalAnswerer& answerer = this->answerer();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QRadioButton* b = option(&form, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    QVERIFY(b->isChecked());
    for (const QString& f :
         {QStringLiteral("Text2"), QStringLiteral("Text5"), QStringLiteral("Text22")}) {
        const QString text = form.findChild<QLineEdit*>(f)->text();
        QCOMPARE(text, f == field ? code : QString());
    }
    QVERIFY_ANSWERED(answerer);
}

void TestStyles::noChangesWritesTheEmptyString_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("noChanges");
    QTest::addColumn<QString>("field");
    QTest::newRow("cloud style") << codetable::cloudStyle("D").option
                                 << codetable::cloudStyle("").option << "Text2";
    QTest::newRow("ground texture") << codetable::groundTexture("FWIN").option
                                    << codetable::groundTexture("").option << "Text5";
    QTest::newRow("cloud set") << codetable::cloudSet("SET2").option
                               << codetable::cloudSet("").option << "Text22";
}

void TestStyles::noChangesWritesTheEmptyString()
{
    QFETCH(QString, first);
    QFETCH(QString, noChanges);
    QFETCH(QString, field);
    EditorWindow& form = window();
    auto* text = form.findChild<QLineEdit*>(field);
    option(&form, first)->click();
    QVERIFY(!text->text().isEmpty());
    option(&form, noChanges)->click();
    QCOMPARE(text->text(), QString());
    QVERIFY(text->text() != QStringLiteral(" "));
}

void TestStyles::variantStyles_data()
{
    QTest::addColumn<QString>("mainOption");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("presetCode");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("code");
    // Each variant of the table chosen alone, then two in turn: the codes chosen in the dialog.
    QList<QByteArrayList> ways;
    for (const codetable::CloudStyle& style : codetable::cloudStyles) {
        if (*style.dialog)
            ways << QByteArrayList{style.code};
    }
    ways << QByteArrayList{"OG", "WS"} << QByteArrayList{"OG", "O"};
    for (const QByteArrayList& codes : ways) {
        QStringList choices;
        QByteArrayList captions;
        for (const QByteArray& code : codes) {
            const codetable::CloudStyle& way = codetable::cloudStyle(QLatin1String(code));
            // The preset is selected already: "OK" at once takes it, unless another came first.
            if (*way.variant || !choices.isEmpty())
                choices << (*way.variant ? way.variant : codetable::presetVariant(way.dialog));
            captions << way.variantCaption;
        }
        const codetable::CloudStyle& last = codetable::cloudStyle(QLatin1String(codes.last()));
        QTest::addRow("%s, %s%s", last.caption, choices.isEmpty() ? "OK at once: " : "",
                      captions.join(" then ").constData())
            << last.option << last.dialog << codetable::preset(last.dialog).code
            << codetable::presetVariant(last.dialog) << choices << last.code;
    }
}

void TestStyles::variantStyles()
{
    QFETCH(QString, mainOption);
    QFETCH(QString, dialog);
    QFETCH(QString, presetCode);
    QFETCH(QString, preset);
    QFETCH(QStringList, choices);
    QFETCH(QString, code);
    EditorWindow& form = window();
    option(&form, QStringLiteral("Option8"))->click();
    option(&form, QStringLiteral("Option24"))->click();
    ModalAnswerer& answerer = this->answerer();
    QString shown, codeWhenShown;
    answerStyleDialog(answerer, dialog, choices, &shown, &codeWhenShown, &form);
    option(&form, mainOption)->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(shown, preset);
    QCOMPARE(codeWhenShown, presetCode);
    QCOMPARE(ui().Text2->text(), code);
    QCOMPARE(ui().Text5->text(), QStringLiteral("FSUM"));
    QCOMPARE(ui().Text22->text(), QStringLiteral("SET1"));
    // "OK" unloaded it.
    QVERIFY(!keptStyleDialog(form, "Form3") && !keptStyleDialog(form, "Form6") &&
            !keptStyleDialog(form, "Form7"));
    QVERIFY(!form.findChild<QDialog*>(dialog));
}

void TestStyles::selectingTheSelectedOptionRunsNothing()
{
    EditorWindow& form = window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ModalAnswerer& answerer = this->answerer();
    answerStyleDialog(answerer, QStringLiteral("Form6"), {QStringLiteral("Option2")});
    ui().Option4->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));

    // No dialog may come now; the answerer reports any that does.
    ui().Option4->click();
    ui().Option4->setChecked(true);
    QTest::mouseClick(ui().Option4, Qt::LeftButton, {}, QPoint(6, ui().Option4->height() / 2));
    QTest::qWait(50);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
}

void TestStyles::doubleClickAfterOkStartsFromPreset()
{
    EditorWindow& form = window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ModalAnswerer& answerer = this->answerer();
    answerStyleDialog(answerer, QStringLiteral("Form6"), {QStringLiteral("Option2")});
    ui().Option4->click();
    QVERIFY_ANSWERED(answerer);

    QString shown, codeWhenShown;
    answerStyleDialog(answerer, QStringLiteral("Form6"), {}, &shown, &codeWhenShown, &form);
    QTest::mouseDClick(ui().Option4, Qt::LeftButton, {}, QPoint(6, ui().Option4->height() / 2));
    QVERIFY2(answerer.waitAllAnswered(), qPrintable(answerer.report()));
    QCOMPARE(shown, QStringLiteral("Option1"));
    QCOMPARE(codeWhenShown, QStringLiteral("OG"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
    QVERIFY(ui().Option4->isChecked());
    QVERIFY(!keptStyleDialog(form, "Form6"));

    // Each double-click shows it again, and a choice made there stands.
    answerStyleDialog(answerer, QStringLiteral("Form6"), {QStringLiteral("Option3")});
    QTest::mouseDClick(ui().Option4, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text2->text(), QStringLiteral("WS"));

    // The other two styles alike.
    answerStyleDialog(answerer, QStringLiteral("Form3"), {QStringLiteral("Option4")});
    ui().Option7->click();
    answerStyleDialog(answerer, QStringLiteral("Form3"), {}, &shown);
    QTest::mouseDClick(ui().Option7, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(shown, QStringLiteral("Option2"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("CT"));
    answerStyleDialog(answerer, QStringLiteral("Form7"), {QStringLiteral("Option3")});
    ui().Option5->click();
    answerStyleDialog(answerer, QStringLiteral("Form7"), {}, &shown);
    QTest::mouseDClick(ui().Option5, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(shown, QStringLiteral("Option1"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("TB"));
}

void TestStyles::enterReopensTheDialogOfTheSelectedStyle()
{
    EditorWindow& form = window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ModalAnswerer& answerer = this->answerer();
    answerStyleDialog(answerer, QStringLiteral("Form7"), {QStringLiteral("Option2")});
    ui().Option5->click();
    answerStyleDialog(answerer, QStringLiteral("Form7"), {QStringLiteral("Option3")});
    ui().Option5->setFocus();
    QTest::keyClick(ui().Option5, Qt::Key_Return);
    QVERIFY2(answerer.waitAllAnswered(), qPrintable(answerer.report()));
    QCOMPARE(ui().Text2->text(), QStringLiteral("TB"));
}

void TestStyles::clickCompletingADoubleClickChoosesNothing_data()
{
    QTest::addColumn<int>("gap");   // in ms, added to QTest's own spacing of clicks
    QTest::addColumn<int>("moved"); // pixels to the right of the first click, beyond the distance
    QTest::addColumn<QString>("code");
    QTest::newRow("second click of a double-click") << 0 << 0 << "CD";
    QTest::newRow("second click, as far as a double-click's goes") << 0 << 1 << "CD";
    QTest::newRow("a click of its own, later") << 1000 << 0 << "CC";
    QTest::newRow("a click of its own, farther") << 0 << 2 << "CC";
}

// The dialog that a click on "Cirrus/Jet Trails" shows may lie under the pointer; the click that
// makes the first one a double-click lands there and must not choose "Cirro-Cumulous". A click
// the system would not take for that second click (later, or farther away) chooses as usual.
void TestStyles::clickCompletingADoubleClickChoosesNothing()
{
    QFETCH(int, gap);
    QFETCH(int, moved);
    QFETCH(QString, code);
    EditorWindow& form = window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint first = ui().Option7->mapToGlobal(QPoint(8, 8));
    // Within the distance is "moved" 1: as far as it reaches; 2 is a pixel beyond it.
    const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
    const QPoint second = first + QPoint(moved == 0 ? 0 : distance + moved - 1, 0);
    answerer().expectWindow(QStringLiteral("Form3"), [gap, first, second](QWidget* w) {
        // The dialog placed with its choice under the pointer.
        QWidget* choice = option(w, QStringLiteral("Option3"));
        w->move(w->pos() + first - choice->mapToGlobal(QPoint(8, 8)));
        QTRY_COMPARE(choice->mapToGlobal(QPoint(8, 8)), first);
        QVERIFY(choice->rect().contains(choice->mapFromGlobal(second)));
        QTest::lastMouseTimestamp += gap;
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, w->mapFromGlobal(second));
        pressOk(w);
    });
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.mapFromGlobal(first));
    QVERIFY_ANSWERED(answerer());
    QCOMPARE(ui().Text2->text(), code);
}

void TestStyles::closingByTheFrameKeepsTheLastChoice()
{
    EditorWindow& form = window();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form6"), [](QWidget* w) {
        option(w, QStringLiteral("Option2"))->click();
        option(w, QStringLiteral("Option3"))->click();
        w->close();
    });
    ui().Option4->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text2->text(), QStringLiteral("WS"));
    QVERIFY(!keptStyleDialog(form, "Form6"));
    answerer.expectWindow(QStringLiteral("Form3"), [](QWidget* w) {
        option(w, QStringLiteral("Option1"))->click();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    ui().Option7->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text2->text(), QStringLiteral("CL"));
    QVERIFY(!keptStyleDialog(form, "Form3"));
    // A showing that ends without the dialog finishing (hidden, or the program quitting) still
    // lets it go, once: the window's own end must not find it again.
    answerer.expectWindow(QStringLiteral("Form7"), [](QWidget* w) { w->hide(); });
    ui().Option5->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(!keptStyleDialog(form, "Form7"));
    QVERIFY(!form.findChild<QDialog*>(QStringLiteral("Form7")));
}

void TestStyles::hiddenDialogKeepsItsChoiceUntilShown()
{
    EditorWindow& form = window();
    ModalAnswerer& answerer = this->answerer();
    // Opening a scenario while its style is selected sets the variant of a dialog it never shows.
    QDialog* hidden = holdHiddenVariant(form, answerer, folder(), "Option4", "Form6", "OG");
    QVERIFY(hidden);
    QVERIFY(option(hidden, "Option2")->isChecked());
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
    QVERIFY(!hidden->isVisible());
    // A choice set there writes its code, and the window keeps that very dialog.
    option(hidden, "Option3")->setChecked(true);
    QCOMPARE(ui().Text2->text(), QStringLiteral("WS"));
    option(hidden, "Option2")->setChecked(true);
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
    QCOMPARE(keptStyleDialog(form, "Form6"), hidden);

    QString shown;
    answerStyleDialog(answerer, QStringLiteral("Form6"), {}, &shown);
    QTest::mouseDClick(ui().Option4, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(shown, QStringLiteral("Option2"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
    QVERIFY(!keptStyleDialog(form, "Form6"));

    // "OK" on the hidden dialog unloads it too.
    QPointer<QDialog> front = holdHiddenVariant(form, answerer, folder(), "Option5", "Form7", "TB");
    QVERIFY(front);
    QCOMPARE(ui().Text2->text(), QStringLiteral("TB"));
    control<QPushButton>(*front, "Command1")->click();
    // Let go: the window keeps it no longer.
    QTRY_VERIFY(!front);
    QVERIFY(!keptStyleDialog(form, "Form7"));
    QVERIFY_ANSWERED(answerer);
}

// A dialog left hidden with a variant must not show that variant when its style is selected
// anew: the selection has just written the preset's code, and "OK" keeps that code.
void TestStyles::selectingAgainShowsThePresetOfTheCodeWritten()
{
    EditorWindow& form = window();
    ModalAnswerer& answerer = this->answerer();
    QVERIFY(holdHiddenVariant(form, answerer, folder(), "Option4", "Form6", "OG"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("OG"));
    ui().Option1->click();
    QCOMPARE(ui().Text2->text(), QStringLiteral("L"));

    QString shown, codeWhenShown;
    answerStyleDialog(answerer, QStringLiteral("Form6"), {}, &shown, &codeWhenShown, &form);
    ui().Option4->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(codeWhenShown, QStringLiteral("O"));
    QCOMPARE(shown, QStringLiteral("Option1"));
    QCOMPARE(ui().Text2->text(), QStringLiteral("O"));
}

void TestStyles::dialogLayout_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QStringList>("captions"); // top to bottom
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("styleOption"); // the main window's option whose dialog it is
    QTest::addColumn<QByteArray>("code");     // a variant's code, held by the dialog
    QTest::newRow("Form3") << "Form3"
                           << "Cirrus"
                           << "Cirrus Style"
                           << QStringList{"Light", "Dense", "Cirro-Cumulous", "Jet Trails"}
                           << QStringList{"Option1", "Option2", "Option3", "Option4"}
                           << QSize(128, 112) << "Option7" << QByteArray("CT");
    QTest::newRow("Form6") << "Form6"
                           << "Overcast"
                           << "Overcast Style" << QStringList{"Bright", "Wind Swept", "Gray"}
                           << QStringList{"Option1", "Option3", "Option2"} << QSize(153, 140)
                           << "Option4" << QByteArray("OG");
    QTest::newRow("Form7") << "Form7"
                           << "Front"
                           << "Select Weather Front"
                           << QStringList{"Unbroken Band", "Broken Bands", "Turbulent"}
                           << QStringList{"Option1", "Option2", "Option3"} << QSize(129, 105)
                           << "Option5" << QByteArray("TB");
}

void TestStyles::dialogLayout()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QString, frame);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, names);
    QFETCH(QSize, client);
    QFETCH(QString, styleOption);
    QFETCH(QByteArray, code);
    QDialog* d = holdHiddenVariant(window(), answerer(), folder(), qPrintable(styleOption),
                                   qPrintable(dialog), code);
    QVERIFY(d);
    QCOMPARE(d->objectName(), dialog);
    QCOMPARE(d->windowTitle(), title);
    QCOMPARE(d->size(), client);
    QCOMPARE(control<QGroupBox>(*d, "Frame1")->title(), frame);
    QCOMPARE(control<QPushButton>(*d, "Command1")->text(), QStringLiteral("OK"));
    // The OK button lies over the frame and is not hidden by it.
    QVERIFY(control<QGroupBox>(*d, "Frame1")
                ->geometry()
                .intersects(control<QPushButton>(*d, "Command1")->geometry()));
    QCOMPARE(d->childAt(control<QPushButton>(*d, "Command1")->geometry().center()),
             control<QPushButton>(*d, "Command1"));

    QList<QRadioButton*> choices = control<QGroupBox>(*d, "Frame1")->findChildren<QRadioButton*>();
    std::sort(choices.begin(), choices.end(),
              [](QRadioButton* a, QRadioButton* b) { return a->y() < b->y(); });
    QStringList shownCaptions, shownNames;
    for (QRadioButton* c : choices) {
        shownCaptions << c->text();
        shownNames << c->objectName();
    }
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(shownNames, names);
    if (dialog == QLatin1String("Form6")) {
        auto* note = d->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(note);
        QCOMPARE(note->text(), QStringLiteral("Use a flight with a 7/8 coverage setting for Bright "
                                              "and use a flight set to \"Overcast\" for Gray."));
        QVERIFY(note->y() >= control<QGroupBox>(*d, "Frame1")->geometry().bottom());
    }
}

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
