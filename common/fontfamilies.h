#pragma once

#include <QStringList>

namespace qel::fonts {

// A window's list of font families in the order to ask this system for them: the first it has is
// the window's font.
QStringList lookupOrder(QStringList families);

} // namespace qel::fonts
