#pragma once

#include <QFont>
#include <QImage>

namespace qel::editor::banner {

inline constexpr int width = 289;
inline constexpr int height = 68;

// The editor's banner: a fixed 289 × 68 picture in 256 colours, its captions in `font` (the
// window's), drawn for a screen of `devicePixelRatio` so that it stays crisp on dense screens.
QImage draw(const QFont& font, qreal devicePixelRatio);

} // namespace qel::editor::banner
