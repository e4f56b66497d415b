#include "quitwhenidle.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace qel {

void quitWhenIdle(QWidget& window)
{
    if (qEnvironmentVariableIntValue("QEL_QUIT_WHEN_IDLE") != 1)
        return;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    // aboutToBlock comes whenever the loop runs out of events; the first one after the window is
    // exposed is the moment a user could start working.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &window,
                                   [&window, connection] {
                                       const QWindow* handle = window.windowHandle();
                                       if (!window.isVisible() || !handle || !handle->isExposed())
                                           return;
                                       QObject::disconnect(*connection);
                                       QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                                   });
}

} // namespace qel
