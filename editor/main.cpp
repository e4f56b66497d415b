#include "editorwindow.h"
#include "folderchooser.h"
#include "picture.h"
#ifdef QEL_DEVELOPER_HOOKS
#include "quitwhenidle.h"
#include "screenshotwindows.h"
#endif

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QELedit"));
    // Ties the windows to the menu entry (packaging/qeledit.desktop) for the desktop's task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("qeledit"));
    // The simulator's folder becomes the current folder once, before any window looks at it.
    if (!qel::simulator::enterStartFolder(QCoreApplication::arguments().mid(1)))
        return 2;
    qel::pictures::allowPicturesUpTo(qel::pictures::maxPixels);
    qel::editor::EditorWindow window;
    QObject::connect(&window, &qel::editor::EditorWindow::endRequested,
                     &qel::editor::EditorWindow::endApplication);
    window.show();
    // Queued before any developer hook, so that a run for a screenshot reports it too.
    QTimer::singleShot(0, &window, &qel::editor::EditorWindow::reportStartProblems);
#ifdef QEL_DEVELOPER_HOOKS
    qel::quitWhenIdle(window);
    // QEL_SCREENSHOT=file.png: pictures for the README and for headless runs (scripts/run).
    qel::screenshot::takeScreenshotIfAsked(window);
#endif
    return app.exec();
}
