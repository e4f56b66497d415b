#pragma once

// Bitmap files written out byte by byte from the file layout, so a test's picture does not depend
// on the encoder or reader it checks.

#include <QByteArray>
#include <QList>

namespace bmpbytes {

inline void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

inline void put32(QByteArray& b, qint64 v)
{
    put16(b, int(v & 0xffff));
    put16(b, int((v >> 16) & 0xffff));
}

// BITMAPFILEHEADER (14 bytes), BITMAPINFOHEADER (40 bytes) and a grey palette of `colours`
// entries. `pixelBytes` is what the headers claim the pixel data takes; compression 0 is none,
// 1 is RLE8.
inline QByteArray header(int width, int height, int bitsPerPixel, int compression,
                         qint64 pixelBytes, int colours = 0)
{
    const qint64 offset = 54 + 4 * colours;
    QByteArray b("BM");
    put32(b, offset + pixelBytes); // file size
    put32(b, 0);                   // reserved
    put32(b, offset);              // where the pixels start
    put32(b, 40);                  // info header size
    put32(b, width);
    put32(b, height);
    put16(b, 1); // planes
    put16(b, bitsPerPixel);
    put32(b, compression);
    put32(b, pixelBytes);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, colours);
    put32(b, 0);
    for (int i = 0; i < colours; ++i) {
        b.append(3, char(i)); // blue, green, red
        b.append('\0');
    }
    return b;
}

// The headers of a 24-bit uncompressed bitmap of width × height pixels.
inline QByteArray header24(int width, int height)
{
    return header(width, height, 24, 0, (qint64(width) * 3 + 3) / 4 * 4 * height);
}

// An 8-bit RLE8 bitmap with the given runs (count, colour index, escapes) and a palette of
// `colours` grey levels.
inline QByteArray rle8(int width, int height, const QByteArray& runs, int colours = 256)
{
    return header(width, height, 8, 1, runs.size(), colours) + runs;
}

// A device-independent bitmap's header as the clipboard holds it (no file header): `headerSize`
// bytes (40, or 124 for BITMAPV5HEADER), with `masks` (red, green, blue) at bytes 40 to 51.
// A negative height stores the rows top-down.
inline QByteArray dibHeader(int headerSize, int width, int height, int bitsPerPixel,
                            int compression, const QList<quint32>& masks = {})
{
    QByteArray b = header(width, height, bitsPerPixel, compression, 0).mid(14);
    b.replace(0, 4, QByteArray(1, char(headerSize)) + QByteArray(3, '\0'));
    for (const quint32 mask : masks)
        put32(b, mask);
    return b.leftJustified(std::max<qsizetype>(b.size(), headerSize), '\0');
}

} // namespace bmpbytes
