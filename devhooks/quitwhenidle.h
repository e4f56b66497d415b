#pragma once

class QWidget;

namespace qel {

// For timing start-up: with QEL_QUIT_WHEN_IDLE=1 in the environment the program quits as soon as
// `window` is on screen and the event loop has nothing left to do. Otherwise it does nothing but
// read the variable once.
void quitWhenIdle(QWidget& window);

// For timing a button's work: with QEL_PRESS_WHEN_IDLE=<objectName of a button> the program, once
// idle as above, presses that button of `window`, answers every message box it brings up with
// its default button, and quits. With QEL_PRESS_TIMES=<file> it adds to that file a line with
// the milliseconds from the press until the first message box showed.
void pressWhenIdle(QWidget& window);

} // namespace qel
