#pragma once

#include <QDialog>

class Form1;
namespace qel {
class FileList;
}
namespace qel {
class ImageView;
}
class QPushButton;

// "Select": lists the bitmaps of the qel folder, previews the selected one and attaches it to the
// scenario in the main window. Made afresh for every showing; nothing of it outlives the showing.
class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(Form1* main);

    void Form_Load();
    void File1_Click(const QString& name);
    void File1_DblClick(const QString& name);
    void Command1_Click(); // "Select"
    void Command4_Click(); // "Edit"
    void Command2_Click(); // "Exit"

    qel::ImageView* Image1; // preview
    qel::FileList* File1;
    QPushButton* Command1;
    QPushButton* Command4;
    QPushButton* Command2;

private:
    void createControls();
    void connectHandlers();
    void attach(const QString& name);
    QString pathOf(const QString& name) const;
    void reportUnloadable(const QString& name, const QString& reason);

    Form1* m_main;
};
