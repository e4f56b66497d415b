#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
namespace qel {
class FileList;
}
namespace qel {
class ImageView;
}

namespace photo {

// The photo tool's only window. The capture lives in the pictures of its three picture controls
// (one shared copy), the name to save under in `Text3`; there is no other state.
// Its objectName is `Form1`, the name tests and tools find it by.
class PhotoWindow : public QWidget {
    Q_OBJECT
public:
    explicit PhotoWindow(QWidget* parent = nullptr);
    ~PhotoWindow() override;

    // Start-up: the clipboard's picture into Image1, Picture1 and Picture2. Runs by itself once
    // the window is on screen (and, where the platform requires it, has the focus).
    void Form_Load();
    bool startupDone() const { return m_startupDone; }

    void Command1_Click(); // "Save for use With QEL file"
    void Command5_Click(); // "Save as full screen photo"
    void Command6_Click(); // "Exit"
    void Command7_Click(); // "AutoSave  "
    void Command8_Click(); // "Refresh Window"

    // --- Controls, named as in the layout; each also carries its name as objectName ---
    QLabel* Label1;        // how to save a scenario picture
    QLineEdit* Text3;      // the name to save under
    QPushButton* Command1; // "Save for use With QEL file"
    QPushButton* Command8; // "Refresh Window"
    qel::ImageView* Picture1;   // preview box; its own picture is the start-up capture, unscaled
    qel::ImageView* Image1;     // the capture, stretched over the whole preview box
    QLabel* Label2;        // how to save a full-screen photo
    QPushButton* Command5; // "Save as full screen photo"
    QPushButton* Command7; // "AutoSave  "
    QPushButton* Command6; // "Exit"
    qel::ImageView* Picture2;   // copy buffer, never shown
    qel::FileList* File2;       // file probe, never shown

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createLabels();
    void createNameBox();
    void createPictures();
    void createButtons();
    void createProbe();
    void setTabOrder();
    void connectCommands();

    void startWhenClipboardReadable();
    // The picture a control already holds when `fresh` is the same picture (the clipboard has not
    // changed since), else `fresh`: a full-screen capture read again stays in memory once.
    QImage heldIfSame(const QImage& fresh) const;
    // Whether the typed name can be used as a file name; when it cannot, tells the user why.
    bool checkName(const QString& name);
    void reportSaveFailure(const QString& shownPath, const QString& reason, bool replacing);

    bool m_startupQueued = false;
    bool m_waitingForFocus = false;
    bool m_startupDone = false;
};

} // namespace photo
