#pragma once

#include <QFont>
#include <QStringList>

namespace qel::fonts {

// The typefaces the windows were laid out in.
enum class Typeface {
    form,  // "MS Sans Serif", the old forms' own, or the closest common sans serif in width
    arial, // Arial, or a free font with its widths
};

// The one source of the windows' and dialogs' fonts: `face` where this system has it, else the
// nearest in width (the texts were laid out for these and overflow their controls in wider
// faces), at `points`.
QFont formFont(Typeface face, qreal points, bool bold = false);

// The editor's windows and dialogs: their layout was made for an 8-point "MS Sans Serif", a narrow
// font; a sans serif a pixel smaller keeps every caption inside its control.
inline constexpr qreal editorPoints = 7.5;

// Gives `font` the first of `families`, in their order, that this system has.
void setFamilies(QFont& font, const QStringList& families);

} // namespace qel::fonts
