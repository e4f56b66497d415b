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

// The first control that the layout names (the toolkit's inner parts are named qt_...) that a
// user can see, but a screen reader finds no name for; nullptr when there is none.
inline QWidget* firstUnnamed(QWidget& window)
{
    for (QWidget* c : window.findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (c->isVisibleTo(&window) && !c->isWindow() && !name.isEmpty() &&
            !name.startsWith(QLatin1String("qt_")) && c->accessibleName().trimmed().isEmpty())
            return c;
    }
    return nullptr;
}
