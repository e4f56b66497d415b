// With the screen scaled by 2 (QT_SCALE_FACTOR=2, as on a high-density display) the photo
// window keeps its layout in device-independent pixels, and the scenario picture it saves is
// still 161 × 121 pixels, the size every scenario picture has.
#include "modalanswerer.h"
#include "photo_bmpcheck.h"
#include "photofixture.h"

#include <QApplication>
#include <QtTest>

using qel::photo::PhotoWindow;

class TestPhotoScaling : public PhotoFixture {
    Q_OBJECT
private slots:
    void screenIsScaled();
    void windowKeepsItsLayout();
    void scenarioPictureKeepsItsSize();
};

void TestPhotoScaling::screenIsScaled()
{
    QWidget probe;
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    QCOMPARE(probe.devicePixelRatioF(), 2.0);
}

void TestPhotoScaling::windowKeepsItsLayout()
{
    folder();
    const PhotoControls& ui = startWith({});
    PhotoWindow& window = this->window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(464, 316));
    QCOMPARE(ui.Command1->geometry(), QRect(16, 128, 89, 33));
    // On screen every pixel of the layout is two.
    QCOMPARE(window.grab().size(), QSize(928, 632));
}

void TestPhotoScaling::scenarioPictureKeepsItsSize()
{
    SimFolder& sim = folder();
    // Left half red, right half blue, at the size of a full-screen capture.
    QImage capture(1024, 768, QImage::Format_RGB32);
    capture.fill(Qt::red);
    for (int y = 0; y < 768; ++y)
        for (int x = 512; x < 1024; ++x)
            capture.setPixel(x, y, qRgb(0, 0, 255));
    const PhotoControls& ui = startWith(capture);
    QVERIFY(window().startupDone());
    ui.Text3->setText(QStringLiteral("scaled.bmp"));
    ModalAnswerer answerer;
    answerer.expectSaved(false);
    ui.Command1->click();
    QVERIFY_ANSWERED(answerer);

    const bmpcheck::File file = bmpcheck::read(sim.read(QStringLiteral("qel/scaled.bmp")));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.width, 161);
    QCOMPARE(file.height, 121);
    // 54 header bytes and 121 rows of 161 pixels, 3 bytes each, padded to 484 bytes.
    QCOMPARE(file.bytes.size(), 54 + 121 * 484);
    // The whole capture, scaled once: red on the left edge, blue on the right.
    QCOMPARE(file.pixel(2, 60), QColor(255, 0, 0));
    QCOMPARE(file.pixel(158, 60), QColor(0, 0, 255));
}

int main(int argc, char* argv[])
{
    // Must be in place before the application object reads it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPhotoScaling test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_photoscaling.moc"
