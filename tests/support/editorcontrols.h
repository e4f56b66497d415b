#pragma once

#include "controls.h"
#include "filelist.h"
#include "imageview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The editor's main window's controls, each under its control name.
struct EditorControls {
    explicit EditorControls(const QWidget& w)
        : Image1(control<qel::ImageView>(w, "Image1"))
        , Label2(control<QLabel>(w, "Label2"))
        , Text1(control<QLineEdit>(w, "Text1"))
        , Label9(control<QLabel>(w, "Label9"))
        , File5(control<qel::FileList>(w, "File5"))
        , Command11(control<QPushButton>(w, "Command11"))
        , Label7(control<QLabel>(w, "Label7"))
        , Frame6(control<QGroupBox>(w, "Frame6"))
        , Option24(control<QRadioButton>(w, "Option24"))
        , Option25(control<QRadioButton>(w, "Option25"))
        , Option26(control<QRadioButton>(w, "Option26"))
        , Frame1(control<QGroupBox>(w, "Frame1"))
        , Option1(control<QRadioButton>(w, "Option1"))
        , Option2(control<QRadioButton>(w, "Option2"))
        , Option3(control<QRadioButton>(w, "Option3"))
        , Option4(control<QRadioButton>(w, "Option4"))
        , Option5(control<QRadioButton>(w, "Option5"))
        , Option6(control<QRadioButton>(w, "Option6"))
        , Option7(control<QRadioButton>(w, "Option7"))
        , Option21(control<QRadioButton>(w, "Option21"))
        , Frame2(control<QGroupBox>(w, "Frame2"))
        , Option8(control<QRadioButton>(w, "Option8"))
        , Option9(control<QRadioButton>(w, "Option9"))
        , Option10(control<QRadioButton>(w, "Option10"))
        , Option11(control<QRadioButton>(w, "Option11"))
        , Option28(control<QRadioButton>(w, "Option28"))
        , Label3(control<QLabel>(w, "Label3"))
        , Text23(control<QLineEdit>(w, "Text23"))
        , Image2(control<qel::ImageView>(w, "Image2"))
        , Command2(control<QPushButton>(w, "Command2"))
        , Label6(control<QLabel>(w, "Label6"))
        , Command9(control<QPushButton>(w, "Command9"))
        , Text26(control<QLineEdit>(w, "Text26"))
        , Check1(control<QCheckBox>(w, "Check1"))
        , Label8(control<QLabel>(w, "Label8"))
        , Command3(control<QPushButton>(w, "Command3"))
        , Label4(control<QLabel>(w, "Label4"))
        , Text24(control<QLineEdit>(w, "Text24"))
        , Command7(control<QPushButton>(w, "Command7"))
        , Command5(control<QPushButton>(w, "Command5"))
        , Command6(control<QPushButton>(w, "Command6"))
        , Command1(control<QPushButton>(w, "Command1"))
        , Text2(control<QLineEdit>(w, "Text2"))
        , Text5(control<QLineEdit>(w, "Text5"))
        , Text22(control<QLineEdit>(w, "Text22"))
        , Text25(control<QLineEdit>(w, "Text25"))
    {
    }

    qel::ImageView* Image1;
    QLabel* Label2;
    QLineEdit* Text1;
    QLabel* Label9;
    qel::FileList* File5;
    QPushButton* Command11;
    QLabel* Label7;
    QGroupBox* Frame6;
    QRadioButton *Option24, *Option25, *Option26;
    QGroupBox* Frame1;
    QRadioButton *Option1, *Option2, *Option3, *Option4, *Option5, *Option6, *Option7, *Option21;
    QGroupBox* Frame2;
    QRadioButton *Option8, *Option9, *Option10, *Option11, *Option28;
    QLabel* Label3;
    QLineEdit* Text23;
    qel::ImageView* Image2;
    QPushButton* Command2;
    QLabel* Label6;
    QPushButton* Command9;
    QLineEdit* Text26;
    QCheckBox* Check1;
    QLabel* Label8;
    QPushButton* Command3;
    QLabel* Label4;
    QLineEdit* Text24;
    QPushButton *Command7, *Command5, *Command6, *Command1;
    QLineEdit *Text2, *Text5, *Text22, *Text25;
};

// The controls of a window found by name; `ui(form).Text2` reads like the layout's own names.
inline EditorControls ui(const QWidget& editor)
{
    return EditorControls(editor);
}
