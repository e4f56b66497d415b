#pragma once

#include "dib.h"

#include <optional>

// The clipboard as the system itself holds it, for what Qt's clipboard does not hand over.
namespace qel::systemclipboard {

// --- Per platform (systemclipboard_unix.cpp, systemclipboard_win.cpp) ---

// Windows: the screen capture that "Print Screen" leaves, read in the format its owner put there
// (CF_DIB, CF_DIBV5 or CF_BITMAP). A damaged device-independent bitmap is reported as such, never
// replaced by the bitmap the system makes from it. Qt's clipboard does not hand such a picture
// over everywhere (not under Wine, for one). Elsewhere: none, Qt's clipboard is all there is.
dib::Picture screenCapture(qint64 maxPixels);

// Windows: the system's clipboard sequence number, which changes with every change of the
// clipboard's content, at once and whether or not events have been handled since. Elsewhere
// none: Qt's change notices (QClipboard::dataChanged) are what there is.
std::optional<quint32> sequenceNumber();

} // namespace qel::systemclipboard
