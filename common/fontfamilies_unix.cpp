#include "fontfamilies.h"

#include <algorithm>

namespace qel::fonts {

// fontconfig answers a family it does not have by sorting every installed font against it: for
// the two Windows families the editor's list begins with, a twentieth of its start-up. Liberation
// Sans, the free font with Arial's widths that the layouts are checked with here, is asked for
// first, so a system that has it looks for no other.
QStringList lookupOrder(QStringList families)
{
    std::stable_partition(families.begin(), families.end(), [](const QString& family) {
        return family == QLatin1String("Liberation Sans");
    });
    return families;
}

} // namespace qel::fonts
