#include "form1.h"
#include "quitwhenidle.h"
#include "screenshot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qelphoto"));
    // Ties the windows to the menu entry (packaging/qelphoto.desktop) for the desktop's task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("qelphoto"));
    photo::Form1 window;
    window.show();
    qel::quitWhenIdle(window);
    // QEL_SCREENSHOT=file.png: a picture of the window once it shows the clipboard's capture.
    if (const QString file = qel::screenshot::requestedFile(); !file.isEmpty())
        qel::screenshot::saveWhenShown(window.objectName(), file,
                                       [&window](QWidget*) { return window.startupDone(); });
    return app.exec();
}
