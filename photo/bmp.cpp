#include "bmp.h"

#include "safefile.h"

#include <QBuffer>
#include <QIODevice>

#include <array>
#include <limits>

namespace photo::bmp {

namespace {

// Rows converted at a time: enough to keep the writes large, small enough that a 4K capture in
// an unusual format never needs a full converted copy.
constexpr int chunkRows = 64;

void putLe16(char* at, quint16 value) {
    at[0] = char(value & 0xff);
    at[1] = char(value >> 8);
}

void putLe32(char* at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
}

bool fitsTheFormat(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return false;
    // Width and height are signed 32-bit and the sizes unsigned 32-bit in the headers.
    return fileSize(image.width(), image.height()) <= std::numeric_limits<quint32>::max();
}

std::array<char, fileHeaderSize + infoHeaderSize> headers(int width, int height) {
    std::array<char, fileHeaderSize + infoHeaderSize> h{};
    const quint32 pixelBytes = quint32(rowStride(width) * height);
    h[0] = 'B';
    h[1] = 'M';
    putLe32(&h[2], quint32(fileSize(width, height)));
    // Bytes 6..9 are reserved and stay zero.
    putLe32(&h[10], fileHeaderSize + infoHeaderSize);
    char* info = &h[fileHeaderSize];
    putLe32(&info[0], infoHeaderSize);
    putLe32(&info[4], quint32(width));
    putLe32(&info[8], quint32(height)); // positive: rows are stored bottom-up
    putLe16(&info[12], 1);              // planes
    putLe16(&info[14], 24);             // bits per pixel
    putLe32(&info[16], 0);              // BI_RGB, no compression
    putLe32(&info[20], pixelBytes);
    // Resolution, colours used and important colours stay zero: "unknown" and "all".
    return h;
}

// Blends a premultiplied pixel onto the grey background, as the picture would look drawn there.
inline void putPixel(char* out, QRgb premultiplied) {
    const int a = qAlpha(premultiplied);
    const int rest = 255 - a;
    const int r = qRed(premultiplied) + (background.red() * rest + 127) / 255;
    const int g = qGreen(premultiplied) + (background.green() * rest + 127) / 255;
    const int b = qBlue(premultiplied) + (background.blue() * rest + 127) / 255;
    out[0] = char(qMin(b, 255));
    out[1] = char(qMin(g, 255));
    out[2] = char(qMin(r, 255));
}

} // namespace

qint64 rowStride(int width) {
    return (qint64(width) * 3 + 3) / 4 * 4;
}

qint64 fileSize(int width, int height) {
    return fileHeaderSize + infoHeaderSize + rowStride(width) * height;
}

bool write(QIODevice& device, const QImage& image) {
    if (!fitsTheFormat(image))
        return false;
    const int width = image.width();
    const int height = image.height();
    const auto h = headers(width, height);
    if (device.write(h.data(), qint64(h.size())) != qint64(h.size()))
        return false;

    // Opaque true-colour pictures are read in place; others are converted a few rows at a time.
    const bool direct = image.format() == QImage::Format_RGB32 ||
                        image.format() == QImage::Format_ARGB32_Premultiplied;
    const qint64 stride = rowStride(width);
    QByteArray row(stride, '\0'); // the padding bytes stay zero
    QImage chunk;
    int chunkTop = -1;
    for (int y = height - 1; y >= 0; --y) {
        const QRgb* pixels;
        if (direct) {
            pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        } else {
            if (chunkTop < 0 || y < chunkTop) {
                chunkTop = qMax(0, y - chunkRows + 1);
                chunk = image.copy(0, chunkTop, width, y - chunkTop + 1)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
                if (chunk.isNull())
                    return false;
            }
            pixels = reinterpret_cast<const QRgb*>(chunk.constScanLine(y - chunkTop));
        }
        char* out = row.data();
        if (image.format() == QImage::Format_RGB32) {
            for (int x = 0; x < width; ++x, out += 3)
                putPixel(out, pixels[x] | 0xff000000u);
        } else {
            for (int x = 0; x < width; ++x, out += 3)
                putPixel(out, pixels[x]);
        }
        if (device.write(row.constData(), stride) != stride)
            return false;
    }
    return true;
}

QByteArray encode(const QImage& image) {
    if (!fitsTheFormat(image))
        return {};
    QByteArray bytes;
    bytes.reserve(fileSize(image.width(), image.height()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return write(buffer, image) ? bytes : QByteArray();
}

QString save(const QString& path, const QImage& image) {
    if (image.isNull())
        return QStringLiteral("There is no picture to save.");
    if (!fitsTheFormat(image))
        return QStringLiteral("The picture (%1 × %2 pixels) is too large for a bitmap file.")
            .arg(image.width())
            .arg(image.height());
    return qel::files::replaceFile(path,
                                   [&image](QIODevice& device) { return write(device, image); });
}

} // namespace photo::bmp
