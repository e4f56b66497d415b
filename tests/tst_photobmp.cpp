// The photo tool's bitmap writer. Expected bytes are written out by hand from the file layout.
#include "bmp.h"
#include "fulldevice.h"
#include "photo_bmpcheck.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

class TestPhotoBmp : public QObject {
    Q_OBJECT
private slots:
    void scenarioPictureHeader();
    void tinyPictureWholeFile();
    void rowsArePaddedToFourBytes_data();
    void rowsArePaddedToFourBytes();
    void transparencyLandsOnTheBufferGrey();
    void otherFormatsBecomeTrueColour_data();
    void otherFormatsBecomeTrueColour();
    void tallPictureInAnOddFormatKeepsEveryRow();
    void fullScreenCapture();
    void nothingToWrite();
    void refusingDeviceIsReported();
    void saveReplacesAndReportsFailures();
};

void TestPhotoBmp::scenarioPictureHeader()
{
    QImage picture(161, 121, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    const QByteArray bytes = qel::photo::bmp::encode(picture);
    QCOMPARE(bytes.size(), 58618);
    const QByteArray expected("BM"
                              "\xFA\xE4\x00\x00" // 58618 bytes in all
                              "\x00\x00\x00\x00" // reserved
                              "\x36\x00\x00\x00" // pixels at 54
                              "\x28\x00\x00\x00" // BITMAPINFOHEADER, 40 bytes
                              "\xA1\x00\x00\x00" // 161 wide
                              "\x79\x00\x00\x00" // 121 high, bottom-up
                              "\x01\x00"         // one plane
                              "\x18\x00"         // 24 bits
                              "\x00\x00\x00\x00" // BI_RGB
                              "\xC4\xE4\x00\x00" // 58564 pixel bytes: 121 rows of 484
                              "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                              54);
    QCOMPARE(bytes.left(54), expected);
    // First pixel, blue green red, and the one padding byte at the end of each 483-byte row.
    QCOMPARE(bytes.mid(54, 3), QByteArray("\x1E\x14\x0A", 3));
    QCOMPARE(bytes.at(54 + 483), '\0');
    QCOMPARE(bytes.mid(54 + 484, 3), QByteArray("\x1E\x14\x0A", 3));
}

void TestPhotoBmp::tinyPictureWholeFile()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(255, 255, 255));
    const QByteArray expected("BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00"
                              "\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00"
                              "\x00\x00\x00\x00\x10\x00\x00\x00"
                              "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                              // bottom row first: blue, white, two padding bytes
                              "\xFF\x00\x00\xFF\xFF\xFF\x00\x00"
                              // then the top row: red, green
                              "\x00\x00\xFF\x00\xFF\x00\x00\x00",
                              70);
    QCOMPARE(qel::photo::bmp::encode(picture), expected);
}

void TestPhotoBmp::rowsArePaddedToFourBytes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("rowBytes");
    QTest::newRow("1 pixel") << 1 << 4;
    QTest::newRow("2 pixels") << 2 << 8;
    QTest::newRow("3 pixels") << 3 << 12;
    QTest::newRow("4 pixels, no padding") << 4 << 12;
    QTest::newRow("5 pixels") << 5 << 16;
    QTest::newRow("1920 pixels") << 1920 << 5760;
}

void TestPhotoBmp::rowsArePaddedToFourBytes()
{
    QFETCH(int, width);
    QFETCH(int, rowBytes);
    QImage picture(width, 3, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QByteArray bytes = qel::photo::bmp::encode(picture);
    QCOMPARE(bytes.size(), 54 + 3 * rowBytes);
    QCOMPARE(qel::photo::bmp::fileSize(width, 3), qint64(54 + 3 * rowBytes));
    for (int row = 0; row < 3; ++row) {
        for (int pad = width * 3; pad < rowBytes; ++pad)
            QCOMPARE(bytes.at(54 + row * rowBytes + pad), '\0');
        QCOMPARE(quint8(bytes.at(54 + row * rowBytes + width * 3 - 1)), quint8(0xFF));
    }
}

void TestPhotoBmp::transparencyLandsOnTheBufferGrey()
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));     // clear
    picture.setPixel(1, 0, qRgba(255, 0, 0, 128)); // half red
    picture.setPixel(2, 0, qRgba(0, 0, 255, 255)); // solid blue
    const bmpcheck::File file = bmpcheck::read(qel::photo::bmp::encode(picture));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.pixel(0, 0), QColor(192, 192, 192));
    // 255·128/255 + 192·127/255 ≈ 224 red, 192·127/255 ≈ 96 green and blue.
    const QColor half = file.pixel(1, 0);
    QVERIFY2(qAbs(half.red() - 224) <= 1 && qAbs(half.green() - 96) <= 1 &&
                 qAbs(half.blue() - 96) <= 1,
             qPrintable(half.name()));
    QCOMPARE(file.pixel(2, 0), QColor(0, 0, 255));
}

void TestPhotoBmp::otherFormatsBecomeTrueColour_data()
{
    QTest::addColumn<QImage>("picture");
    QImage palette(4, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 255), qRgb(255, 255, 0)}); // exact in 16 bits too
    palette.fill(0);
    palette.setPixel(3, 1, 1);
    QTest::newRow("palette") << palette;
    QTest::newRow("16 bit") << palette.convertToFormat(QImage::Format_RGB16);
    QTest::newRow("RGB888") << palette.convertToFormat(QImage::Format_RGB888);
    QTest::newRow("straight alpha, opaque") << palette.convertToFormat(QImage::Format_ARGB32);
    QTest::newRow("premultiplied") << palette.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TestPhotoBmp::otherFormatsBecomeTrueColour()
{
    QFETCH(QImage, picture);
    const bmpcheck::File file = bmpcheck::read(qel::photo::bmp::encode(picture));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.width, 4);
    QCOMPARE(file.height, 2);
    QCOMPARE(file.pixel(0, 0), QColor(0, 0, 255));
    QCOMPARE(file.pixel(2, 1), QColor(0, 0, 255));
    QCOMPARE(file.pixel(3, 1), QColor(255, 255, 0));
}

void TestPhotoBmp::tallPictureInAnOddFormatKeepsEveryRow()
{
    // Converted a few rows at a time: every row must still land in its place.
    QImage picture(7, 300, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours << qRgb(i, 255 - i, i / 2);
    picture.setColorTable(colours);
    for (int y = 0; y < 300; ++y)
        picture.scanLine(y)[0] = uchar(y % 256), picture.scanLine(y)[6] = uchar((y * 7) % 256);
    const bmpcheck::File file = bmpcheck::read(qel::photo::bmp::encode(picture));
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    for (int y = 0; y < 300; ++y) {
        QCOMPARE(file.pixel(0, y), QColor(colours[y % 256]));
        QCOMPARE(file.pixel(6, y), QColor(colours[(y * 7) % 256]));
    }
}

void TestPhotoBmp::fullScreenCapture()
{
    QImage capture(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < 1080; ++y) {
        auto* line = reinterpret_cast<QRgb*>(capture.scanLine(y));
        for (int x = 0; x < 1920; ++x)
            line[x] = qRgb(x % 256, y % 256, (x / 256 + y / 256) * 16);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shot.bmp"));
    QCOMPARE(qel::photo::bmp::save(path, capture), QString());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const bmpcheck::File file = bmpcheck::read(written.readAll());
    QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
    QCOMPARE(file.bytes.size(), 54 + 5760 * 1080);
    for (const QPoint p : {QPoint(0, 0), QPoint(1919, 0), QPoint(0, 1079), QPoint(1919, 1079),
                           QPoint(777, 555), QPoint(1000, 300)})
        QCOMPARE(file.pixel(p.x(), p.y()), QColor(capture.pixel(p)));
    // Each row in its place, across the bands the picture is written in.
    for (int y = 0; y < 1080; ++y)
        QCOMPARE(file.pixel(1919, y), QColor(capture.pixel(1919, y)));
}

void TestPhotoBmp::nothingToWrite()
{
    QCOMPARE(qel::photo::bmp::encode(QImage()), QByteArray());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.bmp"));
    QVERIFY(!qel::photo::bmp::save(path, QImage()).isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestPhotoBmp::refusingDeviceIsReported()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray storage;
    QBuffer readOnly(&storage);
    readOnly.open(QIODevice::ReadOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QVERIFY(!qel::photo::bmp::write(readOnly, picture));
    // A device that fills up part-way through a full-screen picture.
    QImage capture(1920, 1080, QImage::Format_RGB32);
    capture.fill(Qt::blue);
    FullDevice full(3 << 20);
    QVERIFY(!qel::photo::bmp::write(full, capture));
    QVERIFY(full.taken() < 3 << 20);
}

void TestPhotoBmp::saveReplacesAndReportsFailures()
{
    QTemporaryDir dir;
    QImage picture(1, 1, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QString path = dir.filePath(QStringLiteral("a.bmp"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old bytes");
    old.close();
    QCOMPARE(qel::photo::bmp::save(path, picture), QString());
    QFile replaced(path);
    QVERIFY(replaced.open(QIODevice::ReadOnly));
    QCOMPARE(replaced.readAll().size(), 58);

    // A folder in the way and a missing folder: a reason, nothing written.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.bmp")));
    QVERIFY(!qel::photo::bmp::save(dir.filePath(QStringLiteral("taken.bmp")), picture).isEmpty());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken.bmp"))).isDir());
    QVERIFY(!qel::photo::bmp::save(dir.filePath(QStringLiteral("no/such.bmp")), picture).isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("a.bmp"), QStringLiteral("taken.bmp")}));
}

QTEST_GUILESS_MAIN(TestPhotoBmp)
#include "tst_photobmp.moc"
