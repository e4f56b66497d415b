#pragma once

// Device-independent bitmaps of every layout a clipboard picture may have, written byte by byte
// from the format: a 5 × 3 picture of known colours (an odd width, so that rows are padded and
// the last byte of a 1- or 4-bit row is partly used), its colour table, masks or runs.

#include "bmpbytes.h"

#include <QList>
#include <QRgb>

#include <bit>

namespace dibpictures {

inline constexpr int width = 5;
inline constexpr int height = 3;

struct Layout {
    int bits = 24;
    int compression = 0;       // 0 none, 1 RLE8, 2 RLE4, 3 colour masks
    QList<quint32> masks = {}; // red, green, blue
    int headerSize = 40;       // 124 for BITMAPV5HEADER, which holds the masks itself
    bool topDown = false;
};

// Tables of all the colours an index can name, but 16 of 8 bits, as the header says.
inline int paletteSize(int bits)
{
    return bits == 1 ? 2 : 16;
}

inline QRgb paletteColour(int i)
{
    return qRgb(8 * i + 1, 250 - 9 * i, 17 * i);
}

// Equal pairs along a row, for runs to repeat.
inline int index(const Layout& l, int x, int y)
{
    return (x / 2 + 3 * y) % paletteSize(l.bits);
}

// Pixel (x, y), top row 0. A 16-bit channel is all off or all on: 0 or 255 in any reading.
inline QRgb colour(const Layout& l, int x, int y)
{
    const int c = (x + 3 * y) % 8;
    if (l.bits <= 8)
        return paletteColour(index(l, x, y));
    if (l.bits == 16)
        return qRgb(c & 4 ? 255 : 0, c & 2 ? 255 : 0, c & 1 ? 255 : 0);
    return qRgb(40 * x + 1, 60 * y + 2, 7 * (x + y) + 3);
}

inline QList<QRgb> pixels(const Layout& l)
{
    QList<QRgb> all;
    for (int i = 0; i < width * height; ++i)
        all << colour(l, i % width, i / width);
    return all;
}

// An 8-bit channel scaled to its mask's width, in its place.
inline quint32 field(int value, quint32 mask)
{
    return (quint32(value) * ((1u << std::popcount(mask)) - 1) / 255) << std::countr_zero(mask);
}

inline QByteArray row(const Layout& l, int y)
{
    const QList<quint32> m = !l.masks.isEmpty() ? l.masks
                             : l.bits == 16     ? QList<quint32>{0x7c00, 0x03e0, 0x001f}
                                                : QList<quint32>{0xff0000, 0xff00, 0xff};
    QByteArray b;
    quint32 bits = 0; // a byte's indexes so far, below 8 bits a pixel
    for (int x = 0; x < width; ++x) {
        const QRgb c = colour(l, x, y);
        const quint32 value = field(qRed(c), m[0]) | field(qGreen(c), m[1]) | field(qBlue(c), m[2]);
        if (l.bits < 8 && (bits = bits << l.bits | index(l, x, y), (x + 1) * l.bits % 8 == 0))
            b += char(bits);
        else if (l.bits == 8)
            b += char(index(l, x, y));
        else if (l.bits == 16 || l.bits == 32)
            bmpbytes::put32(b, value);
        else if (l.bits == 24)
            b += QByteArray(1, char(qBlue(c))) + char(qGreen(c)) + char(qRed(c));
        if (l.bits == 16)
            b.chop(2);
    }
    if (l.bits < 8 && width * l.bits % 8)
        b += char(bits << (8 - width * l.bits % 8));
    return b.leftJustified((b.size() + 3) / 4 * 4, '\0');
}

// Bottom row first: a run of two equal pixels, three given one by one (padded to a 16-bit
// word), the end of the line; then the end of the bitmap.
inline QByteArray runs(const Layout& l)
{
    QByteArray b;
    for (int y = height - 1; y >= 0; --y) {
        const char a = char(index(l, 0, y)), c = char(index(l, 2, y)), e = char(index(l, 4, y));
        if (l.compression == 1)
            b += QByteArray("\2", 1) + a + QByteArray("\0\3", 2) + c + c + e + '\0';
        else
            b += QByteArray("\2", 1) + char(a * 17) + QByteArray("\0\3", 2) + char(c * 17) +
                 char(e << 4);
        b += QByteArray(2, '\0');
    }
    return b + QByteArray("\0\1", 2);
}

inline QByteArray bytes(const Layout& l)
{
    QByteArray b = bmpbytes::dibHeader(l.headerSize, width, l.topDown ? -height : height, l.bits,
                                       l.compression, l.masks);
    if (l.bits == 8)
        b[32] = char(paletteSize(8));
    for (int i = 0; l.bits <= 8 && i < paletteSize(l.bits); ++i)
        bmpbytes::put32(b, paletteColour(i) & 0xffffff); // blue, green, red, 0
    if (l.compression == 1 || l.compression == 2)
        return b + runs(l);
    for (int i = 0; i < height; ++i)
        b += row(l, l.topDown ? i : height - 1 - i);
    return b;
}

} // namespace dibpictures
