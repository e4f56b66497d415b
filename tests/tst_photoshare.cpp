// The photo tool keeps a full-screen capture in memory once: reading an unchanged clipboard again
// ("Refresh Window", "AutoSave  ") keeps the picture the window already holds.
#include "modalanswerer.h"
#include "photocontrols.h"
#include "simfolder.h"

#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

namespace {

QImage pattern(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x + seed) % 256, (y * 3 + seed) % 256, (x ^ y) % 256));
    return image;
}

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

class TestPhotoShare : public QObject {
    Q_OBJECT
private slots:
    void startUpReadsOnce();
    void refreshOfUnchangedClipboardKeepsThePicture();
    void refreshOfNewCaptureShowsIt();
    void autoSaveOfUnchangedClipboardKeepsThePicture();
};

void TestPhotoShare::startUpReadsOnce()
{
    offerPng(pattern(64, 48, 1));
    auto form = startedPhotoWindow();
    const PhotoControls ui(*form);
    QVERIFY(ui.Image1->hasImage());
    QCOMPARE(bitsOf(ui.Picture1), bitsOf(ui.Image1));
    QCOMPARE(bitsOf(ui.Picture2), bitsOf(ui.Image1));
}

void TestPhotoShare::refreshOfUnchangedClipboardKeepsThePicture()
{
    offerPng(pattern(64, 48, 1));
    auto form = startedPhotoWindow();
    const PhotoControls ui(*form);
    ui.Command8->click();
    QCOMPARE(bitsOf(ui.Image1), bitsOf(ui.Picture1));
    QCOMPARE(ui.Image1->image(), pattern(64, 48, 1));
}

void TestPhotoShare::refreshOfNewCaptureShowsIt()
{
    offerPng(pattern(64, 48, 1));
    auto form = startedPhotoWindow();
    const PhotoControls ui(*form);
    offerPng(pattern(64, 48, 2));
    ui.Command8->click();
    QCOMPARE(ui.Image1->image(), pattern(64, 48, 2));
    QCOMPARE(ui.Picture1->image(), pattern(64, 48, 1)); // the start-up capture stays
    // Same size, other content; and a capture of another size.
    offerPng(pattern(32, 48, 2));
    ui.Command8->click();
    QCOMPARE(ui.Image1->image(), pattern(32, 48, 2));
}

void TestPhotoShare::autoSaveOfUnchangedClipboardKeepsThePicture()
{
    SimFolder sim;
    offerPng(pattern(64, 48, 3));
    auto form = startedPhotoWindow();
    const PhotoControls ui(*form);
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command7->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(sim.exists(QStringLiteral("1.bmp")));
    QCOMPARE(bitsOf(ui.Image1), bitsOf(ui.Picture1));
}

QTEST_MAIN(TestPhotoShare)
#include "tst_photoshare.moc"
