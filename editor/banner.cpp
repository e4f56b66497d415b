#include "banner.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qel::editor::banner {

namespace {

void drawCloud(QPainter& p, QPointF at, qreal scale)
{
    QPainterPath cloud;
    cloud.addEllipse(at + QPointF(0, 6) * scale, 18 * scale, 8 * scale);
    cloud.addEllipse(at + QPointF(-10, 2) * scale, 10 * scale, 8 * scale);
    cloud.addEllipse(at + QPointF(8, 0) * scale, 12 * scale, 10 * scale);
    p.fillPath(cloud.simplified(), QColor(250, 250, 255, 220));
}

QImage draw(const QFont& windowFont)
{
    QImage img(289, 68, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 68);
    sky.setColorAt(0, QColor(24, 56, 140));
    sky.setColorAt(0.7, QColor(110, 160, 220));
    sky.setColorAt(1, QColor(170, 200, 230));
    p.fillRect(img.rect(), sky);
    // A strip of patchwork fields along the bottom edge: the ground textures.
    const QColor fields[] = {QColor(86, 120, 60), QColor(120, 140, 70), QColor(150, 130, 80),
                             QColor(70, 100, 55)};
    for (int x = 0, i = 0; x < 289; x += 23, ++i)
        p.fillRect(QRect(x, 58, 23, 10), fields[i % 4]);
    drawCloud(p, QPointF(215, 16), 1.2);
    drawCloud(p, QPointF(262, 34), 0.8);
    drawCloud(p, QPointF(178, 40), 0.7);

    // The captions use the window's own typeface, only larger: no further font file is loaded
    // at start-up. The title is thickened by its outline instead of a bold face.
    QFont title = windowFont;
    title.setPixelSize(26);
    QPainterPath titleText;
    titleText.addText(QPointF(9, 32), title, QCoreApplication::translate("banner", "QELedit 3.0"));
    p.fillPath(titleText.translated(2, 2), QColor(0, 0, 60));
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(titleText);
    QFont sub = windowFont;
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(QColor(255, 240, 170));
    p.drawText(QPoint(11, 52), QCoreApplication::translate("banner", "for Nubivar & Grundex"));
    p.end();
    return img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

} // namespace

QImage image(const QFont& windowFont)
{
    static const QImage picture = draw(windowFont);
    return picture;
}

} // namespace qel::editor::banner
