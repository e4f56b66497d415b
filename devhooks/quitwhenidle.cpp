#include "quitwhenidle.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <memory>

namespace qel {

namespace {

// Runs `then` once, at the first moment `window` is exposed and the event loop has nothing left
// to do: aboutToBlock comes whenever the loop runs out of events, and the first one after the
// window is exposed is the moment a user could start working.
void whenIdleAndShown(QWidget& window, std::function<void()> then)
{
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &window,
                                   [&window, connection, then] {
                                       const QWindow* handle = window.windowHandle();
                                       if (!window.isVisible() || !handle || !handle->isExposed())
                                           return;
                                       QObject::disconnect(*connection);
                                       QTimer::singleShot(0, qApp, then);
                                   });
}

} // namespace

void quitWhenIdle(QWidget& window)
{
    if (qEnvironmentVariableIntValue("QEL_QUIT_WHEN_IDLE") != 1)
        return;
    whenIdleAndShown(window, &QCoreApplication::quit);
}

void pressWhenIdle(QWidget& window)
{
    const QString name = qEnvironmentVariable("QEL_PRESS_WHEN_IDLE");
    auto* button = name.isEmpty() ? nullptr : window.findChild<QAbstractButton*>(name);
    if (!button)
        return;
    whenIdleAndShown(window, [button] {
        // The message box the button brings up is modal: answered from a timer of its loop. The
        // time from the press until it shows is added to the file QEL_PRESS_TIMES names.
        QElapsedTimer clock;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&clock] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (QFile times(qEnvironmentVariable("QEL_PRESS_TIMES"));
                !times.fileName().isEmpty() && times.open(QIODevice::Append))
                times.write(QByteArray::number(clock.elapsed()) + '\n');
            box->done(box->defaultButton() ? box->standardButton(box->defaultButton())
                                           : QMessageBox::Ok);
        });
        answer.start(1);
        clock.start();
        button->click();
        QCoreApplication::quit();
    });
}

} // namespace qel
