#include "systemclipboard.h"

#include <windows.h>

namespace qel::systemclipboard {

namespace {

// The clipboard is the system's, shared by every program: held open for as short as can be.
class OpenClipboardGuard {
public:
    OpenClipboardGuard()
        : m_open(OpenClipboard(nullptr))
    {
    }
    ~OpenClipboardGuard()
    {
        if (m_open)
            CloseClipboard();
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    bool isOpen() const { return m_open; }

private:
    bool m_open;
};

dib::Picture fromPackedFormat(UINT format, qint64 maxPixels)
{
    HANDLE handle = GetClipboardData(format);
    if (!handle)
        return {};
    const void* bytes = GlobalLock(handle);
    if (!bytes)
        return {};
    const dib::Picture picture = dib::fromPacked(
        QByteArrayView(static_cast<const char*>(bytes), qsizetype(GlobalSize(handle))), maxPixels);
    GlobalUnlock(handle);
    return picture;
}

// A device-dependent bitmap, asked of the system as 32-bit top-down rows straight into a QImage in
// Format_RGB32, their very layout. QImage::fromHBITMAP would hold the picture twice at once: it
// reads the rows into a buffer of its own, then copies them into the image.
dib::Picture fromBitmap(qint64 maxPixels)
{
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP about{};
    if (!bitmap || !GetObject(bitmap, sizeof about, &about) || about.bmWidth <= 0 ||
        about.bmHeight <= 0)
        return {};
    const QSize size(about.bmWidth, about.bmHeight);
    if (qint64(size.width()) * size.height() > maxPixels)
        return {{}, size};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {{}, size};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width();
    info.bmiHeader.biHeight = -size.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, bitmap, 0, UINT(size.height()), image.bits(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.height())
        return {};
    // The fourth byte is whatever the bitmap held there; a screen has no transparency.
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] |= 0xff000000u;
    }
    return {image, size};
}

// The picture format the clipboard's owner put there itself. The system lists the formats it can
// make from another one after that one, so the first picture format listed is the owner's: read
// as it is, it needs no conversion, and when it is damaged, what the system made from it is too.
UINT ownPictureFormat()
{
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        if (format == CF_DIB || format == CF_DIBV5 || format == CF_BITMAP)
            return format;
    return 0;
}

} // namespace

dib::Picture screenCapture(qint64 maxPixels)
{
    const OpenClipboardGuard clipboard;
    if (!clipboard.isOpen())
        return {};
    const UINT format = ownPictureFormat();
    if (format == CF_DIB || format == CF_DIBV5) {
        const dib::Picture picture = fromPackedFormat(format, maxPixels);
        // A well-formed bitmap in a layout the reader does not take the system may convert.
        if (!picture.image.isNull() || picture.tooLarge() || picture.damaged)
            return picture;
    }
    if (format && IsClipboardFormatAvailable(CF_BITMAP))
        return fromBitmap(maxPixels);
    return {};
}

std::optional<quint32> sequenceNumber()
{
    return quint32(GetClipboardSequenceNumber());
}

} // namespace qel::systemclipboard
