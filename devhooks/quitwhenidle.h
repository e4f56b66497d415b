#pragma once

class QWidget;

namespace qel {

// For timing start-up: with QEL_QUIT_WHEN_IDLE=1 in the environment the program quits as soon as
// `window` is on screen and the event loop has nothing left to do. Otherwise it does nothing but
// read the variable once.
void quitWhenIdle(QWidget& window);

} // namespace qel
