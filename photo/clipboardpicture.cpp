#include "clipboardpicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace photo {

QImage readClipboardPicture()
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

} // namespace photo
