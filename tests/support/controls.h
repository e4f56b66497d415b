#pragma once

#include <QByteArray>
#include <QWidget>

// Windows keep their controls to themselves; suites find them the way the layout tables, the
// keyboard and outside tools do: by their control name, the objectName. A missing or mistyped
// control ends the suite at once with its name, rather than crashing later on a null pointer.
template <typename Control = QWidget> Control* control(const QObject& window, const char* name)
{
    auto* found = window.findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("%s has no control %s of the expected kind", qPrintable(window.objectName()), name);
    return found;
}
