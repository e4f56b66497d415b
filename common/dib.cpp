#include "dib.h"

#include <bit>

namespace qel::dib {

namespace {

constexpr quint32 uncompressed = 0; // BI_RGB
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

// One colour channel of a 32-bit pixel, scaled to 8 bits whatever the width of its mask.
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
    const bool masked = compression == withMasks && bitsPerPixel == 32;
    if (headerSize < infoHeaderSize || headerSize > quint32(bytes.size()) || width <= 0 ||
        height == 0 || height == INT32_MIN)
        return damaged;
    if ((bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) ||
        (compression != uncompressed && !masked))
        return {};
    if ((masked && bytes.size() < infoHeaderSize + 12) || (bitsPerPixel == 8 && coloursUsed > 256))
        return damaged;
    const bool topDown = height < 0;
    const QSize size(width, topDown ? -height : height);
    if (qint64(size.width()) * size.height() > maxPixels)
        return {{}, size};
    // The masks follow a plain info header and lie inside the larger headers, at the same place.
    const qint64 coloursAt = qint64(headerSize) + (masked && headerSize == infoHeaderSize ? 12 : 0);
    const qint64 pixelsAt =
        coloursAt + 4 * qint64(bitsPerPixel == 8 && coloursUsed == 0 ? 256 : coloursUsed);
    const qint64 stride = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    if (pixelsAt + stride * size.height() > bytes.size())
        return damaged;
    const Channel rgb[3] = {Channel(masked ? le32(bytes, 40) : 0x00ff0000u),
                            Channel(masked ? le32(bytes, 44) : 0x0000ff00u),
                            Channel(masked ? le32(bytes, 48) : 0x000000ffu)};
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
        else if (bitsPerPixel == 24)
            copyRow24(row, line, width);
        else
            copyRow32(row, line, width, rgb);
    }
    return {image, size};
}

} // namespace qel::dib
