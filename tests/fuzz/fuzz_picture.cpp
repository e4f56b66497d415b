// Pictures in the qel folder come from anywhere: the picker and the open dialog load whatever a
// file holds. Any bytes must load as a picture within the size limit or give a reason, and a
// picture that loads must be wholly made of the file's pixels: decoded again onto canvases filled
// with two other patterns, it must come out the same, or some pixels were never set.
#include "fuzzcheck.h"
#include "picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* folder = nullptr;

// The file decoded onto a canvas of `fill`; a null image when it needs a canvas of its own.
QImage decodedOnto(const QString& path, uint fill)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || reader.imageFormat() == QImage::Format_Invalid)
        return {};
    QImage canvas(size, reader.imageFormat());
    canvas.fill(fill);
    return reader.read(&canvas) ? canvas : QImage();
}

// Pixel by pixel: palette indices for palette pictures (an index beyond a short colour table is
// no colour, so QImage's own comparison, which looks colours up, is not used), colours otherwise.
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.colorTable() != b.colorTable())
        return false;
    const bool palette = a.format() == QImage::Format_Indexed8 ||
                         a.format() == QImage::Format_Mono || a.format() == QImage::Format_MonoLSB;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (palette ? a.pixelIndex(x, y) != b.pixelIndex(x, y) : a.pixel(x, y) != b.pixel(x, y))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The image format plugins need an application object; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qel::pictures::allowPicturesUpTo(qel::pictures::maxPixels); // as the editor does at start
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the file's name: the picker lists only "*.bmp", while a scenario's
    // picture line may name any file.
    static const char* const names[] = {"pic.bmp", "pic.png", "pic.jpg", "pic.gif",
                                        "pic.ico", "pic",     "pic.ppm", "pic.xpm"};
    const QString path = folder->filePath(QString::fromLatin1(names[data[0] % 8]));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
                   QStringLiteral("cannot write %1").arg(path));
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    const qel::pictures::Loaded loaded = qel::pictures::load(path);
    if (loaded.error.isEmpty()) {
        for (const uint fill : {0x55555555u, 0xaaaaaaaau}) {
            const QImage again = decodedOnto(path, fill);
            FUZZ_CHECK(again.isNull() || samePixels(again, loaded.image),
                       QStringLiteral("pixels the file does not set were loaded (canvas %1)")
                           .arg(fill, 0, 16));
        }
    }
    QFile::remove(path);
    if (loaded.error.isEmpty()) {
        FUZZ_CHECK(!loaded.image.isNull(), QStringLiteral("no picture and no reason"));
        FUZZ_CHECK(qint64(loaded.image.width()) * loaded.image.height() <= qel::pictures::maxPixels,
                   QStringLiteral("a %1 x %2 picture was loaded")
                       .arg(loaded.image.width())
                       .arg(loaded.image.height()));
    } else {
        FUZZ_CHECK(loaded.image.isNull(), QStringLiteral("a picture and a reason"));
    }
    return 0;
}
