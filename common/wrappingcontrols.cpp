#include "wrappingcontrols.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qel {

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    style()->drawItemText(&painter, rect().adjusted(3, 1, -3, -1),
                          Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                          QPalette::ButtonText);
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    option.text = text();
    const QRect textArea = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    style()->drawItemText(&painter, textArea, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                          palette(), isEnabled(), text(), QPalette::WindowText);
}

} // namespace qel
