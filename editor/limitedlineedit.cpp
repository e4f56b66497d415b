#include "limitedlineedit.h"
#include "uiconstants.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolTip>

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

    QString kept = allowedPart(inserted);
    const qsizetype rest = edited.size() - inserted.size();
    const qsizetype room = std::max<qsizetype>(0, m_limit - rest);
    kept.truncate(room);
    if (kept == inserted)
        return;
    const QString result = edited.left(prefix) + kept + edited.right(suffix);
    setText(result);
    setCursorPosition(int(prefix + kept.size()));
}

QString LimitedLineEdit::allowedPart(const QString& inserted)
{
    if (!m_whyLeftOut)
        return inserted;
    QString kept;
    QString firstReason;
    int leftOut = 0;
    for (qsizetype i = 0; i < inserted.size(); ++i) {
        const bool pair = inserted[i].isHighSurrogate() && i + 1 < inserted.size() &&
                          inserted[i + 1].isLowSurrogate();
        const QString character = inserted.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        const QString reason = m_whyLeftOut(character);
        if (reason.isEmpty()) {
            kept += character;
            continue;
        }
        if (leftOut++ == 0)
            firstReason = reason;
    }
    if (leftOut == 0)
        return kept;
    // Said at the box at once: a character that vanished without a word looks like a fault.
    QString note = firstReason;
    if (leftOut == 2)
        note += QLatin1Char('\n') + tr("One more character was left out as well.");
    else if (leftOut > 2)
        note +=
            QLatin1Char('\n') + tr("%1 more characters were left out as well.").arg(leftOut - 1);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), note, this, {}, 10000);
    placeToolTip(note);
    return kept;
}

// Qt puts a tool tip a cursor's height below the point it is given, which is not where the pointer
// is here; moves it to the left of that point when it would cross the screen's right edge, away
// from the box; and keeps it within the whole screen, task bar included. So the tip shown is moved
// to just below the box (above it when there is no room), within the part of the screen that is
// free for windows, and wrapped when it is wider than that.
void LimitedLineEdit::placeToolTip(const QString& text)
{
    // Not yet visible where the platform fades it in.
    QLabel* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && widget->inherits("QTipLabel") && label->text() == text)
            tip = label;
    if (!tip)
        return;
    const QRect free = screen()->availableGeometry();
    if (tip->frameGeometry().width() > free.width()) {
        tip->setWordWrap(true);
        const int width = free.width() - (tip->frameGeometry().width() - tip->width());
        tip->resize(width, tip->heightForWidth(width));
    }
    // A tip has no frame on Windows; where the platform gives it one, the frame counts too.
    const QSize size = tip->frameGeometry().size();
    const QRect box(mapToGlobal(QPoint(0, 0)), this->size());
    QPoint at(box.left(), box.bottom() + 1);
    if (at.y() + size.height() > free.bottom() + 1)
        at.setY(box.top() - size.height());
    at.setX(qBound(free.left(), at.x(), free.right() + 1 - size.width()));
    at.setY(qBound(free.top(), at.y(), free.bottom() + 1 - size.height()));
    tip->move(at);
}

} // namespace qel
