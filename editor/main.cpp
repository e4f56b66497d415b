#include "editorwindow.h"
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
    qel::editor::EditorWindow window;
    window.show();
#ifdef QEL_DEVELOPER_HOOKS
    qel::quitWhenIdle(window);
    // QEL_SCREENSHOT=file.png: pictures for the README and for headless runs (scripts/run).
    if (qel::screenshot::takeScreenshotIfAsked(window))
        return app.exec();
#endif
    QTimer::singleShot(0, &window, &qel::editor::EditorWindow::reportStartProblems);
    return app.exec();
}
