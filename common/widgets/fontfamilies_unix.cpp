#include "fontfamilies.h"

#include <QFontInfo>

namespace qel::fonts {

namespace {

// The free font with Arial's widths that the layouts are checked with here.
const QString checkedWith = QStringLiteral("Liberation Sans");

} // namespace

// fontconfig answers a family it does not have by sorting every installed font against it, and
// Qt asks it so for every family of a list, also to find stand-ins for characters the font lacks:
// for the Windows families the windows' lists begin with, a twentieth of the editor's start-up.
// Where Liberation Sans is installed it is the font the list comes to anyway (Arial stands for it
// here), so it is asked for alone; fontconfig still supplies stand-ins, when they are needed.
void setFamilies(QFont& font, const QStringList& families)
{
    if (families.contains(checkedWith)) {
        font.setFamilies({checkedWith});
        if (QFontInfo(font).family() == checkedWith)
            return;
    }
    font.setFamilies(families);
}

} // namespace qel::fonts
