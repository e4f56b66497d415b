#include "form7.h"

#include <QRadioButton>

Form7::Form7(Form1& main)
    : StyleDialog(main, {"Form7", tr("Front"), tr("Select Weather Front"), QRect(0, 0, 1935, 1575),
                         QRect(0, 0, 1935, 1575), QRect(1440, 1080, 375, 375)})
{
    Option1 = addChoice("Option1", tr("Unbroken Band"), 240, 240, 1455, 495);
    Option2 = addChoice("Option2", tr("Broken Bands"), 240, 600, 1455, 495);
    Option3 = addChoice("Option3", tr("Turbulent"), 240, 960, 1455, 495);
    finish(Option1,
           {[this] { Option1_Click(); }, [this] { Option2_Click(); }, [this] { Option3_Click(); }});
}

void Form7::Option1_Click()
{
    writeCode(QStringLiteral("UB"));
}
void Form7::Option2_Click()
{
    writeCode(QStringLiteral("BB"));
}
void Form7::Option3_Click()
{
    writeCode(QStringLiteral("TB"));
}
