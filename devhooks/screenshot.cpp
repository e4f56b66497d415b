#include "screenshot.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace qel::screenshot {

namespace {

QWidget* shownWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible() && window->windowHandle() &&
            window->windowHandle()->isExposed())
            return window;
    }
    return nullptr;
}

// What the window shows on the screen: the pixels of its native window where the platform can
// read them back (an X server can), else the window drawn off screen.
QPixmap pictureOf(QWidget* window)
{
    if (QScreen* screen = window->screen()) {
        const QPixmap onScreen = screen->grabWindow(window->winId());
        if (!onScreen.isNull() && onScreen.size() == window->size() * window->devicePixelRatio())
            return onScreen;
    }
    return window->grab();
}

void finish(int code, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    QCoreApplication::exit(code);
}

} // namespace

QString requestedFile()
{
    return qEnvironmentVariable("QEL_SCREENSHOT");
}

QString requestedWindow(const QString& fallback)
{
    const QString name = qEnvironmentVariable("QEL_SCREENSHOT_WINDOW");
    return name.isEmpty() ? fallback : name;
}

void saveWhenShown(const QString& windowName, const QString& file,
                   std::function<bool(QWidget*)> ready)
{
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(10000);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget* window = shownWindow(windowName);
        if (!window || (ready && !ready(window))) {
            if (deadline.hasExpired()) {
                poll->deleteLater();
                finish(1, QStringLiteral("%1 never came on screen").arg(windowName));
            }
            return;
        }
        poll->deleteLater();
        // Let it draw, and any picture in it load, before the pixels are read.
        window->raise();
        window->activateWindow();
        QTimer::singleShot(700, qApp, [window = QPointer<QWidget>(window), file, windowName] {
            if (!window) {
                finish(1, QStringLiteral("%1 closed before its picture was taken").arg(windowName));
                return;
            }
            const bool saved = pictureOf(window).save(file, "PNG");
            finish(saved ? 0 : 1, saved ? QStringLiteral("%1: %2").arg(windowName, file)
                                        : QStringLiteral("cannot write %1").arg(file));
        });
    });
    poll->start(50);
}

} // namespace qel::screenshot
