#pragma once

class QWidget;

namespace qel::screenshot {

// With QEL_SCREENSHOT=file.png set, opens the window that QEL_SCREENSHOT_WINDOW names (Form1 with
// a scenario filled in and the quick tips on; Form2 to Form7 the way a user opens them; unset,
// the main window as it starts), saves its picture and quits; returns true. Without it does
// nothing and returns false.
bool takeScreenshotIfAsked(QWidget& main);

} // namespace qel::screenshot
