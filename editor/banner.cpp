#include "banner.h"

#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace qel::editor::banner {

namespace {

void drawCloud(QPainter& p, QPointF at, qreal scale)
{
    QPainterPath cloud;
    cloud.addEllipse(at + QPointF(0, 6) * scale, 18 * scale, 8 * scale);
    cloud.addEllipse(at + QPointF(-10, 2) * scale, 10 * scale, 8 * scale);
    cloud.addEllipse(at + QPointF(8, 0) * scale, 12 * scale, 10 * scale);
    // Without smoothing: the picture is reduced to 256 colours anyway.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(cloud.simplified(), QColor(250, 250, 255, 220));
    p.restore();
}

void drawSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(24, 56, 140));
    sky.setColorAt(0.7, QColor(110, 160, 220));
    sky.setColorAt(1, QColor(170, 200, 230));
    p.fillRect(QRect(0, 0, width, height), sky);
    // A strip of patchwork fields along the bottom edge: the ground textures.
    const QColor fields[] = {QColor(86, 120, 60), QColor(120, 140, 70), QColor(150, 130, 80),
                             QColor(70, 100, 55)};
    for (int x = 0, i = 0; x < width; x += 23, ++i)
        p.fillRect(QRect(x, 58, 23, 10), fields[i % 4]);
    drawCloud(p, QPointF(215, 16), 1.2);
    drawCloud(p, QPointF(262, 34), 0.8);
    drawCloud(p, QPointF(178, 40), 0.7);
}

// The captions are the window's own font drawn larger by scaling, the title thickened by drawing
// it twice a pixel apart. Fonts of the captions' own sizes were a font lookup and engine each at
// start-up: with both this and the unsmoothed clouds the editor's start came down from 91.7 to
// 82.9 million instructions (docs/performance.md, "Runs 8 to 10").
void drawCaptions(QPainter& p, const QFont& font)
{
    const qreal size = qMax(1, QFontInfo(font).pixelSize());
    p.setFont(font);
    const auto caption = [&p, size](qreal pixels, QPointF at, const QColor& colour,
                                    const QString& text) {
        p.save();
        p.translate(at);
        p.scale(pixels / size, pixels / size);
        p.setPen(colour);
        p.drawText(QPointF(0, 0), text);
        p.restore();
    };
    const QString name = QStringLiteral("QELedit 3.0");
    for (const QPointF& at : {QPointF(11, 34), QPointF(12, 34)})
        caption(26, at, QColor(0, 0, 60), name);
    for (const QPointF& at : {QPointF(9, 32), QPointF(10, 32)})
        caption(26, at, Qt::white, name);
    caption(12, QPointF(11, 52), QColor(255, 240, 170), QStringLiteral("for Nubivar & Grundex"));
}

} // namespace

QImage draw(const QFont& font, qreal devicePixelRatio)
{
    const qreal ratio = qMax(qreal(1), devicePixelRatio);
    QImage picture(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        drawSky(p);
        drawCaptions(p, font);
    }
    QImage reduced = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    reduced.setDevicePixelRatio(ratio);
    return reduced;
}

} // namespace qel::editor::banner
