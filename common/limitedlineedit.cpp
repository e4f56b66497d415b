#include "limitedlineedit.h"
#include "uiconstants.h"

#include <QSignalBlocker>

namespace qel {

LimitedLineEdit::LimitedLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // QLineEdit's own maximum length would also cut text set by the program, so it stays off.
    setMaxLength(qel::ui::longestLine);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_previous = m_current;
        m_current = text;
    });
    connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::keepWithinLimits);
}

// The edit replaced one stretch of the old text; keep what the user inserted only as far as the
// characters are allowed and the limit leaves room.
void LimitedLineEdit::keepWithinLimits(const QString& edited)
{
    // Whether textChanged already ran for this edit differs between Qt versions.
    const QString before = m_current == edited ? m_previous : m_current;
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < edited.size() && before[prefix] == edited[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < edited.size() - prefix &&
           before[before.size() - 1 - suffix] == edited[edited.size() - 1 - suffix])
        ++suffix;
    const QString inserted = edited.mid(prefix, edited.size() - prefix - suffix);

    QString kept;
    for (QChar c : inserted) {
        if (!m_allowed || m_allowed(c))
            kept.append(c);
    }
    const qsizetype rest = edited.size() - inserted.size();
    const qsizetype room = std::max<qsizetype>(0, m_limit - rest);
    kept.truncate(room);
    if (kept == inserted)
        return;
    const QString result = edited.left(prefix) + kept + edited.right(suffix);
    setText(result);
    setCursorPosition(int(prefix + kept.size()));
}

} // namespace qel
