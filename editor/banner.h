#pragma once

#include <QImage>

namespace qel::editor::banner {

// The editor's banner: a fixed 289 × 68 picture in 256 colours (editor/banner.bmp, drawn by
// scripts/banner).
QImage image();

inline constexpr int width = 289;
inline constexpr int height = 68;

} // namespace qel::editor::banner
