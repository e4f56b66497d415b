#include "capture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

namespace bench {

QImage screenCapture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    const int horizon = height * 45 / 100;
    const int panelTop = height * 72 / 100;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(40, 80, 170));
    sky.setColorAt(1, QColor(190, 210, 230));
    p.fillRect(0, 0, width, horizon, sky);

    // Fields in perspective, each with its own grain, as scenery textures have.
    QRandomGenerator random(1998);
    const QColor crops[] = {QColor(86, 120, 60), QColor(120, 140, 70), QColor(150, 130, 80),
                            QColor(70, 100, 55), QColor(105, 95, 70)};
    for (int row = 0, y = horizon; y < panelTop; ++row) {
        const int h = 6 + row * 6;
        const int w = 60 + row * 40;
        for (int x = -(row * 37 % w), i = row; x < width; x += w, ++i)
            p.fillRect(x, y, w, h, crops[i % 5]);
        y += h;
    }
    p.end();
    for (int y = horizon; y < panelTop; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int d = int(random.bounded(16)) - 8;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255),
                           qBound(0, qBlue(c) + d, 255));
        }
    }

    p.begin(&image);
    p.fillRect(0, panelTop, width, height - panelTop, QColor(45, 45, 50));
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(height / 60);
    p.setFont(font);
    const int dial = (height - panelTop) * 2 / 5;
    for (int i = 0; i < 8; ++i) {
        const QPointF centre(width * (i + 1) / 9.0, panelTop + (height - panelTop) / 2.0);
        p.setPen(QPen(QColor(200, 200, 200), 4));
        p.setBrush(QColor(15, 15, 15));
        p.drawEllipse(centre, dial, dial);
        p.setPen(Qt::white);
        for (int t = 0; t < 12; ++t) {
            p.save();
            p.translate(centre);
            p.rotate(t * 30);
            p.drawLine(QPointF(0, -dial + 8), QPointF(0, -dial + 30));
            p.drawText(QPointF(-10, -dial + 60), QString::number(t));
            p.restore();
        }
        p.setPen(QPen(QColor(255, 210, 80), 6));
        p.drawLine(centre, centre + QPointF(dial * 0.7, -dial * 0.3 * (i % 3)));
    }
    p.end();
    return image;
}

} // namespace bench
