#pragma once

#include <QFont>
#include <QImage>

namespace qel::editor::banner {

// The editor's banner: a fixed 289 × 68 picture in 256 colours, drawn by the program itself in
// the typeface of `windowFont` (the same picture for the life of the program).
QImage image(const QFont& windowFont);

} // namespace qel::editor::banner
