#include "module1.h"

#include "bmp.h"
#include "imageview.h"
#include "photowindow.h"
#include "twips.h"

#include <QPainter>

namespace photo {

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

namespace Module1 {

QSize bufferSize()
{
    return qel::twips::size(2415, 1815);
}

void CopyPreview(PhotoWindow& form)
{
    const QImage copy = renderPreview(bufferSize(), form.Picture1->image(), form.Image1->image(),
                                      form.Image1->stretch());
    form.Picture2->setImage(copy);
}

} // namespace Module1

} // namespace photo
