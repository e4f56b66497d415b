// Draws the editor's banner, editor/banner.bmp: a 289 × 68 picture in 256 colours, its captions in
// the editor window's own font. scripts/banner runs it; the editor shows the stored picture.
//
//   qel-draw-banner FILE.bmp
#include "banner.h"
#include "editorwindow.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

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

QImage draw(const QFont& windowFont)
{
    QImage img(qel::editor::banner::width, qel::editor::banner::height, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, img.height());
    sky.setColorAt(0, QColor(24, 56, 140));
    sky.setColorAt(0.7, QColor(110, 160, 220));
    sky.setColorAt(1, QColor(170, 200, 230));
    p.fillRect(img.rect(), sky);
    // A strip of patchwork fields along the bottom edge: the ground textures.
    const QColor fields[] = {QColor(86, 120, 60), QColor(120, 140, 70), QColor(150, 130, 80),
                             QColor(70, 100, 55)};
    for (int x = 0, i = 0; x < img.width(); x += 23, ++i)
        p.fillRect(QRect(x, 58, 23, 10), fields[i % 4]);
    drawCloud(p, QPointF(215, 16), 1.2);
    drawCloud(p, QPointF(262, 34), 0.8);
    drawCloud(p, QPointF(178, 40), 0.7);

    // The captions are the window's own font drawn larger by scaling, the title thickened by
    // drawing it twice a pixel apart.
    const qreal size = windowFont.pixelSize() > 0 ? windowFont.pixelSize() : 10;
    p.setFont(windowFont);
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
    p.end();
    return img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel-draw-banner FILE.bmp\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    if (!draw(qel::editor::EditorWindow::windowFont()).save(file, "BMP")) {
        std::fprintf(stderr, "qel-draw-banner: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
