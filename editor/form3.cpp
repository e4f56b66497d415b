#include "form3.h"

#include <QRadioButton>

Form3::Form3(Form1& main)
    : StyleDialog(main, {"Form3", tr("Cirrus"), tr("Cirrus Style"), QRect(0, 0, 1920, 1680),
                         QRect(0, -15, 1935, 1695), QRect(1320, 240, 375, 375)})
{
    Option1 = addChoice("Option1", tr("Light"), 120, 240, 1215, 375);
    Option2 = addChoice("Option2", tr("Dense"), 120, 600, 1215, 315);
    Option3 = addChoice("Option3", tr("Cirro-Cumulous"), 120, 960, 1455, 315);
    Option4 = addChoice("Option4", tr("Jet Trails"), 120, 1320, 1455, 315);
    finish(Option2, {[this] { Option1_Click(); }, [this] { Option2_Click(); },
                     [this] { Option3_Click(); }, [this] { Option4_Click(); }});
}

void Form3::Option1_Click()
{
    writeCode(QStringLiteral("CL"));
}
void Form3::Option2_Click()
{
    writeCode(QStringLiteral("CD"));
}
void Form3::Option3_Click()
{
    writeCode(QStringLiteral("CC"));
}
void Form3::Option4_Click()
{
    writeCode(QStringLiteral("CT"));
}
