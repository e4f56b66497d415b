#include "dib.h"

#include <QBuffer>
#include <QImageReader>

#include <bit>

namespace qel::dib {

namespace {

constexpr quint32 uncompressed = 0; // BI_RGB
constexpr quint32 rle8 = 1;         // BI_RLE8
constexpr quint32 rle4 = 2;         // BI_RLE4
constexpr quint32 withMasks = 3;    // BI_BITFIELDS
constexpr qsizetype infoHeaderSize = 40;

quint32 le32(QByteArrayView b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

quint16 le16(QByteArrayView b, qsizetype at)
{
    return quint16(quint8(b[at]) | (quint8(b[at + 1]) << 8));
}

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits whatever the width of its mask.
struct Channel {
    quint32 mask;
    int shift;
    int bits;

    explicit Channel(quint32 m)
        : mask(m)
        , shift(m ? std::countr_zero(m) : 0)
        , bits(std::popcount(m))
    {
    }
    int value(quint32 pixel) const
    {
        const quint32 v = (pixel & mask) >> shift;
        if (bits >= 8)
            return int(v >> (bits - 8));
        return bits ? int(v * 255 / ((1u << bits) - 1)) : 0;
    }
};

// A 16- or 32-bit pixel, little-endian.
quint32 pixelAt(const uchar* row, int x, int bytes)
{
    quint32 p = 0;
    for (int i = bytes - 1; i >= 0; --i)
        p = (p << 8) | row[bytes * x + i];
    return p;
}

// 16 bits and colour masks are read here, not by Qt's reader, which makes a full 5-bit channel
// 248 instead of 255, a mask of more than 8 bits black, and takes the pixels of a V4 or V5
// header with masks from 12 bytes too far on (tst_dib::clipboardBitmaps and
// clipboardBitmapLayouts, the 16-bit and mask rows). Without masks, 16 bits are 5 a colour.
void readMasked(QByteArrayView bytes, qint64 pixelsAt, qint64 stride, bool topDown, QImage& image)
{
    const bool masked = le32(bytes, 16) == withMasks;
    const Channel rgb[3] = {Channel(masked ? le32(bytes, 40) : 0x7c00u),
                            Channel(masked ? le32(bytes, 44) : 0x03e0u),
                            Channel(masked ? le32(bytes, 48) : 0x001fu)};
    const int bytesPerPixel = le16(bytes, 14) / 8;
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.data()) + pixelsAt;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = pixels + stride * (topDown ? y : image.height() - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 p = pixelAt(row, x, bytesPerPixel);
            line[x] = qRgb(rgb[0].value(p), rgb[1].value(p), rgb[2].value(p));
        }
    }
}

// The layouts this reader takes: the depths and compressions Windows itself draws.
bool takes(int bits, quint32 compression)
{
    switch (compression) {
    case uncompressed:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case withMasks:
        return bits == 16 || bits == 32;
    case rle8:
        return bits == 8;
    case rle4:
        return bits == 4;
    default:
        return false;
    }
}

// Whether the runs of an RLE8 or RLE4 bitmap reach their end-of-bitmap mark within `runs`, every
// pixel they draw and every move they make staying inside the picture (bottom row first). Qt's
// reader stops quietly where the runs do and leaves the rest of its canvas as it was, which for
// a clipboard picture is memory the program used before (tst_dib::clipboardBitmapLayouts).
bool runsFit(QByteArrayView runs, QSize size, int bits)
{
    qint64 x = 0;
    qint64 y = 0;
    qsizetype at = 0;
    while (at + 2 <= runs.size()) {
        const int count = quint8(runs[at]);
        const int code = quint8(runs[at + 1]);
        at += 2;
        if (count > 0) { // `count` pixels of one index (two alternating ones in RLE4)
            x += count;
            if (x > size.width() || y >= size.height())
                return false;
        } else if (code == 0) { // end of line
            x = 0;
            if (++y > size.height())
                return false;
        } else if (code == 1) { // end of bitmap
            return true;
        } else if (code == 2) { // a move right and up
            if (at + 2 > runs.size())
                return false;
            x += quint8(runs[at]);
            y += quint8(runs[at + 1]);
            at += 2;
            if (x > size.width() || y > size.height())
                return false;
        } else { // `code` indexes given one by one, padded to a whole 16-bit word
            const qsizetype bytes = bits == 8 ? code : (code + 1) / 2;
            at += (bytes + 1) / 2 * 2;
            x += code;
            if (at > runs.size() || x > size.width() || y >= size.height())
                return false;
        }
    }
    return false;
}

// Qt's own reader of a packed bitmap, once our checks know the bytes hold all it will read. It
// draws onto the canvas it is given, so pixels that compressed runs skip are the first colour,
// not whatever memory was there, and Qt's own allocation limit does not cut the caller's.
bool readThroughQt(QImageReader& reader, QImage& image)
{
    image.fill(0);
    const QSize size = image.size();
    return reader.read(&image) && image.size() == size;
}

} // namespace

Picture fromPacked(QByteArrayView bytes, qint64 maxPixels)
{
    const Picture damaged{{}, {}, true};
    if (bytes.size() < infoHeaderSize)
        return damaged;
    const quint32 headerSize = le32(bytes, 0);
    const qint32 width = qint32(le32(bytes, 4));
    const qint32 height = qint32(le32(bytes, 8));
    const int bitsPerPixel = le16(bytes, 14);
    const quint32 compression = le32(bytes, 16);
    const quint32 coloursUsed = le32(bytes, 32);
    const bool masked = compression == withMasks;
    const bool compressed = compression == rle8 || compression == rle4;
    if (headerSize < infoHeaderSize || headerSize > quint32(bytes.size()) || width <= 0 ||
        height == 0 || height == INT32_MIN)
        return damaged;
    if (!takes(bitsPerPixel, compression))
        return {};
    // A palette picture has at most one colour an index; compressed rows are always bottom-up.
    if ((masked && bytes.size() < infoHeaderSize + 12) ||
        (bitsPerPixel <= 8 && coloursUsed > (1u << bitsPerPixel)) || (compressed && height < 0))
        return damaged;
    // The size is the header's own: Qt's reader gives a top-down bitmap a negative height and one
    // larger than 16384 x 16384 none at all, which the message about it names.
    const QSize size(width, height < 0 ? -height : height);
    if (qint64(size.width()) * size.height() > maxPixels)
        return {{}, size};
    // The masks follow a plain info header and lie inside the larger headers, at the same place.
    const qint64 coloursAt = qint64(headerSize) + (masked && headerSize == infoHeaderSize ? 12 : 0);
    const qint64 pixelsAt =
        coloursAt +
        4 * qint64(bitsPerPixel <= 8 && coloursUsed == 0 ? 1u << bitsPerPixel : coloursUsed);
    const qint64 stride = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    if (pixelsAt > bytes.size() ||
        (compressed ? !runsFit(bytes.sliced(pixelsAt), size, bitsPerPixel)
                    : pixelsAt + stride * size.height() > bytes.size()))
        return damaged;
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "dib");
    reader.setAutoDetectImageFormat(false);
    const bool byHand = masked || bitsPerPixel == 16;
    QImage image(size, byHand ? QImage::Format_RGB32 : reader.imageFormat());
    if (image.isNull())
        return {{}, size}; // more than memory holds
    if (byHand)
        readMasked(bytes, pixelsAt, stride, height < 0, image);
    else if (!readThroughQt(reader, image))
        return {};
    image.convertTo(QImage::Format_RGB32); // a screen has no transparency
    return {image, size};
}

} // namespace qel::dib
