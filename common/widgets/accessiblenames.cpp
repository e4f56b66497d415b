#include "accessiblenames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace qel::accessibility {

namespace {

QString captionOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return QString();
}

} // namespace

QString nameFromCaption(const QString& caption)
{
    QString name = caption.simplified();
    // Captions end in "..." or "?" as prompts; a screen reader reads them better without.
    while (name.endsWith(QLatin1String("...")))
        name.chop(3);
    if (name.endsWith(QLatin1Char('?')))
        name.chop(1);
    return name.trimmed();
}

void nameControls(QWidget& window, const QHash<QString, QString>& names)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->accessibleName().isEmpty())
            continue;
        const QString given = names.value(control->objectName());
        control->setAccessibleName(given.isEmpty() ? nameFromCaption(captionOf(control)) : given);
    }
}

void tabToSelectedOption(QWidget& frame)
{
    const QList<QRadioButton*> options =
        frame.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    // Qt keeps Tab at whichever option last had the focus; here it follows the selection.
    auto follow = [options] {
        for (QRadioButton* option : options) {
            const Qt::FocusPolicy policy = option->focusPolicy();
            option->setFocusPolicy(option->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                       : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    };
    for (QRadioButton* option : options) {
        QObject::connect(option, &QRadioButton::toggled, &frame, [follow](bool on) {
            if (on)
                follow();
        });
    }
    follow();
}

} // namespace qel::accessibility
