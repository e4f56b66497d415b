#include "wrappingcontrols.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qel {

namespace {

// Draws the control as its style does, but without a caption, then the caption wrapped inside
// `textArea`.
void paintWrapped(QAbstractButton& control, QStyleOptionButton option,
                  QStyle::ControlElement element, const QRect& textArea, Qt::Alignment alignment,
                  QPalette::ColorRole textRole)
{
    QStylePainter painter(&control);
    option.text.clear();
    painter.drawControl(element, option);
    control.style()->drawItemText(&painter, textArea, alignment | Qt::TextWordWrap,
                                  control.palette(), control.isEnabled(), control.text(), textRole);
}

} // namespace

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWrapped(*this, option, QStyle::CE_PushButton, rect().adjusted(3, 1, -3, -1),
                 Qt::AlignCenter, QPalette::ButtonText);
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    paintWrapped(*this, option, QStyle::CE_CheckBox, textArea, Qt::AlignVCenter | Qt::AlignLeft,
                 QPalette::WindowText);
}

} // namespace qel
