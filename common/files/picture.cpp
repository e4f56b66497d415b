#include "picture.h"

#include "messagetexts.h"

#include <QFileInfo>
#include <QImageReader>

#include <QCoreApplication>
#include <cstring>

namespace qel::pictures {

namespace {

struct Decoded {
    QImage image;
    QString error;
};

// Decodes into a canvas filled with `fill` beforehand where the reader tells the picture's size
// and format first. A decoder that stops early (pixel data cut short, runs that overrun the
// picture) leaves those pixels as they were instead of failing, so the canvas is never memory
// the program used before.
Decoded decodeOnto(const QString& path, uint fill)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels) {
        return {{},
                QCoreApplication::translate(
                    "qel", "It claims to be %1 × %2 pixels, too large to be a picture "
                           "for this program.")
                    .arg(size.width())
                    .arg(size.height())};
    }
    QImage image;
    // Some format plugins answer a damaged header with a number that is no format at all; taken
    // as a number first, so that it is never used as one.
    const int formatNumber = reader.imageFormat();
    if (size.isValid() && formatNumber > QImage::Format_Invalid &&
        formatNumber < QImage::NImageFormats) {
        const auto format = QImage::Format(formatNumber);
        // Deep formats (16 bits a channel) beyond the reader's limit are left for it to refuse.
        const qint64 canvasBytes =
            qint64(size.width()) * size.height() * QImage::toPixelFormat(format).bitsPerPixel() / 8;
        if (canvasBytes <= maxPixels * 4) {
            image = QImage(size, format);
            image.fill(fill);
        }
    }
    if (!reader.read(&image) || image.isNull())
        return {{},
                QCoreApplication::translate("qel", "It is not a picture that can be shown (%1).")
                    .arg(messages::reasonInline(reader.errorString()))};
    return {image, {}};
}

// The pixels of both, byte by byte. QImage's own comparison of palette pictures looks each index
// up in the colour table, and an index beyond a short table is no colour at all.
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.colorTable() != b.colorTable())
        return false;
    const qsizetype bits = qsizetype(a.width()) * a.depth();
    const qsizetype whole = bits / 8;
    const int extra = int(bits % 8);
    // The pixels in a row's last, partly used byte of a one-bit picture.
    const uchar lastByte =
        a.format() == QImage::Format_MonoLSB ? uchar((1 << extra) - 1) : uchar(0xff00 >> extra);
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        if (std::memcmp(rowA, rowB, size_t(whole)) != 0)
            return false;
        if (extra && ((rowA[whole] ^ rowB[whole]) & lastByte))
            return false;
    }
    return true;
}

} // namespace

Loaded load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QCoreApplication::translate("qel", "The file does not exist (any more).")};
    if (!info.isFile())
        return {{}, QCoreApplication::translate("qel", "It is not a file.")};
    // Decoded twice, onto all-zero and all-one bits: any pixel the file did not set differs.
    Decoded first = decodeOnto(path, 0u);
    if (!first.error.isEmpty())
        return {{}, first.error};
    const Decoded second = decodeOnto(path, ~0u);
    if (!second.error.isEmpty())
        return {{}, second.error};
    if (!samePixels(first.image, second.image))
        return {{},
                QCoreApplication::translate(
                    "qel", "It is not a picture that can be shown (its pixel data is cut "
                           "short or does not fit the picture).")};
    return {first.image, {}};
}

void allowPicturesUpTo(qint64 pixels)
{
    QImageReader::setAllocationLimit(int(pixels * 4 / (1024 * 1024)));
}

} // namespace qel::pictures
