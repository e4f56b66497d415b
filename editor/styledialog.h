#pragma once

#include "reopenfilter.h"
#include "scenariocodes.h"

#include <QDialog>
#include <QList>

#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qel::editor {

// A cloud style dialog: one frame of exclusive variants and a small "OK" button lying over the
// frame. Every variant hands its code on the moment it becomes selected, so there is nothing to
// hand back at the end and nothing to cancel: "OK", Escape and the window's frame all just end it,
// each with finished().
class StyleDialog : public QDialog {
    Q_OBJECT
public:
    // Made at its preset variant, without handing on a code.
    StyleDialog(const StyleDialogLayout& layout, QWidget* parent);

    StyleDialogKind kind() const { return m_layout.kind; }
    // Selects the preset, whose code is the one the main window's option writes on selection, so
    // selecting it there and here agree.
    void selectPreset();
    // Selects the variant that stands for `code`; a code of no variant here selects nothing.
    void selectVariant(const QString& code);
    QRadioButton* presetChoice() const;
    // The selected variant, or nullptr.
    QRadioButton* selectedChoice() const;
    // `opening` is the mouse press that shows this dialog. A press that the system counts as the
    // second of a double-click with it finishes that double-click on the main window: it must not
    // choose whatever of this dialog lies under the pointer, so it is let go, with the release and
    // double-click that belong to it. Any other press is the user's next click, and counts.
    void ignorePressCompleting(const MousePress& opening);

signals:
    void variantChosen(const QString& code);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFrame();
    void createChoices();
    void createNote();
    void fitNoteToItsPlace();
    void arrangeKeyboardAccess();
    QRadioButton* choiceFor(const QString& code) const;

    const StyleDialogLayout& m_layout;
    QGroupBox* m_frame = nullptr;
    QPushButton* m_okButton = nullptr;
    QList<QRadioButton*> m_choices; // in the order of m_layout.variants
    QLabel* m_note = nullptr;
    std::optional<MousePress> m_openingPress;
    bool m_lettingClickGo = false;
};

} // namespace qel::editor
