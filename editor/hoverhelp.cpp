#include "hoverhelp.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace qel::editor {

HoverHelp::HoverHelp(QWidget* form, QLabel* helpLine)
    : QObject(form)
    , m_form(form)
    , m_helpLine(helpLine)
{
}

void HoverHelp::tip(QWidget* control, const QString& sentence)
{
    m_entries.insert(control, sentence);
}

void HoverHelp::noEntry(QWidget* control)
{
    m_entries.insert(control, std::nullopt);
}

void HoverHelp::clickTip(QWidget* control, const QString& sentence)
{
    noEntry(control);
    m_clicks.insert(control, sentence);
}

void HoverHelp::watch()
{
    watchOne(m_form);
    for (QWidget* child : m_form->findChildren<QWidget*>())
        watchOne(child);
}

bool HoverHelp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != m_form && !m_form->isAncestorOf(widget)))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint inForm = widget->mapTo(m_form, mouse->position().toPoint());
    if (type == QEvent::MouseMove)
        moved(inForm);
    else if (mouse->button() == Qt::LeftButton)
        clicked(inForm);
    return false;
}

void HoverHelp::watchOne(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

QWidget* HoverHelp::ownerAt(const QPoint& point) const
{
    for (QWidget* w = m_form->childAt(point); w && w != m_form; w = w->parentWidget()) {
        if (m_entries.contains(w))
            return w;
    }
    return m_form;
}

void HoverHelp::moved(const QPoint& point)
{
    if (!m_form->rect().contains(point))
        return;
    QWidget* owner = ownerAt(point);
    if (owner == m_form) {
        m_helpLine->setText(QStringLiteral(" "));
        return;
    }
    if (const std::optional<QString>& sentence = m_entries.value(owner))
        m_helpLine->setText(*sentence);
}

void HoverHelp::clicked(const QPoint& point)
{
    const auto found = m_clicks.constFind(ownerAt(point));
    if (found != m_clicks.constEnd())
        m_helpLine->setText(*found);
}

} // namespace qel::editor
