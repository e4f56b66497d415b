#include "reopenfilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>

#include <utility>

namespace qel::editor {

ReopenFilter::ReopenFilter(QRadioButton* option, std::function<void()> reopen,
                           std::optional<quint64>& pressedAt)
    : QObject(option)
    , m_option(option)
    , m_reopen(std::move(reopen))
    , m_pressedAt(pressedAt)
{
    option->installEventFilter(this);
}

bool ReopenFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_option)
        return false;
    if (event->type() == QEvent::MouseButtonPress)
        m_pressedAt = static_cast<QMouseEvent*>(event)->timestamp();
    if (event->type() == QEvent::MouseButtonDblClick) {
        // Taken whole: handed on, it would count as a press whose release the modal dialog
        // swallows, leaving the option drawn pressed.
        m_reopen();
        return true;
    }
    if (event->type() == QEvent::KeyPress && m_option->isChecked()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_reopen();
            return true;
        }
    }
    return false;
}

} // namespace qel::editor
