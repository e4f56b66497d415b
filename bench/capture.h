#pragma once

#include <QImage>

namespace bench {

// A full-screen capture as the simulator gives one: sky, hazy horizon, patchwork ground with
// fine texture, an instrument panel with lettering. Drawn here, the same on every run.
QImage screenCapture(int width = 3840, int height = 2160);

} // namespace bench
