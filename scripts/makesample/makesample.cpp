// Makes a small simulator folder to try the programs without Flight Simulator: a "pilots" folder
// with a few saved flights, a "qel" folder with scenario pictures and one scenario file.
// Everything here is drawn and written by this program; nothing is copied from anywhere.
#include "scenariofile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

struct Flight {
    const char* file;
    const char* title;
};

const Flight flights[] = {
    {"Meigs Field Evening.stn", "Meigs Field, evening departure"},
    {"Oshkosh Approach.stn", "Final approach into Oshkosh"},
    {"ALPS.STN", "Crossing the Alps at 12000 ft"},
    {"Seattle Rain.stn", "Low clouds over Seattle"},
};

QImage sky(QColor top, QColor bottom, QColor ground, QColor sun)
{
    QImage img(161, 121, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 121);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    p.setBrush(sun);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(118, 34), 12, 12);
    p.setBrush(ground);
    p.drawPolygon(QPolygonF({QPointF(0, 121), QPointF(0, 92), QPointF(40, 80), QPointF(75, 90),
                             QPointF(120, 76), QPointF(161, 88), QPointF(161, 121)}));
    return img;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing into images and writing files needs no display: a machine without one, where
    // scripts/run is used the most, must not make this program abort.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("pilots")) || !root.mkpath(QStringLiteral("qel"))) {
        std::fprintf(stderr, "cannot make the folders in %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const Flight& f : flights) {
        const QByteArray text =
            QByteArray("[Situation]\r\nTitle=") + f.title + "\r\nAircraft=Cessna\r\n";
        ok &= writeFile(root.filePath(QStringLiteral("pilots/") + QLatin1String(f.file)), text);
    }
    ok &= sky(QColor(40, 40, 90), QColor(250, 150, 80), QColor(40, 60, 30), QColor(255, 220, 120))
              .save(root.filePath(QStringLiteral("qel/meigs.bmp")), "BMP");
    ok &=
        sky(QColor(120, 120, 130), QColor(190, 190, 195), QColor(70, 90, 60), QColor(200, 200, 200))
            .save(root.filePath(QStringLiteral("qel/overcast.bmp")), "BMP");
    ok &= sky(QColor(20, 80, 200), QColor(150, 200, 250), QColor(240, 240, 250),
              QColor(255, 255, 210))
              .save(root.filePath(QStringLiteral("qel/alps.bmp")), "BMP");

    qel::Scenario sample;
    sample.description =
        QStringLiteral("Gray overcast over Meigs Field, summer ground, cloud set 2");
    sample.fileName = QStringLiteral("meigs.qel");
    sample.appletFlag = QStringLiteral("app");
    sample.picture = QStringLiteral("meigs.bmp");
    sample.flight = QStringLiteral("Meigs Field Evening.stn");
    sample.cloudStyle = QStringLiteral("OG");
    sample.groundTexture = QStringLiteral("FSUM");
    sample.cloudSet = QStringLiteral("SET2");
    const qel::scenario::Encoded encoded = qel::scenario::encode(sample);
    ok &= encoded.error.isEmpty() &&
          writeFile(root.filePath(QStringLiteral("qel/meigs.qel")), encoded.bytes);
    if (!ok) {
        std::fprintf(stderr, "could not write the sample folder %s\n", argv[1]);
        return 1;
    }
    return 0;
}
