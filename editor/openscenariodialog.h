#pragma once

#include <QDialog>

class QDir;
class QImage;
class QPushButton;

namespace qel {
class FileList;
struct Scenario;
} // namespace qel

namespace qel::editor {

// "Open QEL file...": lists the scenario files of the `qel` folder and reads the chosen one. A file
// is checked whole before anything is handed on, so a bad one leaves the editor as it was.
class OpenScenarioDialog : public QDialog {
    Q_OBJECT
public:
    explicit OpenScenarioDialog(QWidget* parent);

signals:
    // A scenario was read; the receiver puts it into the editor while the dialog is still open.
    void scenarioRead(const qel::Scenario& scenario);
    // Then its picture, when it names one that can be shown.
    void pictureRead(const QImage& picture);

private:
    void listScenarios();
    void readSelected();
    void readPicture(const QDir& qelFolder, const QString& name);

    FileList* m_scenarios;
    QPushButton* m_selectButton; // objectName "command1"
    QPushButton* m_exitButton;
};

} // namespace qel::editor
