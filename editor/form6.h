#pragma once

#include "styledialog.h"

class QLabel;

// "Overcast": the variants of the overcast layer, with a note on the flights they suit.
class Form6 : public StyleDialog {
    Q_OBJECT
public:
    explicit Form6(Form1& main);

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    QRadioButton* Option1; // "Bright", the preset
    QRadioButton* Option3; // "Wind Swept", laid out between the other two
    QRadioButton* Option2; // "Gray"
    QLabel* Label1;

private:
    void fitNoteToItsPlace();
};
