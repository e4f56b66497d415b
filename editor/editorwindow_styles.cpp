#include "editorwindow.h"

#include "reopenfilter.h"
#include "styledialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>

#include <functional>
#include <utility>

namespace qel::editor {

namespace {

// Runs `selected` whenever `option` becomes the selected option of its group, by the user or by
// code; activating the option that is already selected runs nothing.
void onSelected(QRadioButton* option, QObject* context, std::function<void()> selected)
{
    QObject::connect(option, &QRadioButton::toggled, context,
                     [selected = std::move(selected)](bool on) {
                         if (on)
                             selected();
                     });
}

} // namespace

void EditorWindow::connectStyleOptions()
{
    const auto styles = cloudStyles();
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const CloudStyle& style = styles[i];
        onSelected(m_cloudStyleOptions[i], this, [this, &style] { chooseCloudStyle(style); });
        if (style.dialog) {
            const StyleDialogKind kind = *style.dialog;
            auto* filter = new ReopenFilter(m_cloudStyleOptions[i]);
            connect(filter, &ReopenFilter::pressed, this,
                    [this](const MousePress& press) { m_optionPress = press; });
            connect(filter, &ReopenFilter::reopenRequested, this,
                    [this, kind] { reopenStyleDialog(kind); });
        }
    }
    const auto writeCode = [this](QRadioButton* option, QLineEdit* field, const CodeOption& row) {
        const QString code = QLatin1String(row.code);
        onSelected(option, this, [field, code] { field->setText(code); });
    };
    for (std::size_t i = 0; i < groundTextures().size(); ++i)
        writeCode(m_groundOptions[i], m_groundTextureCode, groundTextures()[i]);
    for (std::size_t i = 0; i < cloudSets().size(); ++i)
        writeCode(m_cloudSetOptions[i], m_cloudSetCode, cloudSets()[i]);
}

void EditorWindow::chooseCloudStyle(const CloudStyle& style,
                                    const std::optional<QString>& storedVariant)
{
    m_cloudStyleCode->setText(QLatin1String(style.option.code));
    if (style.dialog)
        showNewStyleChoice(keepStyleDialog(*style.dialog), storedVariant);
}

// A dialog left hidden by the opening of a scenario may still hold the variant it set there;
// reset to the preset, it shows the code just written instead of a variant that no longer
// applies. A scenario being opened shows its stored variant instead, which writes its code at
// once, so that the dialog and the code field agree from the start.
void EditorWindow::showNewStyleChoice(StyleDialog& dialog,
                                      const std::optional<QString>& storedVariant)
{
    dialog.selectPreset();
    if (storedVariant)
        dialog.selectVariant(*storedVariant);
    showStyleDialog(dialog);
}

void EditorWindow::reopenStyleDialog(StyleDialogKind kind)
{
    showStyleDialog(keepStyleDialog(kind));
}

StyleDialog& EditorWindow::keepStyleDialog(StyleDialogKind kind)
{
    QPointer<StyleDialog>& kept = m_styleDialogs[static_cast<std::size_t>(kind)];
    if (!kept) {
        kept = new StyleDialog(styleDialogLayout(kind), this);
        connect(kept, &StyleDialog::variantChosen, m_cloudStyleCode, &QLineEdit::setText);
    }
    return *kept;
}

void EditorWindow::showStyleDialog(StyleDialog& dialog)
{
    if (dialog.isVisible())
        return; // already on screen: shown again from inside its own showing
    if (m_optionPress)
        dialog.ignorePressCompleting(*std::exchange(m_optionPress, std::nullopt));
    dialog.exec(); // deletes the dialog as it returns (StyleDialog's constructor)
}

QRadioButton* EditorWindow::optionOf(const CloudStyle& style) const
{
    return m_cloudStyleOptions[static_cast<std::size_t>(&style - cloudStyles().data())];
}

void EditorWindow::restoreCloudStyle(const QString& code)
{
    const auto stored = findStoredCloudStyle(code);
    if (!stored)
        return;
    QRadioButton* option = optionOf(*stored->style);
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
    chooseCloudStyle(*stored->style, QLatin1String(stored->variant->code));
    const auto left = findStoredCloudStyle(m_cloudStyleCode->text());
    if (left && left->style == stored->style && left->variant)
        keepVariant(*left->style->dialog, QLatin1String(left->variant->code));
}

// A dialog made afresh sits at its preset, so selecting the preset there writes no code: the
// field is set as well, or it would keep the variant it held before.
void EditorWindow::keepVariant(StyleDialogKind kind, const QString& code)
{
    keepStyleDialog(kind).selectVariant(code);
    m_cloudStyleCode->setText(code);
}

// Selecting the option that is already selected runs nothing, so its code stays as it is.
void EditorWindow::restoreCode(std::span<const CodeOption> table,
                               const std::vector<QRadioButton*>& options, const QString& code)
{
    if (const CodeOption* row = findCode(table, code))
        options[static_cast<std::size_t>(row - table.data())]->setChecked(true);
}

void EditorWindow::restoreApplet(const QString& flag)
{
    if (flag == QLatin1String("app"))
        m_applet->setCheckState(Qt::Checked);
    else if (flag == QLatin1String(" "))
        m_applet->setCheckState(Qt::Unchecked);
}

} // namespace qel::editor
