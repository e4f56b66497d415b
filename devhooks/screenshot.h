#pragma once

#include <QString>

#include <functional>

class QWidget;

// Pictures of the windows for the README (scripts/screenshots). Off unless QEL_SCREENSHOT names a
// PNG file; then the program shows the window that QEL_SCREENSHOT_WINDOW names, saves a picture
// of it as it is on the screen once it has been drawn, and quits. Unset, it costs one look at the
// environment.
namespace qel::screenshot {

// The file to save, or "" when no picture is asked for.
QString requestedFile();
// The objectName of the window to take; `fallback` when QEL_SCREENSHOT_WINDOW is unset.
QString requestedWindow(const QString& fallback);

// Waits until a visible top-level window named `windowName` is on the screen and `ready` (when
// given) says it is complete, lets it settle, saves its picture to `file` and ends the event
// loops: every one, so a modal window's too. Ends with exit code 1 when the window never comes
// or the picture cannot be saved.
void saveWhenShown(const QString& windowName, const QString& file,
                   std::function<bool(QWidget*)> ready = {});

} // namespace qel::screenshot
