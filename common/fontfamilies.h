#pragma once

#include <QFont>
#include <QStringList>

namespace qel::fonts {

// Gives `font` the first of `families`, in their order, that this system has.
void setFamilies(QFont& font, const QStringList& families);

} // namespace qel::fonts
