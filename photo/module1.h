#pragma once

#include <QImage>
#include <QSize>

namespace photo {

class PhotoWindow;

// What the preview box shows, drawn into a picture of `size` pixels: the light grey ground, the
// box's own picture unscaled from the top-left corner, and over it the capture of `Image1`,
// scaled to fill the box when `stretch` is on (it always is), unscaled otherwise.
QImage renderPreview(QSize size, const QImage& boxPicture, const QImage& capture, bool stretch);

namespace Module1 {

// The copy buffer's size in pixels: the preview box's 2415 × 1815 twips, however the screen
// is scaled, so every scenario picture is the same small bitmap.
QSize bufferSize();

// Renders what the preview box `Picture1` shows into the copy buffer and makes the result the
// buffer's (`Picture2`'s) picture, which the scenario-picture save then writes.
void CopyPreview(PhotoWindow& form);

} // namespace Module1

} // namespace photo
