#include "clipboardpicture.h"

#include "bmp.h"
#include "systemclipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

namespace qel::photo {

namespace {

// The picture as it looks on the copy buffer's grey. Done once, as the capture arrives, so that
// the preview, the scenario picture and the full-size photo all show the same pixels; a picture
// with transparent parts would otherwise let whatever was drawn before it show through. Blended
// in place: a full-screen capture is not held twice.
QImage opaque(QImage image)
{
    if (image.isNull() || !image.hasAlphaChannel())
        return image;
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = bmp::onBackground(line[x]);
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

// Bytes of an image type: the size is read first, so a picture beyond the largest capture is
// refused with its size before anything is allocated for it.
ClipboardPicture decoded(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > largestCapture)
        return {{}, size};
    return {reader.read(), {}};
}

ClipboardPicture qtClipboardPicture()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // Some platforms give no data object at all for an empty clipboard.
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data)
        return {};
    if (data->hasImage()) {
        QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull())
            return {image, {}};
    }
    // Owners that offer only an image type the platform layer does not map to a picture, e.g.
    // "image/bmp" from some X11 programs, still hand over bytes that the image plugins can read.
    // So does a picture the platform layer gave up on as too large.
    const QStringList formats = data->formats();
    for (const QString& format : formats) {
        if (!format.startsWith(QLatin1String("image/")))
            continue;
        ClipboardPicture picture = decoded(data->data(format));
        if (!picture.image.isNull() || picture.refusedSize.isValid())
            return picture;
    }
    return {};
}

ClipboardPicture anyClipboardPicture()
{
    ClipboardPicture picture = qtClipboardPicture();
    if (!picture.image.isNull() || picture.refusedSize.isValid())
        return picture;
    dib::Picture capture = systemclipboard::screenCapture(largestCapture);
    if (capture.tooLarge())
        return {{}, capture.size};
    return {capture.image, {}, capture.damaged};
}

} // namespace

ClipboardPicture readClipboardPicture()
{
    ClipboardPicture picture = anyClipboardPicture();
    picture.image = opaque(std::move(picture.image));
    return picture;
}

ClipboardWatch::ClipboardWatch(QObject* parent)
    : QObject(parent)
{
    if (const QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, [this] { ++m_notices; });
}

ClipboardWatch::Stamp ClipboardWatch::now() const
{
    return {systemclipboard::sequenceNumber(), m_notices};
}

void ClipboardWatch::markRead(const Stamp& stamp)
{
    m_read = stamp;
}

bool ClipboardWatch::changedSinceRead() const
{
    if (!m_read)
        return true;
    const Stamp current = now();
    // The system's number is exact; Qt's notices arrive only as events are handled.
    if (current.sequence)
        return current.sequence != m_read->sequence;
    return current.notices != m_read->notices;
}

QString tooLargeText(QSize size)
{
    return QCoreApplication::translate(
               "qel::photo",
               "The picture on the clipboard is %1 × %2 pixels, too large for the photo tool, "
               "which takes pictures of up to %3 × %3 pixels. Capture a smaller part of the "
               "screen, press \"Refresh Window\" and save again.")
        .arg(size.width())
        .arg(size.height())
        .arg(largestCaptureSide);
}

QString damagedText()
{
    return QCoreApplication::translate(
        "qel::photo",
        "The picture on the clipboard is damaged: its pixels are missing or do not match its "
        "size, so it cannot be saved. Capture the screen again with the \"Print Screen\" key, "
        "press \"Refresh Window\" and save again.");
}

QString refusalText(const ClipboardPicture& picture)
{
    if (picture.refusedSize.isValid())
        return tooLargeText(picture.refusedSize);
    return picture.damaged ? damagedText() : QString();
}

} // namespace qel::photo
