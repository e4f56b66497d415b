#include "clipboardpicture.h"

#include "bmp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

namespace photo {

namespace {

// The picture as it looks on the copy buffer's grey. Done once, as the capture arrives, so that
// the preview, the scenario picture and the full-size photo all show the same pixels; a picture
// with transparent parts would otherwise let whatever was drawn before it show through.
QImage opaque(const QImage& image)
{
    if (image.isNull() || !image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(bmp::background);
    QPainter painter(&flat);
    painter.drawImage(QPoint(0, 0), image);
    painter.end();
    return flat;
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

} // namespace photo
