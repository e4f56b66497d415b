#include "clipboardpicture.h"

#include "bmp.h"

#include <QClipboard>
#include <QGuiApplication>
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
    const int groundRed = bmp::background.red();
    const int groundGreen = bmp::background.green();
    const int groundBlue = bmp::background.blue();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int rest = 255 - qAlpha(p);
            if (rest == 0)
                continue;
            line[x] = qRgb(qMin(qRed(p) + (groundRed * rest + 127) / 255, 255),
                           qMin(qGreen(p) + (groundGreen * rest + 127) / 255, 255),
                           qMin(qBlue(p) + (groundBlue * rest + 127) / 255, 255));
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

QImage anyClipboardPicture()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // Some platforms give no data object at all for an empty clipboard.
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data)
        return {};
    if (data->hasImage()) {
        QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull())
            return image;
    }
    // Owners that offer only an image type the platform layer does not map to a picture, e.g.
    // "image/bmp" from some X11 programs, still hand over bytes that the image plugins can read.
    const QStringList formats = data->formats();
    for (const QString& format : formats) {
        if (!format.startsWith(QLatin1String("image/")))
            continue;
        QImage image = QImage::fromData(data->data(format));
        if (!image.isNull())
            return image;
    }
    return {};
}

} // namespace

QImage readClipboardPicture()
{
    return opaque(anyClipboardPicture());
}

} // namespace qel::photo
