#pragma once

#include "uiconstants.h"

#include <QLineEdit>

#include <functional>

namespace qel {

// A one-line box whose limits bind the user's typing and pasting only: text put in by the program
// is held whole, however long. Characters that the check refuses are kept out of what is typed or
// pasted, and a tool tip at the box says which one was left out and why.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(QWidget* parent = nullptr);

    void setTypingLimit(int characters) { m_limit = characters; }
    int typingLimit() const { return m_limit; }
    // Why `character` (one character: two halves of a surrogate pair for one beyond the Basic
    // Multilingual Plane, such as an emoji) cannot go into the box, in a sentence naming it;
    // empty when it can.
    using CharacterCheck = std::function<QString(const QString& character)>;
    void setCharacterCheck(CharacterCheck whyLeftOut) { m_whyLeftOut = std::move(whyLeftOut); }

private:
    void keepWithinLimits(const QString& edited);
    // What of `inserted` the check lets in; tells the user about the rest.
    QString allowedPart(const QString& inserted);
    // Keeps the tool tip just shown, whose text is `text`, next to the box and on the screen.
    void placeToolTip(const QString& text);

    int m_limit = qel::ui::longestLine;
    CharacterCheck m_whyLeftOut;
    QString m_previous;
    QString m_current;
};

} // namespace qel
