#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qel::editor {

// "Q.E.L. Help": three help topics, one shown at a time, chosen by the buttons on the left; the
// strip beside each button lights up for the topic on show. Each showing starts at the overview.
// Its objectName is `Form2`, the name tests and tools find it by.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void createButtons();
    void createIndicators();
    void createTextBoxes();
    void arrangeTabOrder();
    void connectHandlers();
    void showTopic(QLabel* indicator, QPlainTextEdit* text);

    void showOverview();
    void showLearning();
    void showCreating();
    void focusFirstTopic();

    QPushButton* m_overviewButton = nullptr; // `Command1` "Overview"
    QPushButton* m_learningButton = nullptr; // `Command2` "Learning the new system"
    QPushButton* m_creatingButton = nullptr; // `Command3` "Creating a QEL file"
    QPushButton* m_exitButton = nullptr;     // `Command6` "Exit Help"
    QLabel* m_overviewIndicator = nullptr;   // `Label1`
    QLabel* m_learningIndicator = nullptr;   // `Label2`
    QLabel* m_creatingIndicator = nullptr;   // `Label3`
    QPlainTextEdit* m_overview = nullptr;    // `Text3`
    QPlainTextEdit* m_learning = nullptr;    // `Text2`
    QPlainTextEdit* m_creating = nullptr;    // `Text1`
    bool m_leftTheEditor = false;            // deactivated for a window of another program
};

} // namespace qel::editor
