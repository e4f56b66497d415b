#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

class QIODevice;

// Bitmap files as every Windows program since 3.0 reads them: a 14-byte file header, a 40-byte
// BITMAPINFOHEADER, 24 bits per pixel, no compression, rows bottom-up, each padded to 4 bytes.
// Whatever the picture's own format (palette, alpha, 16 bit), it is written as true colour.
namespace qel::photo::bmp {

// Transparent parts of a picture are written as if drawn on this, the copy buffer's grey.
inline constexpr QRgb background = qRgb(192, 192, 192);

// A premultiplied pixel as it looks drawn on the background: opaque. Inline and with the grey
// known at compile time, as it runs for every pixel of a full-screen capture.
inline QRgb onBackground(QRgb premultiplied)
{
    const int rest = 255 - qAlpha(premultiplied);
    if (rest == 0)
        return premultiplied;
    const auto mix = [rest](int own, int ground) {
        return qMin(own + (ground * rest + 127) / 255, 255);
    };
    return qRgb(mix(qRed(premultiplied), qRed(background)),
                mix(qGreen(premultiplied), qGreen(background)),
                mix(qBlue(premultiplied), qBlue(background)));
}

inline constexpr int fileHeaderSize = 14;
inline constexpr int infoHeaderSize = 40;

// Bytes of one pixel row, padding included.
qint64 rowStride(int width);
// Size of the whole file for a picture of this size.
qint64 fileSize(int width, int height);

// Streams the picture a band of rows at a time, so a large capture needs no second copy in memory.
// False when the picture is empty, too large for the format, or the device refuses the bytes.
bool write(QIODevice& device, const QImage& image);

// The whole file in memory; empty for a picture that write() refuses.
QByteArray encode(const QImage& image);

// Writes the picture to `path` by safe replacement: on failure an existing file keeps its
// bytes. Returns the reason on failure, empty on success.
QString save(const QString& path, const QImage& image);

} // namespace qel::photo::bmp
