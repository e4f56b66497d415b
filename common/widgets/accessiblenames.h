#pragma once

#include <QHash>
#include <QString>

class QWidget;

// Names for screen readers. Most controls are named by the caption they show; controls that show
// no caption (boxes, lists, pictures, the small blank buttons) get a name saying what they hold.
namespace qel::accessibility {

// Gives every control below `window` that has no accessible name yet a name: the one that
// `names` holds for its objectName, else its caption with surrounding blanks and a trailing
// "..." or "?" left out (buttons, check boxes, option buttons, frames, labels). Controls with
// neither keep no name.
void nameControls(QWidget& window, const QHash<QString, QString>& names = {});

// The name a caption gives a control: "      Add Picture?" reads "Add Picture".
QString nameFromCaption(const QString& caption);

// Makes Tab stop at the selected option of the exclusive group of option buttons directly inside
// `frame`, as long as the group lives, whichever option becomes selected. The arrow keys then
// move through the group from there.
void tabToSelectedOption(QWidget& frame);

} // namespace qel::accessibility
