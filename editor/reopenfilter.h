#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QRadioButton;

namespace qel::editor {

// Opens a style dialog again for an option that is already selected: by double-click, or by
// Enter for those who use the keyboard. Notes when the option is pressed, for the dialog that the
// click may show.
class ReopenFilter : public QObject {
public:
    ReopenFilter(QRadioButton* option, std::function<void()> reopen,
                 std::optional<quint64>& pressedAt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRadioButton* m_option;
    std::function<void()> m_reopen;
    std::optional<quint64>& m_pressedAt;
};

} // namespace qel::editor
