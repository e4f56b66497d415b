// The photo tool keeps a full-screen capture in memory once: reading an unchanged clipboard again
// ("Refresh Window", "AutoSave  ") keeps the picture the window already holds.
#include "modalanswerer.h"
#include "photo_bmpcheck.h"
#include "photofixture.h"

#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

namespace {

// Offered as PNG bytes only, as X11 programs offer captures: every read decodes a new picture.
void offerPng(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data);
}

const uchar* bitsOf(const qel::ImageView* view)
{
    return view->image().constBits();
}

} // namespace

class TestPhotoShare : public PhotoFixture {
    Q_OBJECT
private slots:
    void startUpReadsOnce();
    void refreshOfUnchangedClipboardKeepsThePicture();
    void refreshOfNewCaptureShowsIt();
    void autoSaveOfUnchangedClipboardKeepsThePicture();
    void autoSaveDecodesOnlyAChangedClipboard();
};

void TestPhotoShare::startUpReadsOnce()
{
    offerPng(patternPicture(64, 48, 1));
    const PhotoControls& ui = start();
    QVERIFY(ui.Image1->hasImage());
    QCOMPARE(bitsOf(ui.Picture1), bitsOf(ui.Image1));
    QCOMPARE(bitsOf(ui.Picture2), bitsOf(ui.Image1));
}

void TestPhotoShare::refreshOfUnchangedClipboardKeepsThePicture()
{
    offerPng(patternPicture(64, 48, 1));
    const PhotoControls& ui = start();
    ui.Command8->click();
    QCOMPARE(bitsOf(ui.Image1), bitsOf(ui.Picture1));
    QCOMPARE(ui.Image1->image(), patternPicture(64, 48, 1));
}

void TestPhotoShare::refreshOfNewCaptureShowsIt()
{
    offerPng(patternPicture(64, 48, 1));
    const PhotoControls& ui = start();
    offerPng(patternPicture(64, 48, 2));
    ui.Command8->click();
    QCOMPARE(ui.Image1->image(), patternPicture(64, 48, 2));
    QCOMPARE(ui.Picture1->image(), patternPicture(64, 48, 1)); // the start-up capture stays
    // Same size, other content; and a capture of another size.
    offerPng(patternPicture(32, 48, 2));
    ui.Command8->click();
    QCOMPARE(ui.Image1->image(), patternPicture(32, 48, 2));
}

void TestPhotoShare::autoSaveOfUnchangedClipboardKeepsThePicture()
{
    SimFolder& sim = folder();
    offerPng(patternPicture(64, 48, 3));
    const PhotoControls& ui = start();
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(sim.exists(QStringLiteral("1.bmp")));
    QCOMPARE(bitsOf(ui.Image1), bitsOf(ui.Picture1));
}

// Unchanged, the clipboard is not decoded again: the capture the window holds is what is saved
// (here one the test put there instead, which no decode could give). Changed, the new one is.
void TestPhotoShare::autoSaveDecodesOnlyAChangedClipboard()
{
    SimFolder& sim = folder();
    offerPng(patternPicture(64, 48, 3));
    const PhotoControls& ui = start();
    ui.Image1->setImage(patternPicture(40, 30, 4));
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    QCOMPARE(bmpcheck::read(sim.read(QStringLiteral("1.bmp"))).width, 40);

    offerPng(patternPicture(50, 20, 5));
    answerer.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    const bmpcheck::File newest = bmpcheck::read(sim.read(QStringLiteral("1.bmp")));
    QCOMPARE(QSize(newest.width, newest.height), QSize(50, 20));
    QCOMPARE(newest.pixel(7, 9), QColor(patternPicture(50, 20, 5).pixel(7, 9)));
    QCOMPARE(bmpcheck::read(sim.read(QStringLiteral("2.bmp"))).width, 40);
    QCOMPARE(ui.Image1->image(), patternPicture(50, 20, 5));
}

QTEST_MAIN(TestPhotoShare)
#include "tst_photoshare.moc"
