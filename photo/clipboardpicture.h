#pragma once

#include <QImage>

namespace qel::photo {

// The picture the clipboard holds right now, in whatever image format its owner offers it
// (bitmap, PNG, palette or transparent pictures alike); a null image when it holds none.
// Transparent parts come already drawn onto the copy buffer's grey: the picture is opaque.
QImage readClipboardPicture();

} // namespace qel::photo
