#pragma once

#include <QStringList>

class QWidget;

namespace bench {

// The arguments that make qel-bench-minimal show a window of the same size with the same widgets
// as `window`: "WIDTHxHEIGHT" and "KIND=TOTAL/HIDDEN" for each standard widget class, counting
// every named control (the widgets Qt makes inside controls, "qt_…", are left to the controls).
QStringList census(const QWidget& window);

// How many widgets the census counted.
int widgetCount(const QStringList& census);

} // namespace bench
