#pragma once

#include "stats.h"

#include <QDir>
#include <QImage>
#include <QList>

namespace bench {

// "Save as full screen photo" of `capture` (the bitmap writer through the safe replacement)
// against writing as many bytes with one write to a temporary file and renaming it; and, for
// information, against the same with the bytes flushed to the disk before the rename, as the safe
// replacement does.
QList<Figure> fullSizeSave(const QDir& work, const QImage& capture, int runs);

// "AutoSave" with all ten numbered photos present against one full-size save of the capture.
Figure autoSaveFullHistory(const QDir& work, const QImage& capture, int runs);

// Writing a scenario file through the safe replacement and reading it back, per round trip,
// against the budget of one millisecond; and, for information, what one flush of as many bytes
// to the disk takes beside it.
QList<Figure> scenarioRoundTrip(const QDir& work, int runs);

} // namespace bench
