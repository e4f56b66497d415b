#include "fontfamilies.h"

namespace qel::fonts {

// Windows has the fonts the layouts were made for; they are asked for in the window's own order.
QStringList lookupOrder(QStringList families)
{
    return families;
}

} // namespace qel::fonts
