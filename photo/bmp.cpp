#include "bmp.h"

#include "safefile.h"
#include "writeback.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>

#include <QCoreApplication>
#include <array>
#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace qel::photo::bmp {

namespace {

// Bytes converted and written at a time: large writes, yet small enough to stay in the processor's
// cache between their conversion and their write.
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

    // Fills `out` with band `band` as the file stores it. Safe to run beside the writing: it
    // only reads the picture.
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

// The bands are converted by the writing thread and by one helper at the same time: while a band
// goes to the disk, the helper converts the ones after it, and whichever comes to a band first
// converts it. Where no processor is free for the helper, the writer converts every band itself,
// as it would alone; it never waits for a band nobody has started. A few band buffers in turn,
// never a full second copy of the picture.
class SharedConversion {
public:
    explicit SharedConversion(const QImage& image)
        : m_bands(image)
        , m_states(size_t(m_bands.count))
    {
        for (QByteArray& buffer : m_buffers)
            buffer = QByteArray(m_bands.stride * m_bands.rows, '\0'); // padding bytes stay zero
    }

    bool writeBands(QIODevice& device)
    {
        std::thread helper;
        if (m_bands.count > 1)
            helper = std::thread([this] { convertAhead(); });
        bool ok = true;
        for (int band = 0; ok && band < m_bands.count; ++band) {
            if (take(band))
                convert(band);
            waitUntil([&] { return m_states[band].load() != converting; });
            const int state = m_states[band].load();
            const qint64 bytes = m_bands.stride * m_bands.rowsIn(band);
            ok = state == converted && device.write(slot(band), bytes) == bytes;
            // The file is flushed to the disk when complete; let the disk start on it now.
            if (ok)
                files::startWriteback(device);
            m_written.store(band + 1);
            notifyAll();
        }
        m_stopped.store(true);
        m_written.store(m_bands.count + slotCount); // wakes the helper wherever it waits
        notifyAll();
        if (helper.joinable())
            helper.join();
        return ok;
    }

private:
    static constexpr int slotCount = 4;
    enum State { waiting, converting, converted, failed };

    char* slot(int band) { return m_buffers[size_t(band % slotCount)].data(); }

    // A condition variable rather than std::atomic's own wait, which MinGW's libstdc++ builds
    // without the system's futex: with it a save hung now and then under Wine. Taking the lock
    // after the change and before the notification means a waiter sees the change or is woken.
    void notifyAll()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
        }
        m_changed.notify_all();
    }

    template <typename Done> void waitUntil(Done done)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, done);
    }

    bool take(int band)
    {
        int expected = waiting;
        return m_states[band].compare_exchange_strong(expected, converting);
    }

    void convert(int band)
    {
        m_states[band].store(m_bands.convert(band, slot(band)) ? converted : failed);
        notifyAll();
    }

    void convertAhead()
    {
        for (int band = 1; band < m_bands.count && !m_stopped.load(); ++band) {
            // The band's buffer is free once the band before it in that buffer is written.
            waitUntil([&] { return m_written.load() > band - slotCount; });
            if (!m_stopped.load() && take(band))
                convert(band);
        }
    }

    const Bands m_bands;
    std::array<QByteArray, slotCount> m_buffers;
    std::vector<std::atomic<int>> m_states;
    std::atomic<int> m_written{0};
    std::atomic<bool> m_stopped{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

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
    return SharedConversion(image).writeBands(device);
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
