#pragma once

#include "controls.h"

#include <QRadioButton>
#include <QString>
#include <QWidget>

// Finding option buttons by their control name, and which one of a group is selected.

inline QRadioButton* option(QWidget* w, const QString& name)
{
    return control<QRadioButton>(*w, qPrintable(name));
}

// The name of the selected option inside `frame`, or "(none)".
inline QString checkedIn(QWidget* frame)
{
    for (QRadioButton* b : frame->findChildren<QRadioButton*>()) {
        if (b->isChecked())
            return b->objectName();
    }
    return QStringLiteral("(none)");
}
