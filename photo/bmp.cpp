#include "bmp.h"

#include "safefile.h"
#include "writeback.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>

#include <QCoreApplication>
#include <array>
#include <limits>

namespace qel::photo::bmp {

namespace {

// Bytes converted and written at a time: a full-screen capture is never held a second time in
// the file's form (25 MB for 3840 × 2160), only one band of it.
constexpr qint64 bandBytes = qint64(512) << 10;

void putLe16(char* at, quint16 value)
{
    at[0] = char(value & 0xff);
    at[1] = char(value >> 8);
}

void putLe32(char* at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xff);
}

bool fitsTheFormat(const QImage& image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return false;
    // Width and height are signed 32-bit and the sizes unsigned 32-bit in the headers.
    return fileSize(image.width(), image.height()) <= std::numeric_limits<quint32>::max();
}

std::array<char, fileHeaderSize + infoHeaderSize> headers(int width, int height)
{
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

// A premultiplied pixel as the picture would look drawn on the grey background.
inline void putPixel(char* out, QRgb premultiplied)
{
    const QRgb pixel = onBackground(premultiplied);
    out[0] = char(qBlue(pixel));
    out[1] = char(qGreen(pixel));
    out[2] = char(qRed(pixel));
}

// An opaque row: the colour bytes of each pixel, as they are. Four pixels make three whole
// 32-bit words. Measured on a 3840 x 2160 capture: 2.7 ms, against 6 ms for Qt's conversion to
// 24-bit rows a band at a time and 18-40 ms in one piece; the whole save took 220 ms when each
// pixel went through QColor's accessors (docs/performance.md, "Bitmap writer").
inline void putOpaqueRow(char* out, const QRgb* pixels, int width)
{
    int x = 0;
    for (; x + 4 <= width; x += 4, out += 12) {
        const quint32 p0 = pixels[x], p1 = pixels[x + 1], p2 = pixels[x + 2], p3 = pixels[x + 3];
        qToLittleEndian<quint32>((p0 & 0xffffff) | (p1 << 24), out);
        qToLittleEndian<quint32>(((p1 >> 8) & 0xffff) | (p2 << 16), out + 4);
        qToLittleEndian<quint32>(((p2 >> 16) & 0xff) | (p3 << 8), out + 8);
    }
    for (; x < width; ++x, out += 3) {
        const QRgb p = pixels[x];
        out[0] = char(qBlue(p));
        out[1] = char(qGreen(p));
        out[2] = char(qRed(p));
    }
}

// The file's rows in bands, bottom band first: the file stores the bottom row first.
struct Bands {
    explicit Bands(const QImage& picture)
        : image(picture)
        , stride(rowStride(picture.width()))
        , rows(int(qBound(qint64(1), bandBytes / stride, qint64(picture.height()))))
        , count((picture.height() + rows - 1) / rows)
    {
    }

    int rowsIn(int band) const { return qMin(rows, image.height() - band * rows); }

    // Fills `out` with band `band` as the file stores it.
    bool convert(int band, char* out) const
    {
        const int bottom = image.height() - 1 - band * rows; // its first row in the file
        const int top = bottom - rowsIn(band) + 1;
        const QImage::Format format = image.format();
        const bool opaque = format == QImage::Format_RGB32;
        // Opaque true colour, the usual capture, and premultiplied pictures are read in place;
        // others are converted a band at a time.
        QImage converted;
        if (!opaque && format != QImage::Format_ARGB32_Premultiplied) {
            converted = image.copy(0, top, image.width(), bottom - top + 1)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            if (converted.isNull())
                return false;
        }
        const QImage& source = converted.isNull() ? image : converted;
        const int offset = converted.isNull() ? 0 : top;
        for (int y = bottom; y >= top; --y, out += stride) {
            const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y - offset));
            if (opaque) {
                putOpaqueRow(out, pixels, image.width());
            } else {
                char* at = out;
                for (int x = 0; x < image.width(); ++x, at += 3)
                    putPixel(at, pixels[x]);
            }
        }
        return true;
    }

    const QImage& image;
    const qint64 stride;
    const int rows;
    const int count;
};

// Converts and writes one band after the other through a single band buffer: never a full second
// copy of the picture, and the disk can start on each band while the next is converted.
bool writeBands(QIODevice& device, const Bands& bands)
{
    QByteArray buffer(bands.stride * bands.rows, '\0'); // padding bytes stay zero
    for (int band = 0; band < bands.count; ++band) {
        const qint64 bytes = bands.stride * bands.rowsIn(band);
        if (!bands.convert(band, buffer.data()) || device.write(buffer.constData(), bytes) != bytes)
            return false;
        // The file is flushed to the disk when complete; let the disk start on it now. With this
        // and the word-packed rows a full-screen save came down from about 220 ms against a 30 ms
        // floor (docs/performance.md, "Bitmap writer").
        files::startWriteback(device);
    }
    return true;
}

} // namespace

qint64 rowStride(int width)
{
    return (qint64(width) * 3 + 3) / 4 * 4;
}

qint64 fileSize(int width, int height)
{
    return fileHeaderSize + infoHeaderSize + rowStride(width) * height;
}

bool write(QIODevice& device, const QImage& image)
{
    if (!fitsTheFormat(image))
        return false;
    const auto h = headers(image.width(), image.height());
    if (device.write(h.data(), qint64(h.size())) != qint64(h.size()))
        return false;
    return writeBands(device, Bands(image));
}

QByteArray encode(const QImage& image)
{
    if (!fitsTheFormat(image))
        return {};
    QByteArray bytes;
    bytes.reserve(fileSize(image.width(), image.height()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return write(buffer, image) ? bytes : QByteArray();
}

QString save(const QString& path, const QImage& image)
{
    if (image.isNull())
        return QCoreApplication::translate("qel::photo", "There is no picture to save.");
    if (!fitsTheFormat(image))
        return QCoreApplication::translate(
                   "qel::photo", "The picture (%1 × %2 pixels) is too large for a bitmap file.")
            .arg(image.width())
            .arg(image.height());
    return files::replaceFile(path, [&image](QIODevice& device) { return write(device, image); });
}

} // namespace qel::photo::bmp
