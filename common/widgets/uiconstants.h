#pragma once

#include <QColor>

// The look both programs share with the add-on's launcher, and the limits of its boxes.
namespace qel::ui {

// The text of labels, frames and boxes.
inline const QColor navy(0, 0, 128);
// The classic window grey: read-only displays and the help texts' background.
inline const QColor lightGrey(192, 192, 192);

// The longest text a one-line box takes from the keyboard or the clipboard.
inline constexpr int longestLine = 32767;

} // namespace qel::ui
