#include "picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace qel::pictures {

Loaded load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("The file does not exist (any more).")};
    if (!info.isFile())
        return {{}, QStringLiteral("It is not a file.")};
    QImageReader reader(path);
    reader.setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels) {
        return {{},
                QStringLiteral("It claims to be %1 × %2 pixels, too large to be a picture "
                               "for this program.")
                    .arg(size.width())
                    .arg(size.height())};
    }
    QImage image = reader.read();
    if (image.isNull())
        return {{},
                QStringLiteral("It is not a picture that can be shown (%1).")
                    .arg(reader.errorString())};
    return {image, {}};
}

} // namespace qel::pictures
