#pragma once

#include "controls.h"
#include "filelist.h"
#include "imageview.h"
#include "photowindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The photo tool's controls, found by the names they have in the layout.
struct PhotoControls {
    explicit PhotoControls(const QWidget& window)
        : Label1(control<QLabel>(window, "Label1"))
        , Text3(control<QLineEdit>(window, "Text3"))
        , Command1(control<QPushButton>(window, "Command1"))
        , Command8(control<QPushButton>(window, "Command8"))
        , Picture1(control<qel::ImageView>(window, "Picture1"))
        , Image1(control<qel::ImageView>(window, "Image1"))
        , Label2(control<QLabel>(window, "Label2"))
        , Command5(control<QPushButton>(window, "Command5"))
        , Command7(control<QPushButton>(window, "Command7"))
        , Command6(control<QPushButton>(window, "Command6"))
        , Picture2(control<qel::ImageView>(window, "Picture2"))
        , File2(control<qel::FileList>(window, "File2"))
    {
    }

    QLabel* Label1;
    QLineEdit* Text3;
    QPushButton* Command1;
    QPushButton* Command8;
    qel::ImageView* Picture1;
    qel::ImageView* Image1;
    QLabel* Label2;
    QPushButton* Command5;
    QPushButton* Command7;
    QPushButton* Command6;
    qel::ImageView* Picture2;
    qel::FileList* File2;
};

// A photo window shown and past its start-up, which reads whatever the clipboard holds now.
inline std::unique_ptr<qel::photo::PhotoWindow> startedPhotoWindow()
{
    auto window = std::make_unique<qel::photo::PhotoWindow>();
    window->show();
    if (!QTest::qWaitFor([&] { return window->startupDone(); }))
        qWarning("the photo tool never read the clipboard");
    return window;
}
