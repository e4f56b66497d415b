// The picture picker: listing, preview, attaching, leaving, and every failure it meets.
#include "bmpbytes.h"
#include "editorcontrols.h"
#include "editorfixture.h"
#include "editorwindow.h"
#include "filelist.h"
#include "folderchooser.h"
#include "foldertexts.h"
#include "imageview.h"
#include "launch.h"
#include "modalanswerer.h"
#include "ownsettings.h"
#include "pickercontrols.h"
#include "picture.h"
#include "picturepicker.h"
#include "simfolder.h"
#include "standin.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

using namespace qel::editor;

namespace {

// A whole bitmap of one colour. Rows are blue, green, red, padded to four bytes.
QByteArray bmp(int width, int height, QColor colour)
{
    QByteArray b = bmpbytes::header24(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            b.append(char(colour.blue()));
            b.append(char(colour.green()));
            b.append(char(colour.red()));
        }
        b.append(QByteArray((4 - width * 3 % 4) % 4, '\0'));
    }
    return b;
}

QRgb pixel(const qel::ImageView* view)
{
    return view->hasImage() ? view->image().pixel(0, 0) : 0;
}

void clickEntry(qel::FileList* list, const QString& name)
{
    const int row = int(list->names().indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    const QRect area = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
}

void doubleClickEntry(qel::FileList* list, const QString& name)
{
    const int row = int(list->names().indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    const QRect area = list->visualRect(list->model()->index(row, 0));
    // A real double-click: the first click's press and release, then the second press that the
    // platform reports as the double-click, and its release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, area.center());
}

// Shows the picker without its modality, for the tests that drive it directly: a
// ModalAnswerer then sees only the message boxes it opens.
void showDirect(QDialog& picker)
{
    picker.setModal(false);
    picker.show();
}

struct MainState {
    QString picture;
    QRgb shown;
    bool clearEnabled;
    bool operator==(const MainState&) const = default;
};

MainState stateOf(const EditorWindow& form)
{
    const EditorControls ui(form);
    return {ui.Text26->text(), pixel(ui.Image2), ui.Command2->isEnabled()};
}

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

} // namespace

class TestPicker : public EditorFixture {
    Q_OBJECT
private slots:
    void init();
    void listsOnlyBitmaps();
    void opensWithoutSelectionOrPreview();
    void previewFollowsTheSelection();
    void selectAndDoubleClickAgree();
    void selectWithNothingSelectedDoesNothing();
    void leavingKeepsTheMainWindow_data();
    void leavingKeepsTheMainWindow();
    void reopeningListsNewBitmapsAfresh();
    void corruptBitmapIsReportedAndNotAttached();
    void vanishedFileIsReported();
    void missingQelFolderIsReported();
    void absurdBitmapSizeIsRefusedQuickly_data();
    void absurdBitmapSizeIsRefusedQuickly();
    void photoToolThatCannotStartIsReported();
    void editStartsThePhotoToolInTheFolderFound();

private:
    // The photo tool beside the editor, which records in `marker` how it was started.
    void standInPhotoTool(const QString& marker)
    {
        standin::write(m_programFolder->filePath(standin::photoTool), marker, "photo tool");
    }
    // Stands in for the folder of the editor's program; made afresh for each test.
    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::optional<qel::launch::ProgramFolderForTests> m_programFolderHook;
};

void TestPicker::init()
{
    EditorFixture::init();
    // No test may ever start the real photo tool that the build puts beside the test programs.
    m_programFolder = std::make_unique<QTemporaryDir>();
    m_programFolderHook.emplace(m_programFolder->path());
}

void TestPicker::listsOnlyBitmaps()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/beta.bmp"), bmp(2, 2, red));
    sim.write(QStringLiteral("qel/ALPHA.BMP"), bmp(2, 2, blue));
    sim.write(QStringLiteral("qel/Gamma.Bmp"), bmp(2, 2, blue));
    sim.write(QStringLiteral("qel/demo.qel"), "@echo off\r\n");
    sim.write(QStringLiteral("qel/notes.txt"), "x");
    sim.write(QStringLiteral("qel/old.bmp.bak"), bmp(2, 2, red));
    sim.write(QStringLiteral("beside.bmp"), bmp(2, 2, red));
    sim.mkdir(QStringLiteral("qel/folder.bmp"));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        QVERIFY(qobject_cast<PicturePicker*>(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("Select"));
        QVERIFY(w->isModal());
        const PickerControls picker(*w);
        QCOMPARE(picker.File1->names(),
                 (QStringList{QStringLiteral("ALPHA.BMP"), QStringLiteral("beta.bmp"),
                              QStringLiteral("Gamma.Bmp")}));
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(::ui(form).Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QVERIFY(form.findChildren<PicturePicker*>().isEmpty());
}

void TestPicker::opensWithoutSelectionOrPreview()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/a.bmp"), bmp(2, 2, red));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        const PickerControls picker(*w);
        QTRY_VERIFY(w->isActiveWindow());
        QCOMPARE(picker.File1->selectedName(), QString());
        QVERIFY(!picker.Image1->hasImage());
        // Moving through the dialog by keyboard previews nothing until an entry is chosen.
        QTest::keyClick(w, Qt::Key_Tab);
        QTest::keyClick(w, Qt::Key_Backtab);
        QCOMPARE(picker.File1->selectedName(), QString());
        QVERIFY(!picker.Image1->hasImage());
        QTest::keyClick(picker.File1, Qt::Key_Down);
        QCOMPARE(picker.File1->selectedName(), QStringLiteral("a.bmp"));
        QVERIFY(picker.Image1->hasImage());
        QTest::keyClick(w, Qt::Key_Escape);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
}

void TestPicker::previewFollowsTheSelection()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/a.bmp"), bmp(3, 2, red));
    sim.write(QStringLiteral("qel/b.bmp"), bmp(2, 3, blue));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [this](QWidget* w) {
        const PickerControls picker(*w);
        clickEntry(picker.File1, QStringLiteral("a.bmp"));
        QCOMPARE(pixel(picker.Image1), red.rgb());
        QCOMPARE(picker.Image1->image().size(), QSize(3, 2));
        QVERIFY(picker.Image1->stretch());
        clickEntry(picker.File1, QStringLiteral("b.bmp"));
        QCOMPARE(pixel(picker.Image1), blue.rgb());
        QCOMPARE(picker.Image1->image().size(), QSize(2, 3));
        // Previewing writes nothing into the main window.
        QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
        QVERIFY(!ui().Image2->hasImage());
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
}

void TestPicker::selectAndDoubleClickAgree()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/a.bmp"), bmp(2, 2, red));
    sim.write(QStringLiteral("qel/Meigs Evening.BMP"), bmp(4, 4, blue));

    ModalAnswerer& answerer = this->answerer();
    EditorWindow& bySelect = this->window();
    bySelect.show();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        const PickerControls first(*w);
        clickEntry(first.File1, QStringLiteral("Meigs Evening.BMP"));
        QTest::mouseClick(first.Command1, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(static_cast<QDialog*>(w)->result(), int(QDialog::Accepted));
    });
    QTest::mouseClick(::ui(bySelect).Command9, Qt::LeftButton);

    EditorWindow& byDoubleClick = this->window();
    byDoubleClick.show();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        doubleClickEntry(PickerControls(*w).File1, QStringLiteral("Meigs Evening.BMP"));
        QVERIFY(!w->isVisible());
    });
    QTest::mouseClick(::ui(byDoubleClick).Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);

    const MainState expected{QStringLiteral("Meigs Evening.BMP"), blue.rgb(), true};
    QCOMPARE(stateOf(bySelect), expected);
    QCOMPARE(stateOf(byDoubleClick), expected);
    QCOMPARE(::ui(bySelect).Image2->image(), ::ui(byDoubleClick).Image2->image());
    QCOMPARE(::ui(bySelect).Image2->image().size(), QSize(4, 4));
}

void TestPicker::selectWithNothingSelectedDoesNothing()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/a.bmp"), bmp(2, 2, red));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer answerer(500);
    answerer.expectWindow(QStringLiteral("Form4"), [this](QWidget* w) {
        const PickerControls picker(*w);
        QTest::mouseClick(picker.Command1, Qt::LeftButton);
        QTest::qWait(50); // a message box would come in this time, and count as unexpected
        QVERIFY(w->isVisible());
        QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
        QVERIFY(!ui().Command2->isEnabled());
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
}

void TestPicker::leavingKeepsTheMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit") << "exit";
    QTest::newRow("Edit") << "edit";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("closing the window") << "close";
}

void TestPicker::leavingKeepsTheMainWindow()
{
    QFETCH(QString, how);
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/old.bmp"), bmp(2, 2, red));
    sim.write(QStringLiteral("qel/new.bmp"), bmp(2, 2, blue));
    const QString marker = sim.filePath(QStringLiteral("photo-ran"));
    standInPhotoTool(marker);

    EditorWindow& form = this->window();
    form.show();
    // A picture attached before, and "Clr." pressed once, so its state is not the start state.
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        const PickerControls earlier(*w);
        clickEntry(earlier.File1, QStringLiteral("old.bmp"));
        QTest::mouseClick(earlier.Command1, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    const MainState before = stateOf(form);
    QCOMPARE(before, (MainState{QStringLiteral("old.bmp"), red.rgb(), true}));

    answerer.expectWindow(QStringLiteral("Form4"), [how](QWidget* w) {
        const PickerControls picker(*w);
        clickEntry(picker.File1, QStringLiteral("new.bmp"));
        QCOMPARE(pixel(picker.Image1), blue.rgb());
        if (how == QLatin1String("exit"))
            QTest::mouseClick(picker.Command2, Qt::LeftButton);
        else if (how == QLatin1String("edit"))
            QTest::mouseClick(picker.Command4, Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(w, Qt::Key_Escape);
        else
            w->close();
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(stateOf(form), before);
    QVERIFY(form.isVisible());
    QVERIFY(form.findChildren<PicturePicker*>().isEmpty());
    if (how == QLatin1String("edit")) {
        // The stand-in runs on its own; on a busy machine its file may exist before it is written.
        QTRY_COMPARE_WITH_TIMEOUT(standin::recorded(marker).mid(0, 2),
                                  (QStringList{QStringLiteral("photo tool"), QStringLiteral("0")}),
                                  15000); // no arguments
    } else {
        QTest::qWait(100);
        QVERIFY(!QFile::exists(marker));
    }
}

void TestPicker::reopeningListsNewBitmapsAfresh()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/a.bmp"), bmp(2, 2, red));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        const PickerControls picker(*w);
        clickEntry(picker.File1, QStringLiteral("a.bmp"));
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    sim.write(QStringLiteral("qel/b.bmp"), bmp(2, 2, blue));
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        const PickerControls picker(*w);
        QCOMPARE(picker.File1->names(),
                 (QStringList{QStringLiteral("a.bmp"), QStringLiteral("b.bmp")}));
        QCOMPARE(picker.File1->selectedName(), QString());
        QVERIFY(!picker.Image1->hasImage());
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
}

void TestPicker::corruptBitmapIsReportedAndNotAttached()
{
    SimFolder& sim = folder();
    // Two rows of two pixels, each row a run ended by an end of line, the last by end of bitmap.
    sim.write(QStringLiteral("qel/good.bmp"),
              bmpbytes::rle8(2, 2, QByteArray("\x02\x05\x00\x00\x02\x07\x00\x01", 8)));
    QByteArray oddDepth = bmp(2, 2, blue);
    oddDepth[28] = 13; // bits per pixel: no bitmap has 13
    sim.write(QStringLiteral("qel/odd.bmp"), oddDepth);
    sim.write(QStringLiteral("qel/text.bmp"), "this is no picture at all");
    // Pixels that the file does not hold would show whatever memory held before.
    sim.write(QStringLiteral("qel/short.bmp"),
              bmpbytes::header24(161, 121) + QByteArray(100, '\x7f'));
    sim.write(QStringLiteral("qel/overrun.bmp"),
              bmpbytes::rle8(4, 2, QByteArray("\x0a\x05\x00\x01", 4)));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [&answerer](QWidget* w) {
        const PickerControls picker(*w);
        for (const QString& name : {QStringLiteral("text.bmp"), QStringLiteral("odd.bmp"),
                                    QStringLiteral("short.bmp"), QStringLiteral("overrun.bmp")}) {
            clickEntry(picker.File1, QStringLiteral("good.bmp"));
            QVERIFY(picker.Image1->hasImage());
            answerer.expectFailure(QDir::toNativeSeparators("qel/" + name));
            clickEntry(picker.File1, name);
            QVERIFY2(answerer.waitAllAnswered(), qPrintable(answerer.report()));
            QVERIFY(!picker.Image1->hasImage()); // never the previous file's picture
            // Select refuses it as well, and the dialog stays for another choice.
            answerer.expectFailure(name);
            QTest::mouseClick(picker.Command1, Qt::LeftButton);
            QVERIFY2(answerer.waitAllAnswered(), qPrintable(answerer.report()));
            QVERIFY(w->isVisible());
        }
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(::ui(form).Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(stateOf(form), (MainState{QStringLiteral(" "), 0, false}));
    QVERIFY(form.isVisible());
}

void TestPicker::vanishedFileIsReported()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/gone.bmp"), bmp(2, 2, red));
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [&](QWidget* w) {
        const PickerControls picker(*w);
        QVERIFY(QFile::remove(sim.filePath(QStringLiteral("qel/gone.bmp"))));
        answerer.expectFailure(QStringLiteral("does not exist"));
        clickEntry(picker.File1, QStringLiteral("gone.bmp"));
        QVERIFY(answerer.waitAllAnswered());
        // A double-click on it attaches nothing either.
        answerer.expectFailure(QStringLiteral("gone.bmp"));
        doubleClickEntry(picker.File1, QStringLiteral("gone.bmp"));
        QVERIFY2(answerer.waitAllAnswered(), qPrintable(answerer.report()));
        QVERIFY(w->isVisible());
        QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
        QVERIFY(!ui().Image2->hasImage());
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
}

void TestPicker::missingQelFolderIsReported()
{
    SimFolder sim(true, false);
    EditorWindow& form = this->window();
    form.show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectFailure(foldertexts::noQelForPictures());
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        const PickerControls picker(*w);
        QCOMPARE(picker.File1->count(), 0);
        QTest::mouseClick(picker.Command1, Qt::LeftButton); // nothing to select: nothing happens
        QVERIFY(w->isVisible());
        QTest::mouseClick(picker.Command2, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QVERIFY(form.isVisible());
    QCOMPARE(ui().Text26->text(), QStringLiteral(" "));
}

void TestPicker::absurdBitmapSizeIsRefusedQuickly_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("reason");
    // Over 10 GB of pixels: the bitmap reader itself refuses such a header.
    QTest::newRow("60000 x 60000") << 60000 << 60000 << QString();
    // 90 megapixels, which the reader would still try; the loader's own limit stops it.
    QTest::newRow("10000 x 9000") << 10000 << 9000 << QStringLiteral("10000 × 9000");
}

void TestPicker::absurdBitmapSizeIsRefusedQuickly()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, reason);
    SimFolder& sim = folder();
    // Only the header and a few bytes of pixels: a picture that size would take gigabytes.
    sim.write(QStringLiteral("qel/huge.bmp"),
              bmpbytes::header24(width, height) + QByteArray(64, '\x7f'));
    QElapsedTimer clock;
    clock.start();
    const auto loaded = qel::pictures::load(QStringLiteral("qel/huge.bmp"));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(loaded.image.isNull());
    QVERIFY(!loaded.error.isEmpty());
    QVERIFY2(loaded.error.contains(reason), qPrintable(loaded.error));

    EditorWindow& form = this->window();
    PicturePicker dialog(&form);
    const PickerControls picker(dialog);
    showDirect(dialog);
    ModalAnswerer& answerer = this->answerer();
    answerer.expectFailure(QDir::toNativeSeparators("qel/huge.bmp cannot be shown"));
    clickEntry(picker.File1, QStringLiteral("huge.bmp"));
    QVERIFY2(answerer.waitAllAnswered(), qPrintable(answerer.report()));
    QVERIFY(!picker.Image1->hasImage());
}

void TestPicker::photoToolThatCannotStartIsReported()
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    EditorWindow& form = this->window();
    form.show();
    QSignalSpy ended(&form, &EditorWindow::endRequested);
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        QTest::mouseClick(PickerControls(*w).Command4, Qt::LeftButton);
    });
    answerer.expectFailure(QStringLiteral("could not be found"));
    QTest::mouseClick(::ui(form).Command9, Qt::LeftButton);
    qputenv("PATH", path);
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ended.count(), 0);
    QVERIFY(form.isVisible());
}

void TestPicker::editStartsThePhotoToolInTheFolderFound()
{
    // Started elsewhere, the editor goes to the folder it remembers, and so does the photo tool.
    const SimFolder& sim = folder();
    const OwnSettings settings;
    settings.setFolder(QDir::toNativeSeparators(sim.path()));
    const QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QVERIFY(qel::simulator::enterStartFolder({}));
    const QString marker = elsewhere.filePath(QStringLiteral("photo-ran"));
    standInPhotoTool(marker);
    this->window().show();
    ModalAnswerer& answerer = this->answerer();
    answerer.expectWindow(QStringLiteral("Form4"), [](QWidget* w) {
        QTest::mouseClick(PickerControls(*w).Command4, Qt::LeftButton);
    });
    QTest::mouseClick(ui().Command9, Qt::LeftButton);
    QVERIFY_ANSWERED(answerer);
    QTRY_COMPARE_WITH_TIMEOUT(standin::recorded(marker).value(2),
                              QFileInfo(sim.path()).canonicalFilePath(), 15000);
}

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
