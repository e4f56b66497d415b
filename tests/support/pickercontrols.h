#pragma once

#include "controls.h"
#include "filelist.h"
#include "imageview.h"

#include <QPushButton>

// The picture picker's controls, each under its control name.
struct PickerControls {
    explicit PickerControls(const QWidget& w)
        : Image1(control<qel::ImageView>(w, "Image1"))
        , File1(control<qel::FileList>(w, "File1"))
        , Command1(control<QPushButton>(w, "Command1"))
        , Command4(control<QPushButton>(w, "Command4"))
        , Command2(control<QPushButton>(w, "Command2"))
    {
    }

    qel::ImageView* Image1; // preview
    qel::FileList* File1;
    QPushButton* Command1; // "Select"
    QPushButton* Command4; // "Edit"
    QPushButton* Command2; // "Exit"
};
