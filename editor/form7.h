#pragma once

#include "styledialog.h"

// "Front": the variants of the weather front.
class Form7 : public StyleDialog {
    Q_OBJECT
public:
    explicit Form7(Form1& main);

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    QRadioButton* Option1; // "Unbroken Band", the preset
    QRadioButton* Option2; // "Broken Bands"
    QRadioButton* Option3; // "Turbulent"
};
