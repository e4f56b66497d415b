#pragma once

#include <QCheckBox>
#include <QPushButton>

namespace qel {

// A button and a check box whose caption wraps onto several lines inside their fixed size, as the
// old forms' controls did, instead of being cut off; the caption itself stays one plain text.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole control answers a click, wrapped caption included.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace qel
