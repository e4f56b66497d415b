#pragma once

#include "stats.h"

#include <QDir>
#include <QImage>
#include <QList>

namespace bench {

// "Save as full screen photo" of `capture` (the bitmap writer through the safe replacement)
// against writing as many bytes with one write to a temporary file, flushing it to the disk and
// renaming it, as the safe replacement must; and, for information, against the same without the
// flush.
QList<Figure> fullSizeSave(const QDir& work, const QImage& capture, int runs);

// For information: the full-size photo saved as PNG and as JPEG (a name ending in ".png",
// ".jpg") against the bitmap save of the same capture, time and file size.
QList<Figure> fullSizeFormats(const QDir& work, const QImage& capture, int runs);

// "AutoSave" with all ten numbered photos present against one full-size save of the capture.
Figure autoSaveFullHistory(const QDir& work, const QImage& capture, int runs);

// Writing a scenario file through the safe replacement and reading it back, per round trip,
// against one write + flush to disk + rename of the same bytes.
QList<Figure> scenarioRoundTrip(const QDir& work, int runs);

} // namespace bench
