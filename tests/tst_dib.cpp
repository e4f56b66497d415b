// Device-independent bitmaps as the clipboard holds them: every layout read to its pixels, and
// damaged ones refused.
#include "bmpbytes.h"
#include "dib.h"
#include "dibpictures.h"
#include "systemclipboard.h"
#include "winclipboard.h"

#include <QtTest>

#include <algorithm>

class TestDib : public QObject {
    Q_OBJECT
private slots:
    void clipboardBitmaps_data();
    void clipboardBitmaps();
    void clipboardBitmapLayouts_data();
    void clipboardBitmapLayouts();
};

void TestDib::clipboardBitmaps_data()
{
    using bmpbytes::dibHeader;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRgb>>("pixels"); // top row first; none when refused
    QTest::addColumn<bool>("damaged");
    // Rows of 2 pixels (blue, green, red), padded to 4 bytes.
    const QByteArray rows24("\x03\x02\x01\x06\x05\x04\0\0\x30\x20\x10\x60\x50\x40\0\0", 16);
    const QList<QRgb> upper{qRgb(0x10, 0x20, 0x30), qRgb(0x40, 0x50, 0x60)};
    const QList<QRgb> lower{qRgb(1, 2, 3), qRgb(4, 5, 6)};
    QTest::newRow("24 bits, bottom-up")
        << dibHeader(40, 2, 2, 24, 0) + rows24 << QSize(2, 2) << upper + lower << false;
    QTest::newRow("24 bits, top-down")
        << dibHeader(40, 2, -2, 24, 0) + rows24 << QSize(2, 2) << lower + upper << false;
    QTest::newRow("32 bits, alpha ignored")
        << dibHeader(40, 2, 1, 32, 0) + QByteArray("\x03\x02\x01\0\x06\x05\x04\x80", 8)
        << QSize(2, 1) << lower << false;
    QTest::newRow("32 bits, V5 header with an alpha mask")
        << dibHeader(124, 2, 1, 32, 0, {0xff0000, 0xff00, 0xff, 0xff000000}) +
               QByteArray("\x03\x02\x01\0\x06\x05\x04\x80", 8)
        << QSize(2, 1) << lower << false;
    // Red in the second byte, green in the third, blue in the fourth.
    const QList<quint32> masks{0x0000ff00, 0x00ff0000, 0xff000000};
    const QByteArray rows32("\x99\x01\x02\x03\x99\x04\x05\x06", 8);
    QTest::newRow("32 bits, masks after the header")
        << dibHeader(40, 2, 1, 32, 3, masks) + rows32 << QSize(2, 1) << lower << false;
    QTest::newRow("32 bits, masks in a V5 header")
        << dibHeader(124, 2, 1, 32, 3, masks) + rows32 << QSize(2, 1) << lower << false;
    // 2:10:10:10, ten bits a colour and two of alpha, which is ignored.
    const QList<quint32> tenBits{0x3ff00000, 0x000ffc00, 0x000003ff};
    QTest::newRow("32 bits, ten bits a colour")
        << dibHeader(40, 2, 1, 32, 3, tenBits) + QByteArray("\x05\x00\xf8\xff\x00\xf1\x4f\x00", 8)
        << QSize(2, 1) << QList<QRgb>{qRgb(255, 128, 1), qRgb(1, 255, 64)} << false;
    QTest::newRow("larger than 16384 x 16384") << dibHeader(40, 16385, 16384, 24, 0) + rows24
                                               << QSize(16385, 16384) << QList<QRgb>() << false;
    QTest::newRow("pixels cut short")
        << dibHeader(40, 2, 3, 24, 0) + rows24 << QSize() << QList<QRgb>() << true;
    QTest::newRow("no rows") << dibHeader(40, 2, 0, 24, 0) + rows24 << QSize() << QList<QRgb>()
                             << true;
    // A table of two colours (the count at offset 32), then indexes 1, 0 and one past the table.
    const QByteArray twoColours = dibHeader(40, 3, 1, 8, 0).replace(32, 1, "\x02", 1) +
                                  QByteArray("\x03\x02\x01\0\x06\x05\x04\0\x01\x00\x07\0", 12);
    QTest::newRow("8 bits, colour table")
        << twoColours << QSize(3, 1) << QList<QRgb>{lower[1], lower[0], qRgb(0, 0, 0)} << false;
    // No count: a table of all 256 colours (entry n is n, n, n), then indexes 0 and 255, top-down.
    QByteArray grey = dibHeader(40, 2, -1, 8, 0);
    for (int n = 0; n < 256; ++n)
        grey += QByteArray(3, char(n)) + '\0';
    QTest::newRow("8 bits, all 256 colours")
        << grey + QByteArray("\x00\xff\0\0", 4) << QSize(2, 1)
        << QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)} << false;
    // Read as runs, the first draws three pixels into a row of two.
    QTest::newRow("8 bits, run-length encoded")
        << dibHeader(40, 2, 2, 8, 1) + rows24 << QSize() << QList<QRgb>() << true;
}

void TestDib::clipboardBitmaps()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QList<QRgb>, pixels);
    QFETCH(bool, damaged);
    const qel::dib::Picture picture = qel::dib::fromPacked(bytes, 16384LL * 16384);
    QCOMPARE(picture.size, size);
    QCOMPARE(picture.damaged, damaged);
    QCOMPARE(picture.image.isNull(), pixels.isEmpty());
    QList<QRgb> read;
    for (int y = 0; y < picture.image.height(); ++y)
        for (int x = 0; x < picture.image.width(); ++x)
            read << picture.image.pixel(x, y);
    QCOMPARE(read, pixels);
}

void TestDib::clipboardBitmapLayouts_data()
{
    using dibpictures::Layout;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QRgb>>("pixels"); // none when the bitmap is damaged
    const QList<quint32> masks565{0xf800, 0x07e0, 0x001f};
    for (Layout l : {Layout{.bits = 1}, Layout{.bits = 4}, Layout{.bits = 4, .compression = 2},
                     Layout{.bits = 8}, Layout{.bits = 8, .compression = 1}, Layout{.bits = 16},
                     Layout{.bits = 16, .compression = 3, .masks = masks565},
                     Layout{.bits = 16, .compression = 3, .masks = masks565, .headerSize = 124},
                     Layout{.bits = 24}, Layout{.bits = 32},
                     Layout{.bits = 32, .compression = 3, .masks = {0xff, 0xff00, 0xff0000}},
                     Layout{.bits = 32, .headerSize = 124},
                     Layout{.bits = 32,
                     .compression = 3,
                     .masks = {0xff0000, 0xff00, 0xff},
                     .headerSize = 124}}) {
        const QByteArray name = QByteArray::number(l.bits) + " bits, compression " +
                                QByteArray::number(l.compression) + ", header " +
                                QByteArray::number(l.headerSize);
        QTest::newRow(name) << l.bytes() << l.pixels();
        l.topDown = true; // which compressed rows never are
        QTest::newRow(name + ", top-down") << l.bytes() << (l.runs() ? QList<QRgb>() : l.pixels());
        l.topDown = false;
        if (!l.runs())
            continue;
        // Runs that leave the picture, or a move over the bottom row, which stays the first
        // colour.
        const QByteArray whole = l.bytes();
        const qsizetype runs = whole.size() - 3 * (l.bits == 8 ? 10 : 8) - 2;
        QTest::newRow(name + ", a run past the row's end")
            << QByteArray(whole).replace(runs, 1, "\x04", 1) << QList<QRgb>();
        QTest::newRow(name + ", a run above the top row")
            << QByteArray(whole).insert(whole.size() - 2, "\x01\x00", 2) << QList<QRgb>();
        QTest::newRow(name + ", a move out of the picture")
            << QByteArray(whole).insert(runs, "\x00\x02\x00\x04", 4) << QList<QRgb>();
        QList<QRgb> skipped = l.pixels();
        std::fill(skipped.end() - dibpictures::width, skipped.end(), dibpictures::paletteColour(0));
        QTest::newRow(name + ", a move over the bottom row")
            << QByteArray(whole).replace(runs, l.bits == 8 ? 10 : 8, "\x00\x02\x00\x01", 4)
            << skipped;
    }
}

// Each bitmap whole and then cut short to every length below its own: all its pixels read, or
// refused as damaged, never a pixel from the memory beyond its bytes (filled with a colour of
// its own). On Windows also through the clipboard, the bytes alone in memory of their size.
void TestDib::clipboardBitmapLayouts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QRgb>, pixels);
    for (qsizetype size = pixels.isEmpty() ? bytes.size() : 1; size <= bytes.size(); ++size) {
        const QByteArray memory = bytes.left(size) + QByteArray(1024, '\xc3');
        QList<qel::dib::Picture> read{
            qel::dib::fromPacked(QByteArrayView(memory.constData(), size), 16384LL * 16384)};
        if (putDibOnClipboard(bytes.left(size)))
            read << qel::systemclipboard::screenCapture(16384LL * 16384);
#ifdef Q_OS_WIN
        QCOMPARE(read.size(), 2);
#endif
        const bool whole = size == bytes.size() && !pixels.isEmpty();
        for (const qel::dib::Picture& picture : read) {
            QVERIFY2(picture.damaged != whole, qPrintable(QString::number(size)));
            QList<QRgb> got;
            for (int i = 0; i < picture.image.width() * picture.image.height(); ++i)
                got << picture.image.pixel(i % picture.image.width(), i / picture.image.width());
            QCOMPARE(got, whole ? pixels : QList<QRgb>());
        }
    }
}

QTEST_MAIN(TestDib)
#include "tst_dib.moc"
