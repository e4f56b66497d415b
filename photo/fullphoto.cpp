#include "fullphoto.h"

#include "bmp.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QImageWriter>

namespace qel::photo::fullphoto {

namespace {

// A simulator screenshot is wide smooth sky and ground gradients beside sharp instrument
// markings and small text. At 90 neither the sky shows 8 x 8 blocks as bands nor the needles and
// digits ring, and the file is still a fraction of the PNG's; below about 85 both start to show.
constexpr int jpegQuality = 90;

// Given to QImageWriter explicitly: the format is never guessed from the name or the bytes.
QByteArray qtFormat(Format format)
{
    return format == Format::png ? QByteArrayLiteral("png") : QByteArrayLiteral("jpeg");
}

QString formatName(Format format)
{
    return format == Format::png ? QStringLiteral("PNG") : QStringLiteral("JPEG");
}

} // namespace

Format formatFor(const QString& name)
{
    if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return Format::png;
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
        name.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive))
        return Format::jpeg;
    return Format::bitmap;
}

QString unsupported(Format format, const QString& name)
{
    if (format == Format::bitmap ||
        QImageWriter::supportedImageFormats().contains(qtFormat(format)))
        return {};
    return QCoreApplication::translate(
               "qel::photo",
               "\"%1\" asks for a %2 file, which this build of the photo tool cannot write. Save "
               "the photo under a name ending in \".png\" or \".bmp\" instead.")
        .arg(name, formatName(format));
}

QString save(const QString& path, const QImage& image, Format format)
{
    if (format == Format::bitmap)
        return bmp::save(path, image);
    if (image.isNull())
        return QCoreApplication::translate("qel::photo", "There is no picture to save.");
    QString writerError;
    const QString reason = files::replaceFile(path, [&](QIODevice& device) {
        QImageWriter writer(&device, qtFormat(format));
        if (format == Format::jpeg)
            writer.setQuality(jpegQuality);
        if (writer.write(image))
            return true;
        writerError = writer.errorString();
        return false;
    });
    if (writerError.isEmpty())
        return reason;
    return QCoreApplication::translate("qel::photo", "%1 (the %2 writer: %3)")
        .arg(reason, formatName(format), writerError);
}

} // namespace qel::photo::fullphoto
