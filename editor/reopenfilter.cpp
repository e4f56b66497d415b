#include "reopenfilter.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyleHints>

namespace qel::editor {

bool completesDoubleClick(const MousePress& first, const MousePress& second)
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    const auto interval = quint64(hints->mouseDoubleClickInterval());
    const qreal distance = hints->mouseDoubleClickDistance();
    const QPointF moved = second.globalPosition - first.globalPosition;
    return second.timestamp >= first.timestamp && second.timestamp - first.timestamp < interval &&
           qAbs(moved.x()) <= distance && qAbs(moved.y()) <= distance;
}

ReopenFilter::ReopenFilter(QRadioButton* option)
    : QObject(option)
    , m_option(option)
{
    option->installEventFilter(this);
}

bool ReopenFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_option)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        emit pressed({press->timestamp(), press->globalPosition()});
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        // Taken whole: handed on, it would count as a press whose release the modal dialog
        // swallows, leaving the option drawn pressed.
        emit reopenRequested();
        return true;
    }
    if (event->type() == QEvent::KeyPress && m_option->isChecked()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit reopenRequested();
            return true;
        }
    }
    return false;
}

} // namespace qel::editor
