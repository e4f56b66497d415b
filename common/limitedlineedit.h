#pragma once

#include "uiconstants.h"

#include <QLineEdit>

#include <functional>

namespace qel {

// A one-line box whose limits bind the user's typing and pasting only: text put in by the program
// is held whole, however long. Characters that `allowed` refuses are dropped from what is typed.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(QWidget* parent = nullptr);

    void setTypingLimit(int characters) { m_limit = characters; }
    int typingLimit() const { return m_limit; }
    void setCharacterFilter(std::function<bool(QChar)> allowed) { m_allowed = std::move(allowed); }

private:
    void keepWithinLimits(const QString& edited);

    int m_limit = qel::ui::longestLine;
    std::function<bool(QChar)> m_allowed;
    QString m_previous;
    QString m_current;
};

} // namespace qel
