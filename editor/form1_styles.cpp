#include "form1.h"

// The option groups' selection handlers.
void Form1::connectStyleOptions() {}
