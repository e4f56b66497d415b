#include "preview.h"

#include "bmp.h"
#include "imageview.h"
#include "twips.h"

#include <QPainter>

namespace qel::photo {

QImage renderPreview(QSize size, const QImage& boxPicture, const QImage& capture, bool stretch)
{
    QImage target(size, QImage::Format_RGB32);
    target.fill(bmp::background);
    QPainter painter(&target);
    if (!boxPicture.isNull())
        painter.drawImage(QPoint(0, 0), boxPicture);
    if (!capture.isNull()) {
        if (stretch && capture.size() != size) {
            // Area-averaging scale: a full screen shrunk to 161 × 121 stays readable instead of
            // the aliasing that sampling every twelfth pixel would give.
            painter.drawImage(QPoint(0, 0), capture.scaled(size, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation));
        } else {
            painter.drawImage(QPoint(0, 0), capture);
        }
    }
    painter.end();
    return target;
}

QSize previewBufferSize()
{
    return twips::size(2415, 1815);
}

void copyPreview(const ImageView& box, const ImageView& capture, ImageView& buffer)
{
    buffer.setImage(
        renderPreview(previewBufferSize(), box.image(), capture.image(), capture.stretch()));
}

} // namespace qel::photo
