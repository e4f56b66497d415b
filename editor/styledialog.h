#pragma once

#include <QDialog>

#include <functional>

class Form1;
class QAbstractButton;
class QGroupBox;
class QPushButton;
class QRadioButton;

// What the three cloud style dialogs share: one frame of exclusive choices and a small "OK"
// button lying over the frame. Every choice writes its code into the main window's cloud style
// field the moment it becomes selected, so there is nothing to hand back and nothing to cancel.
class StyleDialog : public QDialog {
    Q_OBJECT
public:
    QGroupBox* Frame1;
    QPushButton* Command1; // "OK"

    // "OK": unloads the dialog, and with it its choice.
    void Command1_Click();

    // Selects the choice the dialog starts with. Its code is the one the main window's option
    // writes on selection, so selecting it there and here agree.
    void selectPreset();
    QRadioButton* presetChoice() const { return m_preset; }
    // The selected choice, or nullptr.
    QRadioButton* selectedChoice() const;
    // Closed: the object goes soon, but counts as absent from now on.
    bool isUnloaded() const { return m_unloaded; }

protected:
    struct Layout {
        const char* name;
        QString title;
        QString frameCaption;
        QRect client; // twips: only width and height count
        QRect frame;  // twips
        QRect ok;     // twips
    };
    StyleDialog(Form1& main, const Layout& layout);

    QRadioButton* addChoice(const char* name, const QString& caption, int left, int top, int width,
                            int height);
    // Call once every choice exists: selects `preset` (running no handler) and from then on
    // runs `handlers[i]` when choice i becomes selected.
    void finish(QRadioButton* preset, const QList<std::function<void()>>& handlers);
    void writeCode(const QString& code);
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Form1& m_main;
    QList<QRadioButton*> m_choices;
    QRadioButton* m_preset = nullptr;
    bool m_unloaded = false;
};
