#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class QLabel;
class QPoint;
class QWidget;

namespace qel::editor {

// Drives the help line from the mouse. Qt hands a mouse move that a control ignores on to the
// control's parent, so the line is never set from the control that receives the event: it is set
// from the innermost visible control under the pointer, and from its nearest ancestor that is in
// the table. Controls marked as having no entry stop the search and leave the line as it is.
// The same move may arrive several times on its way up; every arrival gives the same answer.
class HoverHelp : public QObject {
public:
    HoverHelp(QWidget* form, QLabel* helpLine);

    void tip(QWidget* control, const QString& sentence);
    void noEntry(QWidget* control);
    // A control whose sentence shows on a click rather than on a move.
    void clickTip(QWidget* control, const QString& sentence);

    // Watches the window and every control in it, with mouse tracking so that moves without a
    // pressed button arrive. Disabled controls are watched too: Qt still routes their moves
    // here, so "Save" explains itself before it can be used.
    void watch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchOne(QWidget* widget);
    // The control under `point` that owns its help: the nearest one in the table, or the window.
    QWidget* ownerAt(const QPoint& point) const;
    void moved(const QPoint& point);
    void clicked(const QPoint& point);

    QWidget* m_form;
    QLabel* m_helpLine;
    QHash<QWidget*, std::optional<QString>> m_entries;
    QHash<QWidget*, QString> m_clicks;
};

} // namespace qel::editor
