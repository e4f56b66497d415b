#include "form1.h"
#include "quitwhenidle.h"

#include <QApplication>
#include <QTimer>

namespace {

// For headless demonstrations: with QEL_SCREENSHOT=file.png the editor saves a picture of its
// window once it is on screen, and quits.
void screenshotAndQuit(QWidget& window)
{
    const QString path = qEnvironmentVariable("QEL_SCREENSHOT");
    if (path.isEmpty())
        return;
    QTimer::singleShot(500, &window, [&window, path] {
        const bool saved = window.grab().save(path, "PNG");
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QELedit"));
    Form1 window;
    window.show();
    qel::quitWhenIdle(window);
    if (qEnvironmentVariableIsSet("QEL_SCREENSHOT"))
        screenshotAndQuit(window);
    else
        QTimer::singleShot(0, &window, &Form1::reportStartProblems);
    return app.exec();
}
