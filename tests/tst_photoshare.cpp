// The photo tool keeps a full-screen capture in memory once: reading an unchanged clipboard again
// ("Refresh Window", "AutoSave  ") keeps the picture the window already holds.
#include "imageview.h"
#include "modalanswerer.h"
#include "photowindow.h"
#include "simfolder.h"

#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include <memory>

using photo::PhotoWindow;

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

std::unique_ptr<PhotoWindow> started()
{
    auto form = std::make_unique<PhotoWindow>();
    form->show();
    if (!QTest::qWaitFor([&] { return form->startupDone(); }))
        qWarning("the window never read the clipboard");
    return form;
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
    auto form = started();
    QVERIFY(form->Image1->hasImage());
    QCOMPARE(bitsOf(form->Picture1), bitsOf(form->Image1));
    QCOMPARE(bitsOf(form->Picture2), bitsOf(form->Image1));
}

void TestPhotoShare::refreshOfUnchangedClipboardKeepsThePicture()
{
    offerPng(pattern(64, 48, 1));
    auto form = started();
    form->Command8->click();
    QCOMPARE(bitsOf(form->Image1), bitsOf(form->Picture1));
    QCOMPARE(form->Image1->image(), pattern(64, 48, 1));
}

void TestPhotoShare::refreshOfNewCaptureShowsIt()
{
    offerPng(pattern(64, 48, 1));
    auto form = started();
    offerPng(pattern(64, 48, 2));
    form->Command8->click();
    QCOMPARE(form->Image1->image(), pattern(64, 48, 2));
    QCOMPARE(form->Picture1->image(), pattern(64, 48, 1)); // the start-up capture stays
    // Same size, other content; and a capture of another size.
    offerPng(pattern(32, 48, 2));
    form->Command8->click();
    QCOMPARE(form->Image1->image(), pattern(32, 48, 2));
}

void TestPhotoShare::autoSaveOfUnchangedClipboardKeepsThePicture()
{
    SimFolder sim;
    offerPng(pattern(64, 48, 3));
    auto form = started();
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    form->Command7->click();
    QVERIFY_ANSWERED(answerer);
    QVERIFY(sim.exists(QStringLiteral("1.bmp")));
    QCOMPARE(bitsOf(form->Image1), bitsOf(form->Picture1));
}

QTEST_MAIN(TestPhotoShare)
#include "tst_photoshare.moc"
