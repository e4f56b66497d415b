#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Q.E.L. Help": three help topics, one shown at a time, chosen by the buttons on the left; the
// strip beside each button lights up for the topic on show. Each showing starts at the overview.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    void Command1_Click(); // "Overview"
    void Command2_Click(); // "Learning the new system"
    void Command3_Click(); // "Creating a QEL file"
    void Command6_Click(); // "Exit Help"
    void Form_Activate();

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPlainTextEdit* Text3; // overview
    QPlainTextEdit* Text2; // learning the new system
    QPlainTextEdit* Text1; // creating a QEL file

protected:
    bool event(QEvent* event) override;

private:
    void createButtons();
    void createIndicators();
    void createTextBoxes();
    void arrangeTabOrder();
    void connectHandlers();
    void showTopic(QLabel* indicator, QPlainTextEdit* text);

    bool m_leftTheEditor = false; // deactivated for a window of another program
};
