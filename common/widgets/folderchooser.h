#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace qel::simulator {

// Asks for the simulator's folder: the folders found, "Browse..." for any other, and a way to go
// on in the current folder. A browsed folder without "pilots" or "qel" is warned about, and
// choosing again is the default answer.
class FolderChooser : public QDialog {
    Q_OBJECT
public:
    explicit FolderChooser(const QStringList& found, QWidget* parent = nullptr);

    // The folder taken; empty when the user goes on in the current folder.
    QString folder() const { return m_folder; }

private:
    void takeSelected();
    void browse();
    void keepCurrent();

    QListWidget* m_list;
    QString m_folder;
};

// Finds the folder (findStartFolder), asks with a FolderChooser when it must, and makes the folder
// the current one, remembering it unless it was the current one already. False when the command
// line names a folder that cannot be used: the user has been told, and the program ends.
bool enterStartFolder(const QStringList& arguments);

} // namespace qel::simulator
