#pragma once

#include <QImage>
#include <QSize>

namespace qel {
class ImageView;
}

namespace qel::photo {

// What the preview box shows, drawn into a picture of `size` pixels: the light grey ground, the
// box's own picture unscaled from the top-left corner, and over it the capture, scaled to fill
// the box when `stretch` is on (it always is), unscaled otherwise.
QImage renderPreview(QSize size, const QImage& boxPicture, const QImage& capture, bool stretch);

// The copy buffer's size in pixels: the preview box's 2415 × 1815 twips, however the screen
// is scaled, so every scenario picture is the same small bitmap.
QSize previewBufferSize();

// Renders what the preview box `box` shows, its own picture with `capture` over it, into the
// copy buffer and makes the result the buffer's picture, which the scenario-picture save then
// writes.
void copyPreview(const ImageView& box, const ImageView& capture, ImageView& buffer);

} // namespace qel::photo
