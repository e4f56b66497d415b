#pragma once

#include <QImage>
#include <QString>

// The full-size photo in the format its name asks for: the name's ending, in any letter case,
// is what viewers, upload forms and other programs go by.
namespace qel::photo::fullphoto {

enum class Format { bitmap, png, jpeg };

// ".png" a PNG, ".jpg" and ".jpeg" a JPEG; ".bmp", any other ending and none the classic
// bitmap.
Format formatFor(const QString& name);

// Why this build of the tool cannot write `format` (Qt built without its plug-in), in words for
// the user, naming `name`; empty when it can. Asked before any question or write.
QString unsupported(Format format, const QString& name);

// Writes `image` to `path` in `format` by safe replacement: on failure an existing file keeps
// its bytes. Returns the reason on failure, empty on success.
QString save(const QString& path, const QImage& image, Format format);

} // namespace qel::photo::fullphoto
