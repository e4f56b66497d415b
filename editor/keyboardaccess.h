#pragma once

class Form1;

// Keyboard and screen reader access to the main window: a Tab order that follows the way a
// scenario is composed, and a name for every control.
void arrangeKeyboardAccess(Form1& window);
