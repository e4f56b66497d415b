#pragma once

#include "styledialog.h"

// "Cirrus": the variants of the cirrus and jet trail clouds.
class Form3 : public StyleDialog {
    Q_OBJECT
public:
    explicit Form3(Form1& main);

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();

    QRadioButton* Option1; // "Light"
    QRadioButton* Option2; // "Dense", the preset
    QRadioButton* Option3; // "Cirro-Cumulous"
    QRadioButton* Option4; // "Jet Trails"
};
