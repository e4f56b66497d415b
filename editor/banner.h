#pragma once

#include <QImage>

namespace banner {

// The editor's banner: a fixed 289 × 68 picture in 256 colours, drawn by the program itself.
QImage image();

} // namespace banner
