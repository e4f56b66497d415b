#include "cloudstylechoice.h"

#include "styledialog.h"

#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>

namespace qel::editor {

// An option chooses its style whenever it becomes the selected one, by the user or by code;
// activating the option that is already selected chooses nothing.
CloudStyleChoice::CloudStyleChoice(QWidget* window, std::vector<QRadioButton*> options)
    : QObject(window)
    , m_options(std::move(options))
{
    const auto styles = cloudStyles();
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const CloudStyle& style = styles[i];
        connect(m_options[i], &QRadioButton::toggled, this, [this, &style](bool on) {
            if (on)
                choose(style);
        });
        if (style.dialog) {
            const StyleDialogKind kind = *style.dialog;
            auto* filter = new ReopenFilter(m_options[i]);
            connect(filter, &ReopenFilter::pressed, this,
                    [this](const MousePress& press) { m_optionPress = press; });
            connect(filter, &ReopenFilter::reopenRequested, this,
                    [this, kind] { showDialog(keepDialog(kind)); });
        }
    }
}

// A dialog left hidden by the opening of a scenario may still hold the variant it set there;
// reset to the preset, it shows the code just written instead of a variant that no longer
// applies. A scenario being opened shows its stored variant instead, which writes its code at
// once, so that the dialog and the code field agree from the start.
void CloudStyleChoice::choose(const CloudStyle& style, const std::optional<QString>& storedVariant)
{
    write(QLatin1String(style.option.code));
    if (!style.dialog)
        return;
    StyleDialog& dialog = keepDialog(*style.dialog);
    dialog.selectPreset();
    if (storedVariant)
        dialog.selectVariant(*storedVariant);
    showDialog(dialog);
}

StyleDialog& CloudStyleChoice::keepDialog(StyleDialogKind kind)
{
    QPointer<StyleDialog>& kept = m_dialogs[static_cast<std::size_t>(kind)];
    if (!kept) {
        kept = new StyleDialog(styleDialogLayout(kind), static_cast<QWidget*>(parent()));
        connect(kept, &StyleDialog::variantChosen, this, &CloudStyleChoice::write);
    }
    return *kept;
}

void CloudStyleChoice::showDialog(StyleDialog& dialog)
{
    if (dialog.isVisible())
        return; // already on screen: shown again from inside its own showing
    if (m_optionPress)
        dialog.ignorePressCompleting(*std::exchange(m_optionPress, std::nullopt));
    dialog.exec(); // deletes the dialog as it returns (StyleDialog's constructor)
}

void CloudStyleChoice::restore(const QString& code)
{
    const auto stored = findStoredCloudStyle(code);
    if (!stored)
        return;
    QRadioButton* option =
        m_options[static_cast<std::size_t>(stored->style - cloudStyles().data())];
    if (!stored->variant || option->isChecked()) {
        // Either no variant is stored (the older front code shows the Front dialog at its
        // preset, as a user's choice does), or the option was selected already and shows none.
        option->setChecked(true);
        if (stored->variant)
            keepVariant(*stored->style->dialog, QLatin1String(stored->variant->code));
        return;
    }
    // The style dialog shows the stored variant, and the user may pick another there: whatever
    // is selected when it closes stands, and a hidden dialog keeps it for its next showing.
    {
        const QSignalBlocker quiet(option); // chosen below, with the stored variant
        option->setChecked(true);
    }
    choose(*stored->style, QLatin1String(stored->variant->code));
    const auto left = findStoredCloudStyle(m_code);
    if (left && left->style == stored->style && left->variant)
        keepVariant(*left->style->dialog, QLatin1String(left->variant->code));
}

// A dialog made afresh sits at its preset, so selecting the preset there writes no code: the
// code is told as well, or the window would keep the variant it held before.
void CloudStyleChoice::keepVariant(StyleDialogKind kind, const QString& code)
{
    keepDialog(kind).selectVariant(code);
    write(code);
}

void CloudStyleChoice::write(const QString& code)
{
    m_code = code;
    emit codeChosen(code);
}

} // namespace qel::editor
