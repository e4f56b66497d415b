#include "clipboardpicture.h"
#include "folderchooser.h"
#include "photowindow.h"
#include "picture.h"
#ifdef QEL_DEVELOPER_HOOKS
#include "quitwhenidle.h"
#include "screenshot.h"
#endif

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qelphoto"));
    // Ties the windows to the menu entry (packaging/qelphoto.desktop) for the desktop's task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("qelphoto"));
    // The simulator's folder becomes the current folder once, before any window looks at it.
    if (!qel::simulator::enterStartFolder(QCoreApplication::arguments().mid(1)))
        return 2;
    qel::pictures::allowPicturesUpTo(qel::photo::largestCapture);
    qel::photo::PhotoWindow window;
    window.show();
#ifdef QEL_DEVELOPER_HOOKS
    qel::quitWhenIdle(window);
    qel::pressWhenIdle(window);
    // QEL_SCREENSHOT=file.png: a picture of the window once it shows the clipboard's capture.
    if (const QString file = qel::screenshot::requestedFile(); !file.isEmpty()) {
        qel::screenshot::saveWhenShown(window.objectName(), file,
                                       [&window](QWidget*) { return window.startupDone(); });
        return app.exec();
    }
#endif
    QTimer::singleShot(0, &window, &qel::photo::PhotoWindow::reportStartProblems);
    return app.exec();
}
