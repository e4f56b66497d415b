#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class FileList;
class ImageView;
class LimitedLineEdit;

// The editor's main window. It is the only holder of the scenario being edited: every field is
// the text of one of its controls, and the other windows read and write those controls directly.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Tells the user about a missing pilots folder. Called once the window is on screen.
    void reportStartProblems();

    // --- Event handlers of the scenario fields ---
    void Form_Load();
    void File5_Click(const QString& name);
    void Text1_Change();
    void Check1_Click();
    void Command2_Click();
    void Text26_Change();
    void Command1_Click();

    // --- Style choices (form1_styles.cpp) ---
    void connectStyleOptions();

    // --- Window commands and help line (form1_commands.cpp, form1_hover.cpp) ---
    void connectCommands();
    void installHoverHelp();

    // --- Controls, named as in the layout; each also carries its name as objectName ---
    ImageView* Image1;     // banner
    QLabel* Label2;        // "Open Flight"
    QLineEdit* Text1;      // flight
    QLabel* Label9;        // strip between flight box and flight list
    FileList* File5;       // flight list
    QPushButton* Command11; // open a scenario
    QLabel* Label7;        // " Edit File"
    QGroupBox* Frame6;     // "Cloud Sets"
    QRadioButton* Option24;
    QRadioButton* Option25;
    QRadioButton* Option26;
    QGroupBox* Frame1;     // "Select Cloud Style"
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option21;
    QGroupBox* Frame2;     // "Select Ground Texture"
    QRadioButton* Option8;
    QRadioButton* Option9;
    QRadioButton* Option10;
    QRadioButton* Option11;
    QRadioButton* Option28;
    QLabel* Label3;        // "Enter a Description..."
    LimitedLineEdit* Text23; // description
    ImageView* Image2;     // picture
    QPushButton* Command2; // "Clr."
    QLabel* Label6;        // "      Add Picture?"
    QPushButton* Command9; // picture picker
    QLineEdit* Text26;     // picture name
    QCheckBox* Check1;     // "Applet On/off"
    QLabel* Label8;        // help line
    QPushButton* Command3; // "Press for Quick Tips"
    QLabel* Label4;        // "Save File as..."
    QLineEdit* Text24;     // file name
    QPushButton* Command7; // "Help"
    QPushButton* Command5; // "Exit"
    QPushButton* Command6; // "QEL launcher"
    QPushButton* Command1; // "Save"
    // Hidden fields of the scenario.
    QLineEdit* Text2;  // cloud style code
    QLineEdit* Text5;  // ground texture code
    QLineEdit* Text22; // cloud set code
    QLineEdit* Text25; // applet flag

private:
    void createLabels();
    void createScenarioControls();
    void createStyleFrames();
    void createButtons();
    void createHiddenFields();
    void applyColours();
    void connectFieldReactions();

    bool m_pilotsMissing = false;
};
