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

inline QRgb paletteColour(int i)
{
    return qRgb(8 * i + 1, 250 - 9 * i, 17 * i);
}

struct Layout {
    int bits = 24;
    int compression = 0;       // 0 none, 1 RLE8, 2 RLE4, 3 colour masks
    QList<quint32> masks = {}; // red, green, blue
    int headerSize = 40;       // 124 for BITMAPV5HEADER, which holds the masks itself
    bool topDown = false;

    bool runs() const { return compression == 1 || compression == 2; }
    // All the colours an index can name, but 16 of 8 bits, as the header says.
    int paletteSize() const { return bits == 1 ? 2 : 16; }
    // Equal pairs along a row, for runs to repeat.
    int index(int x, int y) const { return (x / 2 + 3 * y) % paletteSize(); }

    // Pixel (x, y), top row 0. A 16-bit channel is all off or all on: 0 or 255 in any reading.
    QRgb colour(int x, int y) const
    {
        const int c = (x + 3 * y) % 8;
        if (bits <= 8)
            return paletteColour(index(x, y));
        if (bits == 16)
            return qRgb(c & 4 ? 255 : 0, c & 2 ? 255 : 0, c & 1 ? 255 : 0);
        return qRgb(40 * x + 1, 60 * y + 2, 7 * (x + y) + 3);
    }

    QList<QRgb> pixels() const
    {
        QList<QRgb> all;
        for (int i = 0; i < width * height; ++i)
            all << colour(i % width, i / width);
        return all;
    }

    QByteArray row(int y) const
    {
        const QList<quint32> m = !masks.isEmpty() ? masks
                                 : bits == 16     ? QList<quint32>{0x7c00, 0x03e0, 0x001f}
                                                  : QList<quint32>{0xff0000, 0xff00, 0xff};
        // An 8-bit channel scaled to its mask's width, in its place.
        const auto field = [](int value, quint32 mask) {
            return (quint32(value) * ((1u << std::popcount(mask)) - 1) / 255)
                   << std::countr_zero(mask);
        };
        QByteArray b;
        quint32 packed = 0; // the indexes of a byte so far, below 8 bits a pixel
        for (int x = 0; x < width; ++x) {
            const QRgb c = colour(x, y);
            if (bits < 8 && (packed = packed << bits | index(x, y), (x + 1) * bits % 8 == 0))
                b += char(packed);
            else if (bits == 8)
                b += char(index(x, y));
            else if (bits == 24)
                b += QByteArray(1, char(qBlue(c))) + char(qGreen(c)) + char(qRed(c));
            else if (bits > 8)
                bmpbytes::put32(b, field(qRed(c), m[0]) | field(qGreen(c), m[1]) |
                                       field(qBlue(c), m[2]));
            if (bits == 16)
                b.chop(2);
        }
        if (bits < 8 && width * bits % 8)
            b += char(packed << (8 - width * bits % 8));
        return b.leftJustified((b.size() + 3) / 4 * 4, '\0');
    }

    // Bottom row first: a run of two equal pixels, three given one by one (padded to a 16-bit
    // word), the end of the line; then the end of the bitmap.
    QByteArray encoded() const
    {
        QByteArray b;
        for (int y = height - 1; y >= 0; --y) {
            const char a = char(index(0, y)), c = char(index(2, y)), e = char(index(4, y));
            if (compression == 1)
                b += QByteArray("\2", 1) + a + QByteArray("\0\3", 2) + c + c + e + '\0';
            else
                b += QByteArray("\2", 1) + char(a * 17) + QByteArray("\0\3", 2) + char(c * 17) +
                     char(e << 4);
            b += QByteArray(2, '\0');
        }
        return b + QByteArray("\0\1", 2);
    }

    QByteArray bytes() const
    {
        QByteArray b = bmpbytes::dibHeader(headerSize, width, topDown ? -height : height, bits,
                                           compression, masks);
        if (bits == 8)
            b[32] = char(paletteSize());
        for (int i = 0; bits <= 8 && i < paletteSize(); ++i)
            bmpbytes::put32(b, paletteColour(i) & 0xffffff); // blue, green, red, 0
        for (int i = 0; i < height && !runs(); ++i)
            b += row(topDown ? i : height - 1 - i);
        return runs() ? b + encoded() : b;
    }
};

} // namespace dibpictures
