#pragma once

#include <QObject>
#include <QPointF>

class QRadioButton;

namespace qel::editor {

// A mouse press: when (the event's timestamp, in milliseconds) and where on the screen.
struct MousePress {
    quint64 timestamp = 0;
    QPointF globalPosition;
};

// Whether the system would count `second` as the second press of a double-click begun by
// `first`: soon enough after it and near enough to it (the style hints' interval and distance).
bool completesDoubleClick(const MousePress& first, const MousePress& second);

// Watches a style option for the window that owns it: a double-click, or Enter on the selected
// option for those who use the keyboard, asks for its style dialog again; every mouse press is
// told, for the dialog that the click may show.
class ReopenFilter : public QObject {
    Q_OBJECT
public:
    explicit ReopenFilter(QRadioButton* option);

signals:
    void pressed(const qel::editor::MousePress& press);
    void reopenRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRadioButton* m_option;
};

} // namespace qel::editor
