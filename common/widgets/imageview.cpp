#include "imageview.h"

#include <QPainter>

namespace qel {

ImageView::ImageView(QWidget* parent)
    : QFrame(parent)
{
}

void ImageView::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void ImageView::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, m_image);
    } else {
        painter.drawImage(area.topLeft(), m_image);
    }
}

} // namespace qel
