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

// Rows converted at a time: enough to keep the writes large, small enough that a 4K capture in
// an unusual format never needs a full converted copy.
constexpr int chunkRows = 64;

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

// The background's components, read once: QColor's accessors are calls into the library, far
// too slow to make three times for every pixel of a full-screen capture.
struct Ground {
    int r = background.red();
    int g = background.green();
    int b = background.blue();
};

// Blends a premultiplied pixel onto the grey background, as the picture would look drawn there.
inline void putPixel(char* out, QRgb premultiplied, const Ground& ground)
{
    const int a = qAlpha(premultiplied);
    if (a == 255) {
        out[0] = char(qBlue(premultiplied));
        out[1] = char(qGreen(premultiplied));
        out[2] = char(qRed(premultiplied));
        return;
    }
    const int rest = 255 - a;
    const int r = qRed(premultiplied) + (ground.r * rest + 127) / 255;
    const int g = qGreen(premultiplied) + (ground.g * rest + 127) / 255;
    const int b = qBlue(premultiplied) + (ground.b * rest + 127) / 255;
    out[0] = char(qMin(b, 255));
    out[1] = char(qMin(g, 255));
    out[2] = char(qMin(r, 255));
}

// An opaque row: the colour bytes of each pixel, as they are. Four pixels make three whole
// 32-bit words, several times faster than storing byte by byte, and faster than converting a
// batch of rows into a picture of its own and copying it.
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
    const int width = image.width();
    const int height = image.height();
    const auto h = headers(width, height);
    if (device.write(h.data(), qint64(h.size())) != qint64(h.size()))
        return false;

    const qint64 stride = rowStride(width);
    // Rows go out a batch at a time: a few large writes instead of one per row.
    const int batchRows = int(qBound(qint64(1), (qint64(1) << 20) / stride, qint64(chunkRows)));
    QByteArray batch(stride * batchRows, '\0'); // the padding bytes stay zero
    int batched = 0;
    const Ground ground;
    // Opaque true colour, the usual capture, and premultiplied pictures are read in place; others
    // are converted a few rows at a time. Never a full second copy of the picture.
    const bool opaque = image.format() == QImage::Format_RGB32;
    const bool direct = opaque || image.format() == QImage::Format_ARGB32_Premultiplied;
    QImage chunk;
    int chunkTop = -1;
    for (int y = height - 1; y >= 0; --y) {
        char* out = batch.data() + stride * batched;
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
        if (opaque) {
            putOpaqueRow(out, pixels, width);
        } else {
            for (int x = 0; x < width; ++x, out += 3)
                putPixel(out, pixels[x], ground);
        }
        if (++batched == batchRows || y == 0) {
            const qint64 bytes = stride * batched;
            if (device.write(batch.constData(), bytes) != bytes)
                return false;
            // The file is flushed to the disk when complete; let the disk start on it now.
            files::startWriteback(device);
            batched = 0;
        }
    }
    return true;
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
        return QCoreApplication::translate("qel::photo::bmp", "There is no picture to save.");
    if (!fitsTheFormat(image))
        return QCoreApplication::translate(
                   "qel::photo::bmp",
                   "The picture (%1 × %2 pixels) is too large for a bitmap file.")
            .arg(image.width())
            .arg(image.height());
    return files::replaceFile(path, [&image](QIODevice& device) { return write(device, image); });
}

} // namespace qel::photo::bmp
