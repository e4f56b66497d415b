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

void copyRow32(const uchar* from, QRgb* to, int width, const Channel (&rgb)[3])
{
    for (int x = 0; x < width; ++x) {
        const quint32 p = quint32(from[4 * x]) | (quint32(from[4 * x + 1]) << 8) |
                          (quint32(from[4 * x + 2]) << 16) | (quint32(from[4 * x + 3]) << 24);
        to[x] = qRgb(rgb[0].value(p), rgb[1].value(p), rgb[2].value(p));
    }
}

void copyRow16(const uchar* from, QRgb* to, int width, const Channel (&rgb)[3])
{
    for (int x = 0; x < width; ++x) {
        const quint32 p = quint32(from[2 * x]) | (quint32(from[2 * x + 1]) << 8);
        to[x] = qRgb(rgb[0].value(p), rgb[1].value(p), rgb[2].value(p));
    }
}

void copyRow24(const uchar* from, QRgb* to, int width)
{
    for (int x = 0; x < width; ++x)
        to[x] = qRgb(from[3 * x + 2], from[3 * x + 1], from[3 * x]);
}

void copyRow8(const uchar* from, QRgb* to, int width, const QList<QRgb>& palette)
{
    for (int x = 0; x < width; ++x)
        to[x] = palette.value(from[x], qRgb(0, 0, 0));
}

// The colour table that follows the header of an 8-bit bitmap: `used` entries, or all
// 256 when the header says 0.
QList<QRgb> readPalette(QByteArrayView bytes, qsizetype at, quint32 used)
{
    QList<QRgb> palette(used ? qsizetype(used) : 256);
    for (qsizetype i = 0; i < palette.size(); ++i)
        palette[i] = qRgb(quint8(bytes[at + 4 * i + 2]), quint8(bytes[at + 4 * i + 1]),
                          quint8(bytes[at + 4 * i]));
    return palette;
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

// 1 and 4 bits and the compressed layouts, once known to fit their bytes, are Qt's BMP reader's,
// given the file header a .bmp file has in front. Pixels that compressed runs skip are the first
// colour, not whatever memory Qt's reader would leave there. (16 bits are read by hand: Qt's
// reader makes a full 5-bit channel 248 instead of 255, tst_dib::clipboardBitmapLayouts.)
QImage throughQt(QByteArrayView bytes, qint64 pixelsAt, QSize size)
{
    QByteArray file("BM");
    for (const qint64 v : {qint64(14) + bytes.size(), qint64(0), 14 + pixelsAt})
        for (int i = 0; i < 4; ++i)
            file += char((v >> (8 * i)) & 0xff);
    file += bytes;
    QBuffer buffer(&file);
    QImageReader reader(&buffer, "bmp");
    QImage image(size, reader.imageFormat());
    image.fill(0);
    if (!reader.read(&image) || image.size() != size)
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
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
    const bool topDown = height < 0;
    const QSize size(width, topDown ? -height : height);
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
    if (compressed || bitsPerPixel < 8) {
        const QImage image = throughQt(bytes, pixelsAt, size);
        return image.isNull() ? Picture{} : Picture{image, size};
    }
    // Without masks, 16 bits are 5 a colour and 32 bits 8 a colour.
    const bool wide = bitsPerPixel == 32;
    const Channel rgb[3] = {Channel(masked ? le32(bytes, 40)
                                    : wide ? 0x00ff0000u
                                           : 0x7c00u),
                            Channel(masked ? le32(bytes, 44)
                                    : wide ? 0x0000ff00u
                                           : 0x03e0u),
                            Channel(masked ? le32(bytes, 48)
                                    : wide ? 0x000000ffu
                                           : 0x001fu)};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {{}, size};
    const QList<QRgb> palette =
        bitsPerPixel == 8 ? readPalette(bytes, coloursAt, coloursUsed) : QList<QRgb>();
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.data()) + pixelsAt;
    for (int y = 0; y < size.height(); ++y) {
        const uchar* row = pixels + stride * (topDown ? y : size.height() - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (bitsPerPixel == 8)
            copyRow8(row, line, width, palette);
        else if (bitsPerPixel == 16)
            copyRow16(row, line, width, rgb);
        else if (bitsPerPixel == 24)
            copyRow24(row, line, width);
        else
            copyRow32(row, line, width, rgb);
    }
    return {image, size};
}

} // namespace qel::dib
