#pragma once

#include <QImage>

namespace qel::editor::banner {

// The editor's banner: a fixed 289 × 68 picture in 256 colours (editor/banner.bmp, drawn by
// scripts/banner).
QImage image();

} // namespace qel::editor::banner
