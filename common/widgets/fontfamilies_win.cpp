#include "fontfamilies.h"

namespace qel::fonts {

// Windows has the fonts the layouts were made for; Qt takes the list as it is.
void setFamilies(QFont& font, const QStringList& families)
{
    font.setFamilies(families);
}

} // namespace qel::fonts
