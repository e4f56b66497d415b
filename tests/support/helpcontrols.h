#pragma once

#include "controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// The help window's controls, found by their control names.
struct HelpControls {
    explicit HelpControls(const QObject& help)
        : Command1(control<QPushButton>(help, "Command1"))
        , Command2(control<QPushButton>(help, "Command2"))
        , Command3(control<QPushButton>(help, "Command3"))
        , Command6(control<QPushButton>(help, "Command6"))
        , Label1(control<QLabel>(help, "Label1"))
        , Label2(control<QLabel>(help, "Label2"))
        , Label3(control<QLabel>(help, "Label3"))
        , Text1(control<QPlainTextEdit>(help, "Text1"))
        , Text2(control<QPlainTextEdit>(help, "Text2"))
        , Text3(control<QPlainTextEdit>(help, "Text3"))
    {
    }

    QPushButton* Command1; // "Overview"
    QPushButton* Command2; // "Learning the new system"
    QPushButton* Command3; // "Creating a QEL file"
    QPushButton* Command6; // "Exit Help"
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPlainTextEdit* Text1; // creating a QEL file
    QPlainTextEdit* Text2; // learning the new system
    QPlainTextEdit* Text3; // overview
};
