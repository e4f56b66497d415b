#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace qel {
class FileList;
}
namespace qel {
class ImageView;
}
namespace qel {
class LimitedLineEdit;
}

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
    void Option21_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option4_DblClick();
    void Option5_Click();
    void Option5_DblClick();
    void Option6_Click();
    void Option7_Click();
    void Option7_DblClick();
    void Option28_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Option26_Click();
    void Option24_Click();
    void Option25_Click();
    // Each style dialog exists at most once: absent until first used, present until "OK" or the
    // closing of its window unloads it. formN() is the present dialog or nullptr; useFormN()
    // creates it hidden, with its preset choice, when it is absent.
    class Form3* form3() const;
    class Form6* form6() const;
    class Form7* form7() const;
    Form3* useForm3();
    Form6* useForm6();
    Form7* useForm7();
    // Selects a cloud style option for a scenario being opened. When that selection shows the
    // style dialog, the dialog starts on `variant` (the stored one) instead of its preset.
    using StoredVariant = QRadioButton* (*)(Form1&);
    void selectStoredCloudStyle(QRadioButton* option, StoredVariant variant);
    // The open dialog, shown modally by the small button beside " Edit File" (form1_open.cpp).
    void Command11_Click();
    class Form5* form5() const;

private:
    void showStyleDialog(class StyleDialog* dialog);
    void showNewStyleChoice(StyleDialog* dialog);
    StoredVariant m_storedVariant = nullptr;
    void connectOpenDialog();
    QPointer<Form3> m_form3;
    QPointer<Form6> m_form6;
    QPointer<Form7> m_form7;
    QPointer<Form5> m_form5;

public:
    // --- Window commands and help line (form1_commands.cpp, form1_hover.cpp) ---
    void connectCommands();
    void installHoverHelp();
    void Command5_Click(); // "Exit"
    void Command6_Click(); // "QEL launcher"
    void Command7_Click(); // "Help"
    void Command9_Click(); // the picture picker
    void Command3_Click(); // "Press for Quick Tips"
    // Ends the editor at once: no question, nothing saved, no window's closing step. The test
    // suites put a recorder here, so that they can watch the editor end without ending.
    void (*endEditor)() = &Form1::endApplication;
    static void endApplication();

    // --- Controls, named as in the layout; each also carries its name as objectName ---
    qel::ImageView* Image1;      // banner
    QLabel* Label2;         // "Open Flight"
    QLineEdit* Text1;       // flight
    QLabel* Label9;         // strip between flight box and flight list
    qel::FileList* File5;        // flight list
    QPushButton* Command11; // open a scenario
    QLabel* Label7;         // " Edit File"
    QGroupBox* Frame6;      // "Cloud Sets"
    QRadioButton* Option24;
    QRadioButton* Option25;
    QRadioButton* Option26;
    QGroupBox* Frame1; // "Select Cloud Style"
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option21;
    QGroupBox* Frame2; // "Select Ground Texture"
    QRadioButton* Option8;
    QRadioButton* Option9;
    QRadioButton* Option10;
    QRadioButton* Option11;
    QRadioButton* Option28;
    QLabel* Label3;          // "Enter a Description..."
    qel::LimitedLineEdit* Text23; // description
    qel::ImageView* Image2;       // picture
    QPushButton* Command2;   // "Clr."
    QLabel* Label6;          // "      Add Picture?"
    QPushButton* Command9;   // picture picker
    QLineEdit* Text26;       // picture name
    QCheckBox* Check1;       // "Applet On/off"
    QLabel* Label8;          // help line
    QPushButton* Command3;   // "Press for Quick Tips"
    QLabel* Label4;          // "Save File as..."
    QLineEdit* Text24;       // file name
    QPushButton* Command7;   // "Help"
    QPushButton* Command5;   // "Exit"
    QPushButton* Command6;   // "QEL launcher"
    QPushButton* Command1;   // "Save"
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
