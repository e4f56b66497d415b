#include "form1.h"

// The quick-tips help line.
void Form1::installHoverHelp() {}
