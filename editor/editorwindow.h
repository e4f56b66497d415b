#pragma once

#include "scenariocodes.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qel {
class FileList;
class ImageView;
class LimitedLineEdit;
struct Scenario;
} // namespace qel

namespace qel::editor {

class CloudStyleChoice;

// The editor's main window and the one place where user actions become changes of the scenario.
// Each field of the scenario is the text of one of its controls (the codes and the applet flag in
// hidden boxes that outside tools read); the other windows hand their results back here.
class EditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Tells the user about a missing pilots folder. Called once the window is on screen.
    void reportStartProblems();

    // The scenario as the window shows it, as "Save" writes it.
    Scenario scenario() const;

    // Ends the program at once: no question, nothing saved, no window's closing step. main()
    // connects endRequested() to it.
    static void endApplication();

signals:
    // The user asked to leave the editor ("Exit", or the launcher taking over).
    void endRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Building the window.
    void createLabels();
    void createScenarioControls();
    // Why a typed or pasted character stays out of the description, which the scenario file
    // holds as one line of a batch script in the Windows ANSI code page; empty when it can go in.
    static QString whyNotInDescription(const QString& character);
    void createStyleFrames();
    void createButtons();
    void createHiddenFields();
    void applyColours();
    void connectFieldReactions();
    void connectStyleOptions();
    void arrangeKeyboardAccess();
    void installHoverHelp();
    void listFlights();

    // The scenario's fields.
    void chooseFlight(const QString& name);
    void enableSave();
    void followAppletCheckBox();
    void attachPicture(const QString& name, const QImage& picture);
    void clearPicture();
    void enableClear();
    void saveScenario();
    void applyScenario(const Scenario& scenario);
    void restoreCode(std::span<const CodeOption> table, const std::vector<QRadioButton*>& options,
                     const QString& code);
    void restoreApplet(const QString& flag);

    // The window's commands.
    void connectCommands();
    void startLauncher();
    void showHelp();
    void pickPicture();
    void openScenario();
    void showQuickTips();

    ImageView* m_banner;                            // Image1
    QLabel* m_flightCaption;                        // Label2 "Open Flight"
    QLineEdit* m_flight;                            // Text1
    QLabel* m_flightListStrip;                      // Label9, between the flight box and the list
    FileList* m_flightList;                         // File5
    QPushButton* m_openButton;                      // Command11
    QLabel* m_openCaption;                          // Label7 " Edit File"
    QGroupBox* m_cloudSetFrame;                     // Frame6 "Cloud Sets"
    QGroupBox* m_cloudStyleFrame;                   // Frame1 "Select Cloud Style"
    QGroupBox* m_groundFrame;                       // Frame2 "Select Ground Texture"
    std::vector<QRadioButton*> m_cloudStyleOptions; // in the order of the code table
    std::vector<QRadioButton*> m_groundOptions;
    std::vector<QRadioButton*> m_cloudSetOptions;
    QLabel* m_descriptionCaption;     // Label3 "Enter a Description..."
    LimitedLineEdit* m_description;   // Text23
    ImageView* m_picture;             // Image2
    QPushButton* m_clearButton;       // Command2 "Clr."
    QLabel* m_pictureCaption;         // Label6 "      Add Picture?"
    QPushButton* m_pickPictureButton; // Command9
    QLineEdit* m_pictureName;         // Text26
    QCheckBox* m_applet;              // Check1 "Applet On/off"
    QLabel* m_helpLine;               // Label8
    QPushButton* m_quickTipsButton;   // Command3 "Press for Quick Tips"
    QLabel* m_fileNameCaption;        // Label4 "Save File as..."
    QLineEdit* m_fileName;            // Text24
    QPushButton* m_helpButton;        // Command7 "Help"
    QPushButton* m_exitButton;        // Command5 "Exit"
    QPushButton* m_launcherButton;    // Command6 "QEL launcher"
    QPushButton* m_saveButton;        // Command1 "Save"
    QLineEdit* m_cloudStyleCode;      // Text2, hidden
    QLineEdit* m_groundTextureCode;   // Text5, hidden
    QLineEdit* m_cloudSetCode;        // Text22, hidden
    QLineEdit* m_appletFlag;          // Text25, hidden

    CloudStyleChoice* m_cloudStyle; // the options in m_cloudStyleOptions and their dialogs
    bool m_pilotsMissing = false;
};

} // namespace qel::editor
