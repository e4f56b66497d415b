// The photo tool's window: layout, start-up, "Refresh Window", the preview copy and the saves.
#include "bmpbytes.h"
#include "foldertexts.h"
#include "modalanswerer.h"
#include "photo_bmpcheck.h"
#include "photofixture.h"
#include "preview.h"
#include "winfiles.h"

#include <QImageReader>
#include <QImageWriter>
#include <QtTest>

using qel::photo::PhotoWindow;

namespace {

// Left half red, right half blue.
QImage halves(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

bmpcheck::File readBmp(const SimFolder& sim, const QString& relative)
{
    return bmpcheck::read(sim.read(relative));
}

} // namespace

class TestPhotoWindow : public PhotoFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void captionsFontsAndFocus();
    void startWithAPicture();
    void startWithoutAPicture();
    void refreshShowsNewCaptureOrStartupCaptureUnscaled();
    void copyPreviewRendersWhatTheBoxShows();
    void translucentCaptureIsOnGreyEverywhere();
    void scenarioPictureNewName();
    void scenarioPictureExistingName();
    void fullScreenPhoto();
    void fullScreenPhotoInTheFormatItsNameAsksFor_data();
    void fullScreenPhotoInTheFormatItsNameAsksFor();
    void fullScreenPhotoAsksOnlyAboutTheWorkingFolder();
    void scenarioPictureNeedsTheBitmapEnding_data();
    void scenarioPictureNeedsTheBitmapEnding();
    void unusableNamesAreRefused_data();
    void unusableNamesAreRefused();
    void noPictureNothingWritten();
    void noQelFolder();
    void failedWriteIsReported();
    void fullScreenPhotoUnderAShortName();
    void scenarioPictureInAnotherLetterCase();
    void autoSaveReadsTheClipboardAfresh();
    void autoSaveWithEmptyClipboardTouchesNothing();
    void exitEndsTheProgram();
};

void TestPhotoWindow::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("qelphoto"));
}

void TestPhotoWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels"); // the layout's twips, 15 to a pixel, rounded
    QTest::addColumn<bool>("shown");
    QTest::newRow("Label1") << "Label1" << QRect(8, 8, 449, 73) << true;
    QTest::newRow("Text3") << "Text3" << QRect(16, 88, 105, 24) << true;
    QTest::newRow("Command1") << "Command1" << QRect(16, 128, 89, 33) << true;
    QTest::newRow("Command8") << "Command8" << QRect(168, 136, 65, 33) << true;
    QTest::newRow("Picture1") << "Picture1" << QRect(120, 176, 161, 121) << true;
    QTest::newRow("Image1") << "Image1" << QRect(0, 0, 161, 121) << true;
    QTest::newRow("Label2") << "Label2" << QRect(296, 64, 161, 89) << true;
    QTest::newRow("Command5") << "Command5" << QRect(312, 168, 89, 33) << true;
    QTest::newRow("Command7") << "Command7" << QRect(312, 216, 89, 33) << true;
    QTest::newRow("Command6") << "Command6" << QRect(312, 264, 89, 33) << true;
    QTest::newRow("Picture2") << "Picture2" << QRect(272, 0, 161, 121) << false;
    QTest::newRow("File2") << "File2" << QRect(424, 176, 25, 19) << false;
}

void TestPhotoWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(bool, shown);
    setClipboardPicture({});
    PhotoWindow form;
    form.show();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("QEL Photo Lab"));
    QCOMPARE(form.size(), QSize(464, 316)); // 6960 × 4740 twips
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->isVisible(), shown);
}

void TestPhotoWindow::captionsFontsAndFocus()
{
    setClipboardPicture({});
    PhotoWindow form;
    const PhotoControls ui(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(ui.Command1->text(), QStringLiteral("Save for use With QEL file"));
    QCOMPARE(ui.Command8->text(), QStringLiteral("Refresh Window"));
    QCOMPARE(ui.Command5->text(), QStringLiteral("Save as full screen photo"));
    QCOMPARE(ui.Command7->text(), QStringLiteral("AutoSave  "));
    QCOMPARE(ui.Command6->text(), QStringLiteral("Exit"));
    QCOMPARE(ui.Text3->text(), QStringLiteral("???.bmp"));
    QVERIFY(ui.Label1->text().startsWith(
        QStringLiteral("To save a screenshot for use with the QEL picture window,  make sure")));
    QVERIFY(ui.Label1->text().endsWith(
        QStringLiteral("If a picture is in your Clipboard it will appear in the window.")));
    QVERIFY(ui.Label2->text().endsWith(
        QStringLiteral("Flight Simulator directory. Not for  use with Qel Files.")));
    QCOMPARE(ui.File2->pattern(), QStringLiteral("*.zxz"));

    for (QWidget* w : std::initializer_list<QWidget*>{ui.Label1, ui.Label2, ui.Command1,
                                                      ui.Command5, ui.Command6, ui.Command7}) {
        QVERIFY2(w->font().bold(), qPrintable(w->objectName()));
        QCOMPARE(w->font().pointSizeF(), 8.25);
    }
    QVERIFY(!ui.Command8->font().bold());
    QVERIFY(ui.Text3->font().bold());
    QCOMPARE(ui.Text3->font().pointSizeF(), 9.75);
    const QColor navy(0, 0, 128);
    QCOMPARE(ui.Label1->palette().color(QPalette::WindowText), navy);
    QCOMPARE(ui.Label2->palette().color(QPalette::WindowText), navy);
    QCOMPARE(ui.Text3->palette().color(QPalette::Text), navy);
    QCOMPARE(ui.Picture2->palette().color(QPalette::Window), QColor(192, 192, 192));

    // Command1 holds the focus at start; Tab goes through the controls in their order.
    QTRY_COMPARE(QApplication::focusWidget(), ui.Command1);
    const QList<QWidget*> order{ui.Text3,    ui.Command5, ui.Command6,
                                ui.Command7, ui.Command8, ui.Command1};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestPhotoWindow::startWithAPicture()
{
    const QImage capture = patternPicture(320, 200);
    const PhotoControls& ui = startWith(capture);
    QVERIFY(window().startupDone());
    QCOMPARE(ui.Image1->image(), capture);
    QVERIFY(ui.Image1->stretch());
    QVERIFY(!ui.Picture1->stretch());
    // One decoded copy, shared by the three pictures.
    QCOMPARE(ui.Picture1->image().constBits(), ui.Image1->image().constBits());
    QCOMPARE(ui.Picture2->image().constBits(), ui.Image1->image().constBits());
    // Shown scaled over the whole box: the box's corners show the capture's corners.
    const QImage shown = ui.Picture1->grab().toImage();
    QCOMPARE(shown.size(), QSize(161, 121));
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(capture.pixel(0, 0)));
    const QColor corner(shown.pixel(160, 120));
    const QColor expected(capture.pixel(319, 199));
    QVERIFY2(qAbs(corner.red() - expected.red()) < 8 && qAbs(corner.green() - expected.green()) < 8,
             qPrintable(corner.name() + " vs " + expected.name()));
}

void TestPhotoWindow::startWithoutAPicture()
{
    folder();
    ModalAnswerer answerer; // expects nothing: an empty clipboard is no reason for a message
    const PhotoControls& ui = startWith({});
    window().reportStartProblems();
    QTest::qWait(50);
    QVERIFY(!ui.Image1->hasImage());
    QVERIFY(!ui.Picture1->hasImage());
    QVERIFY(!ui.Picture2->hasImage());
    QVERIFY_ANSWERED(answerer);
}

void TestPhotoWindow::refreshShowsNewCaptureOrStartupCaptureUnscaled()
{
    const QImage first = patternPicture(400, 300);
    const PhotoControls& ui = startWith(first);
    const QImage second = patternPicture(200, 100, 77);
    setClipboardPicture(second);
    ui.Command8->click();
    QCOMPARE(ui.Image1->image(), second);
    QCOMPARE(ui.Picture1->image(), first);
    QCOMPARE(ui.Picture2->image(), first);

    setClipboardPicture({});
    ui.Command8->click();
    QVERIFY(!ui.Image1->hasImage());
    QCOMPARE(ui.Picture1->image(), first);
    // The start-up capture shows through, unscaled from the top-left corner.
    const QImage shown = ui.Picture1->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(160, 120), QPoint(37, 91)})
        QCOMPARE(QColor(shown.pixel(p)), QColor(first.pixel(p)));
}

void TestPhotoWindow::copyPreviewRendersWhatTheBoxShows()
{
    const PhotoControls& ui = startWith(halves(3840, 2160));
    qel::photo::copyPreview(*ui.Picture1, *ui.Image1, *ui.Picture2);
    QImage copy = ui.Picture2->image();
    QCOMPARE(copy.size(), QSize(161, 121));
    QCOMPARE(QColor(copy.pixel(5, 60)), QColor(255, 0, 0));
    QCOMPARE(QColor(copy.pixel(155, 60)), QColor(0, 0, 255));

    // With Image1 emptied the box shows its own picture unscaled, and so does the copy.
    const QImage small = patternPicture(100, 50);
    ui.Picture1->setImage(small);
    setClipboardPicture({});
    ui.Command8->click();
    qel::photo::copyPreview(*ui.Picture1, *ui.Image1, *ui.Picture2);
    copy = ui.Picture2->image();
    QCOMPARE(copy.size(), QSize(161, 121));
    QCOMPARE(QColor(copy.pixel(99, 49)), QColor(small.pixel(99, 49)));
    QCOMPARE(QColor(copy.pixel(150, 100)), QColor(192, 192, 192)); // the buffer's grey
}

void TestPhotoWindow::translucentCaptureIsOnGreyEverywhere()
{
    SimFolder& sim = folder();
    const PhotoControls& ui = startWith(patternPicture(400, 300));
    // Clear on the left, half-transparent red on the right.
    QImage translucent(161, 121, QImage::Format_ARGB32);
    translucent.fill(Qt::transparent);
    for (int y = 0; y < 121; ++y)
        for (int x = 80; x < 161; ++x)
            translucent.setPixel(x, y, qRgba(255, 0, 0, 128));
    setClipboardPicture(translucent);
    ui.Command8->click();
    ui.Text3->setText(QStringLiteral("glass.bmp"));
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command1->click();
    answerer.expectSaved(false);
    ui.Command5->click();
    QVERIFY_ANSWERED(answerer);

    const QColor grey(192, 192, 192);
    const QImage preview = ui.Image1->grab().toImage();
    const bmpcheck::File scenario = readBmp(sim, QStringLiteral("qel/glass.bmp"));
    const bmpcheck::File full = readBmp(sim, QStringLiteral("glass.bmp"));
    QVERIFY2(scenario.problem.isEmpty() && full.problem.isEmpty(),
             qPrintable(scenario.problem + full.problem));
    for (const QPoint p : {QPoint(3, 3), QPoint(40, 100), QPoint(79, 60)}) {
        QCOMPARE(scenario.pixel(p.x(), p.y()), grey);
        QCOMPARE(full.pixel(p.x(), p.y()), grey);
        QCOMPARE(
            QColor(preview.pixel(preview.width() * p.x() / 161, preview.height() * p.y() / 121)),
            grey);
    }
    // Half red over grey, the same in both files.
    const QColor blended = scenario.pixel(120, 60);
    QVERIFY2(qAbs(blended.red() - 224) <= 1 && qAbs(blended.green() - 96) <= 1,
             qPrintable(blended.name()));
    QCOMPARE(full.pixel(120, 60), blended);
}

void TestPhotoWindow::scenarioPictureNewName()
{
    SimFolder& sim = folder();
    const PhotoControls& ui = startWith(halves(1024, 768));
    ui.Text3->setText(QStringLiteral("meigs.BMP"));
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command1->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(sim.entries(QStringLiteral("qel")), QStringList{QStringLiteral("meigs.BMP")});
    const bmpcheck::File file = readBmp(sim, QStringLiteral("qel/meigs.BMP"));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.bytes.size(), 58618);
    QCOMPARE(file.width, 161);
    QCOMPARE(file.height, 121);
    QCOMPARE(file.pixel(3, 3), QColor(255, 0, 0));
    QCOMPARE(file.pixel(157, 117), QColor(0, 0, 255));
    QCOMPARE(ui.Text3->text(), QStringLiteral("meigs.BMP")); // the name box keeps its text
    QCOMPARE(sim.entries(), (QStringList{QStringLiteral("pilots"), QStringLiteral("qel")}));
}

void TestPhotoWindow::scenarioPictureExistingName()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/View.BMP"), "old picture");
    const PhotoControls& ui = startWith(halves(640, 480));
    ui.Text3->setText(QStringLiteral("view.bmp"));

    {
        ModalAnswerer no;
        no.expectOverwriteQuestion(QMessageBox::No);
        ui.Command1->click();
        QVERIFY_ANSWERED(no);
    }
    QCOMPARE(sim.read(QStringLiteral("qel/View.BMP")), QByteArray("old picture"));
    QCOMPARE(sim.entries(QStringLiteral("qel")), QStringList{QStringLiteral("View.BMP")});

    ModalAnswerer yes;
    yes.expectOverwriteQuestion(QMessageBox::Yes);
    yes.expectSaved(true);
    ui.Command1->click();
    QVERIFY_ANSWERED(yes);
    // The file that was asked about is the one replaced; no second spelling appears.
    QCOMPARE(sim.entries(QStringLiteral("qel")), QStringList{QStringLiteral("View.BMP")});
    const bmpcheck::File file = readBmp(sim, QStringLiteral("qel/View.BMP"));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.bytes.size(), 58618);
}

void TestPhotoWindow::fullScreenPhoto()
{
    SimFolder& sim = folder();
    const QImage capture = patternPicture(1920, 1080, 5);
    const PhotoControls& ui = startWith(capture);
    const QImage bufferBefore = ui.Picture2->image();
    ui.Text3->setText(QStringLiteral("shot.bmp"));
    {
        ModalAnswerer answerer;
        answerer.expectSaved(false);
        ui.Command5->click();
        QVERIFY_ANSWERED(answerer);
    }
    const bmpcheck::File file = readBmp(sim, QStringLiteral("shot.bmp"));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.width, 1920);
    QCOMPARE(file.height, 1080);
    QCOMPARE(file.bytes.size(), 54 + 5760 * 1080);
    for (int y = 0; y < 1080; y += 97)
        for (int x = 0; x < 1920; x += 131)
            QCOMPARE(file.pixel(x, y), QColor(capture.pixel(x, y)));
    QCOMPARE(file.pixel(1919, 1079), QColor(capture.pixel(1919, 1079)));
    QCOMPARE(ui.Picture2->image(), bufferBefore); // no preview copy for this save

    ModalAnswerer again;
    again.expectOverwriteQuestion(QMessageBox::No);
    setClipboardPicture(patternPicture(10, 10));
    ui.Command8->click();
    ui.Command5->click();
    QVERIFY_ANSWERED(again);
    QCOMPARE(readBmp(sim, QStringLiteral("shot.bmp")).width, 1920);
}

void TestPhotoWindow::fullScreenPhotoInTheFormatItsNameAsksFor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format"); // "bmp", "png" or "jpeg"
    for (const char* png : {"shot.png", "Shot.PNG", "shot.bmp.pNg"})
        QTest::newRow(png) << QString::fromLatin1(png) << QByteArray("png");
    for (const char* jpeg : {"shot.jpg", "SHOT.JPG", "shot.jpeg", "shot.JpEg"})
        QTest::newRow(jpeg) << QString::fromLatin1(jpeg) << QByteArray("jpeg");
    for (const char* bitmap : {"shot.bmp", "SHOT.BMP", "shot", "shot.gif", "shot.png.txt",
                               "shotpng", "shot.pn", "shot.jpe", "shot.png~"})
        QTest::newRow(bitmap) << QString::fromLatin1(bitmap) << QByteArray("bmp");
}

void TestPhotoWindow::fullScreenPhotoInTheFormatItsNameAsksFor()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    SimFolder& sim = folder();
    const QImage capture = patternPicture(67, 45, 9);
    const PhotoControls& ui = startWith(capture);
    ui.Text3->setText(name);
    ModalAnswerer answerer;
    const bool writable = format == "bmp" || QImageWriter::supportedImageFormats().contains(format);
    if (writable)
        answerer.expectSaved(false);
    else // Qt built without the plug-in (the Windows build's JPEG): told before anything is done
        answerer.expectFailure(QStringLiteral("cannot write"));
    ui.Command5->click();
    QVERIFY_ANSWERED(answerer);
    if (!writable) {
        QCOMPARE(sim.entries(), (QStringList{QStringLiteral("pilots"), QStringLiteral("qel")}));
        return;
    }
    const QByteArray bytes = sim.read(name);
    if (format == "bmp") {
        // The bitmap's bytes from the file layout: headers, then rows bottom-up in blue, green,
        // red, each padded to four bytes.
        QByteArray expected = bmpbytes::header24(67, 45);
        expected.replace(38, 8, QByteArray(8, '\0')); // no resolution given
        for (int y = 44; y >= 0; --y) {
            for (int x = 0; x < 67; ++x) {
                const QRgb p = capture.pixel(x, y);
                expected.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
            }
            expected.append(3, '\0'); // 201 bytes a row, padded to 204
        }
        QCOMPARE(bytes, expected);
        return;
    }
    // The file's own signature, then the decoder of the format named explicitly.
    QVERIFY(bytes.startsWith(format == "png" ? QByteArray("\x89PNG\r\n\x1a\n")
                                             : QByteArray("\xff\xd8\xff")));
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    QCOMPARE(reader.size(), QSize(67, 45));
    const QImage read = reader.read();
    if (format == "png")
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), capture);
    else
        QVERIFY(!read.isNull());
}

void TestPhotoWindow::scenarioPictureNeedsTheBitmapEnding_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"lake", "lake.png", "lake.bmp.txt", "lake.bm", "lakebmp", "lake.dib"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPhotoWindow::scenarioPictureNeedsTheBitmapEnding()
{
    QFETCH(QString, name);
    SimFolder& sim = folder();
    const PhotoControls& ui = startWith(patternPicture(50, 50));
    ui.Text3->setText(name);
    ModalAnswerer answerer;
    // Why, and the name to type instead.
    answerer.expectFailure(QStringLiteral("would never be shown there. Nothing was saved.\nType "
                                          "\"%1.bmp\" into the name box")
                               .arg(name));
    ui.Command1->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(sim.entries(), (QStringList{QStringLiteral("pilots"), QStringLiteral("qel")}));
    QVERIFY(sim.entries(QStringLiteral("qel")).isEmpty());
}

void TestPhotoWindow::fullScreenPhotoAsksOnlyAboutTheWorkingFolder()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/photo.bmp"), "scenario picture");
    const PhotoControls& ui = startWith(patternPicture(64, 48));
    ui.Text3->setText(QStringLiteral("photo.bmp"));
    {
        ModalAnswerer first;
        first.expectSaved(false);
        ui.Command5->click();
        QVERIFY_ANSWERED(first);
    }
    QCOMPARE(sim.read(QStringLiteral("qel/photo.bmp")), QByteArray("scenario picture"));
    QCOMPARE(readBmp(sim, QStringLiteral("photo.bmp")).bytes.size(), 54 + 192 * 48);

    ModalAnswerer second;
    second.expectOverwriteQuestion(QMessageBox::Yes);
    second.expectSaved(true);
    ui.Command5->click();
    QVERIFY_ANSWERED(second);
}

void TestPhotoWindow::unusableNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("scenario");
    const QStringList names{QStringLiteral("???.bmp"), QString(), QStringLiteral("../x.bmp"),
                            QStringLiteral("qel/x.bmp"), QStringLiteral("*.bmp")};
    for (const QString& n : names) {
        QTest::addRow("scenario picture \"%s\"", qPrintable(n)) << n << true;
        QTest::addRow("full-screen photo \"%s\"", qPrintable(n)) << n << false;
    }
}

void TestPhotoWindow::unusableNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, scenario);
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/x.bmp"), "keep");
    const PhotoControls& ui = startWith(patternPicture(50, 50));
    ui.Text3->setText(name);
    ModalAnswerer answerer;
    answerer.expectFailure(QStringLiteral("cannot be used as a file name"));
    (scenario ? ui.Command1 : ui.Command5)->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(sim.entries(), (QStringList{QStringLiteral("pilots"), QStringLiteral("qel")}));
    QCOMPARE(sim.entries(QStringLiteral("qel")), QStringList{QStringLiteral("x.bmp")});
    QCOMPARE(sim.read(QStringLiteral("qel/x.bmp")), QByteArray("keep"));
}

void TestPhotoWindow::noPictureNothingWritten()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/a.bmp"), "keep");
    sim.write(QStringLiteral("a.bmp"), "keep too");
    const PhotoControls& ui = startWith({});
    ui.Text3->setText(QStringLiteral("a.bmp"));
    ModalAnswerer answerer;
    answerer.expectFailure(QStringLiteral("no picture"));
    answerer.expectFailure(QStringLiteral("no picture"));
    ui.Command1->click();
    ui.Command5->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(sim.read(QStringLiteral("qel/a.bmp")), QByteArray("keep"));
    QCOMPARE(sim.read(QStringLiteral("a.bmp")), QByteArray("keep too"));
}

void TestPhotoWindow::noQelFolder()
{
    SimFolder& sim = folder(true, false);
    const PhotoControls& ui = startWith(patternPicture(50, 50));
    ui.Text3->setText(QStringLiteral("a.bmp"));
    ModalAnswerer answerer;
    answerer.expectFailure(foldertexts::noQelAtPhotoToolStart());
    window().reportStartProblems();
    answerer.expectFailure(foldertexts::noQelToSavePicture());
    ui.Command1->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(sim.entries(), QStringList{QStringLiteral("pilots")});
}

void TestPhotoWindow::failedWriteIsReported()
{
    SimFolder& sim = folder();
    sim.mkdir(QStringLiteral("taken.bmp"));
    const PhotoControls& ui = startWith(patternPicture(50, 50));
    ui.Text3->setText(QStringLiteral("taken.bmp"));
    ModalAnswerer answerer;
    answerer.expectFailure(QStringLiteral("could not be saved as taken.bmp"));
    ui.Command5->click(); // no "File Saved!" follows
    QVERIFY_ANSWERED(answerer);
    QVERIFY(QFileInfo(sim.filePath(QStringLiteral("taken.bmp"))).isDir());

    // Told before any question, so a "Yes" is never refused; the path as the system writes it.
    sim.write(QStringLiteral("qel/sky.bmp"), "old");
    QFile::setPermissions(sim.filePath(QStringLiteral("qel/sky.bmp")), QFileDevice::ReadOwner);
    ui.Text3->setText(QStringLiteral("sky.bmp"));
    answerer.expectFailure(
        QStringLiteral("could not be saved as %1.\nThe existing file is read-only")
            .arg(QDir::toNativeSeparators(QStringLiteral("qel/sky.bmp"))));
    ui.Command1->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(sim.read(QStringLiteral("qel/sky.bmp")), QByteArray("old"));
}

// Windows opens a long-named file by its short 8.3 name too: that is the same file.
void TestPhotoWindow::fullScreenPhotoUnderAShortName()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("My best shots.bmp"), "old");
    const QString alias = shortAlias(sim.filePath(QStringLiteral("My best shots.bmp")));
    if (alias.isEmpty())
        QSKIP("the system gives no short names");
    const PhotoControls& ui = startWith(patternPicture(64, 48));
    ui.Text3->setText(alias);
    ModalAnswerer answerer;
    answerer.expectOverwriteQuestion(QMessageBox::Yes, QStringLiteral("My best shots.bmp"));
    answerer.expectSaved(true);
    ui.Command5->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(readBmp(sim, QStringLiteral("My best shots.bmp")).width, 64);
    QCOMPARE(sim.entries().size(), 3); // with pilots and qel
}

// Where names differ in letter case (Linux), the file on disk is the one asked about and replaced.
void TestPhotoWindow::scenarioPictureInAnotherLetterCase()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("qel/sky.bmp"), "old");
    const PhotoControls& ui = startWith(patternPicture(64, 48));
    ui.Text3->setText(QStringLiteral("Sky.bmp"));
    ModalAnswerer answerer;
    answerer.expectOverwriteQuestion(QMessageBox::Yes,
                                     QDir::toNativeSeparators(QStringLiteral("qel/sky.bmp")));
    answerer.expectSaved(true);
    ui.Command1->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(sim.read(QStringLiteral("qel/sky.bmp")).startsWith("BM"));
    QVERIFY(!sim.entries(QStringLiteral("qel")).contains(QStringLiteral("Sky.bmp")));
}

void TestPhotoWindow::autoSaveReadsTheClipboardAfresh()
{
    SimFolder& sim = folder();
    sim.write(QStringLiteral("1.bmp"), "older photo");
    const PhotoControls& ui = startWith(patternPicture(30, 20));
    const QImage fresh = halves(800, 600);
    setClipboardPicture(fresh); // taken while the tool is open, no "Refresh Window"
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(ui.Image1->image(), fresh);
    QCOMPARE(sim.read(QStringLiteral("2.bmp")), QByteArray("older photo"));
    const bmpcheck::File file = readBmp(sim, QStringLiteral("1.bmp"));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.width, 800);
    QCOMPARE(file.pixel(0, 599), QColor(255, 0, 0));
    QCOMPARE(file.pixel(799, 0), QColor(0, 0, 255));
}

void TestPhotoWindow::autoSaveWithEmptyClipboardTouchesNothing()
{
    SimFolder& sim = folder();
    for (int n = 1; n <= 10; ++n)
        sim.write(QStringLiteral("%1.bmp").arg(n), QByteArray::number(n));
    const PhotoControls& ui = startWith(patternPicture(30, 20));
    setClipboardPicture({});
    ModalAnswerer answerer;
    answerer.expectFailure(QStringLiteral("holds no picture"));
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(!ui.Image1->hasImage());
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(sim.read(QStringLiteral("%1.bmp").arg(n)), QByteArray::number(n));
}

void TestPhotoWindow::exitEndsTheProgram()
{
    const PhotoControls& ui = startWith(patternPicture(30, 20));
    QEventLoop loop;
    QTimer::singleShot(0, ui.Command6, &QPushButton::click);
    QTimer::singleShot(3000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0); // ended by "Exit", not by the time-out
}

QTEST_MAIN(TestPhotoWindow)
#include "tst_photowindow.moc"
