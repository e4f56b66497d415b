#pragma once

#include "reopenfilter.h"
#include "scenariocodes.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>
#include <vector>

class QRadioButton;
class QWidget;

namespace qel::editor {

class StyleDialog;

// The choice of a cloud style in the main window's option group, with the style dialogs that
// some of the styles show for their variants. It tells the window by codeChosen() what the
// hidden cloud style code becomes, and never touches the window's other controls.
class CloudStyleChoice : public QObject {
    Q_OBJECT
public:
    // `options` are the window's cloud style options, in the order of the code table; the style
    // dialogs are made as children of `window`, each modal to it.
    CloudStyleChoice(QWidget* window, std::vector<QRadioButton*> options);

    // Shows the cloud style code of a scenario being opened: its option selected and, for a
    // variant, its dialog at that variant.
    void restore(const QString& code);

signals:
    void codeChosen(const QString& code);

private:
    // `storedVariant`: the variant of a scenario being opened, for the dialog to show.
    void choose(const CloudStyle& style,
                const std::optional<QString>& storedVariant = std::nullopt);
    // Each style dialog exists at most once: absent until first used, present until its showing
    // ends. keepDialog() is the present one, made hidden and at its preset when absent.
    StyleDialog& keepDialog(StyleDialogKind kind);
    void showDialog(StyleDialog& dialog);
    void keepVariant(StyleDialogKind kind, const QString& code);
    void write(const QString& code);

    std::vector<QRadioButton*> m_options;
    std::array<QPointer<StyleDialog>, 3> m_dialogs; // by StyleDialogKind; null when absent
    // The last press on an option with a dialog, for the dialog that click shows.
    std::optional<MousePress> m_optionPress;
    QString m_code; // as last told by codeChosen()
};

} // namespace qel::editor
