#pragma once

#include <QDialog>

namespace qel {
class FileList;
}
class Form1;
class QDir;
class QLineEdit;
class QPushButton;
namespace scenario {
struct ReadBack;
}

// "Open QEL file...": lists the scenario files of the `qel` folder and loads the chosen one into
// the main window. The texts go straight into their boxes; everything else is restored by
// selecting the main window's options and setting its check box, whose own handlers then write
// the codes and the applet flag, exactly as if the user had chosen them.
class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(Form1& main);

    void Form_Load();
    void Command1_Click(); // "Select"
    void File1_DblClick();
    void Command2_Click(); // "Exit"

    qel::FileList* File1;
    QPushButton* selectButton; // objectName "command1"
    QPushButton* Command2;     // "Exit"

private:
    void readSelected();
    QString fieldTooLong(const scenario::ReadBack& read) const;
    void restoreCloudStyle(const QString& code);
    void restoreGroundTexture(const QString& code);
    void restoreCloudSet(const QString& code);
    void restoreApplet(const QString& flag);
    void restorePicture(const QDir& qelFolder, const QString& name);

    Form1& m_main;
};
