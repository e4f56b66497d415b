#pragma once

#include "dib.h"

// The clipboard as the system itself holds it, for what Qt's clipboard does not hand over.
namespace qel::systemclipboard {

// --- Per platform (systemclipboard_unix.cpp, systemclipboard_win.cpp) ---

// Windows: the screen capture that "Print Screen" leaves, read as a device-independent bitmap
// (CF_DIBV5, then CF_DIB, then CF_BITMAP). Qt's clipboard does not hand such a picture over
// everywhere (not under Wine, for one). Elsewhere: none, Qt's clipboard is all there is.
dib::Picture screenCapture(qint64 maxPixels);

} // namespace qel::systemclipboard
