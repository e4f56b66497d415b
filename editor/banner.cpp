#include "banner.h"

#include "dib.h"

#include <QFile>

namespace qel::editor::banner {

namespace {

constexpr int fileHeaderSize = 14;

QImage read()
{
    QFile file(QStringLiteral(":/qel/editor/banner.bmp"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return dib::fromPacked(QByteArrayView(bytes).sliced(qMin(bytes.size(), fileHeaderSize)),
                           width * height)
        .image;
}

} // namespace

QImage image()
{
    // A stored picture rather than one drawn at start-up, where shaping and drawing the title's
    // large text took a sixth of the editor's start; and read by our own bitmap reader, since
    // Qt's image reader first looks through the image format plugins on disk.
    static const QImage picture = read();
    return picture;
}

} // namespace qel::editor::banner
