#pragma once

#include <QWidget>

#include <functional>

class QDir;
class QLabel;
class QLineEdit;
class QPushButton;
namespace qel {
class FileList;
class ImageView;
} // namespace qel

namespace qel::photo {

class ClipboardWatch;

// The photo tool's only window. The capture lives in the pictures of its three picture controls
// (one shared copy), the name to save under in the name box; there is no other state.
// Its objectName is `Form1`, the name tests and tools find it by; every control keeps the name
// it has in the layout as its objectName too.
class PhotoWindow : public QWidget {
    Q_OBJECT
public:
    explicit PhotoWindow(QWidget* parent = nullptr);
    ~PhotoWindow() override;

    // Whether start-up has read the clipboard into the pictures; tests and tools wait for it.
    bool startupDone() const { return m_startupDone; }
    // Tells the user, once the window is shown, when the current folder has no "qel" folder: the
    // tool was started outside the simulator's folder and would save its photos there.
    void reportStartProblems();

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
    void connectButtons();

    void startWhenClipboardReadable();
    // Start-up: the clipboard's picture into the capture, the preview box and the copy buffer.
    // Runs by itself once the window is on screen (and, where the platform requires it, has
    // the focus).
    void loadCapture();

    void saveScenarioPicture(); // "Save for use With QEL file"
    void saveFullPhoto();       // "Save as full screen photo"
    void exitTool();            // "Exit"
    void autoSave();            // "AutoSave  "
    void refresh();             // "Refresh Window"

    // The picture a control already holds when `fresh` is the same picture (the clipboard has not
    // changed since), else `fresh`: a full-screen capture read again stays in memory once.
    QImage heldIfSame(const QImage& fresh) const;
    // Whether `name` can stand as a plain file name on Windows and here: not empty, no folder
    // part, no wildcard or other character a file name cannot hold, no device name. When it
    // cannot, tells the user why. The disk is not looked at: whether the file can be written
    // shows only when it is saved.
    bool checkName(const QString& name);
    // A scenario picture ends in ".bmp", the only pictures the editor's picture list offers;
    // when `name` does not, tells the user and offers the name with it.
    bool checkScenarioPictureName(const QString& name);
    // Takes what the clipboard held into the capture's place; remembers why a picture was
    // refused (too large, damaged), so that the user is told that rather than that there is none.
    QImage takeClipboardPicture();
    // Tells the user there is no picture to save, or why the one on the clipboard was refused;
    // `noPicture` is the former's text.
    void reportMissingPicture(const QString& noPicture);
    // Saves the picture `picture` produces as `name` in `folder`, asking before it replaces a
    // file; the picture is made only once the save goes ahead. A full-size photo is written in
    // the format its name asks for, a scenario picture always as a bitmap.
    void saveAs(const QDir& folder, const QString& name, const std::function<QImage()>& picture,
                bool fullPhoto);

    QLabel* m_scenarioPictureHelp;            // `Label1`: how to save a scenario picture
    QLineEdit* m_nameBox;                     // `Text3`: the name to save under
    QPushButton* m_saveScenarioPictureButton; // `Command1`
    QPushButton* m_refreshButton;             // `Command8`
    // `Picture1`, the preview box; its own picture is the start-up capture, unscaled.
    ImageView* m_preview;
    // `Image1`, the capture, stretched over the whole preview box.
    ImageView* m_capture;
    QLabel* m_fullPhotoHelp;            // `Label2`: how to save a full-screen photo
    QPushButton* m_saveFullPhotoButton; // `Command5`
    QPushButton* m_autoSaveButton;      // `Command7`
    QPushButton* m_exitButton;          // `Command6`
    ImageView* m_copyBuffer;            // `Picture2`, never shown
    FileList* m_fileProbe;              // `File2`, never shown

    ClipboardWatch* m_clipboardWatch; // whether the clipboard changed since it was last read
    QString m_refusedCapture; // why the clipboard's picture was not taken; empty when it was

    bool m_startupQueued = false;
    bool m_waitingForFocus = false;
    bool m_startupDone = false;
};

} // namespace qel::photo
