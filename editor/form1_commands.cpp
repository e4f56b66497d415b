#include "form1.h"

// The buttons that leave the editor or open its other windows.
void Form1::connectCommands() {}
