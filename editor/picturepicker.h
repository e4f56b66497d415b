#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QPushButton;

namespace qel {
class FileList;
class ImageView;
} // namespace qel

namespace qel::editor {

// "Select": lists the bitmaps of the qel folder, previews the selected one and hands the chosen one
// on to be attached to the scenario. Made afresh for every showing.
class PicturePicker : public QDialog {
    Q_OBJECT
public:
    explicit PicturePicker(QWidget* parent);

signals:
    // Sent just before the dialog closes: the bare file name and the loaded picture.
    void pictureChosen(const QString& name, const QImage& picture);

private:
    void createControls();
    void connectHandlers();
    void listPictures();
    void preview(const QString& name);
    void attachSelected();
    void attach(const QString& name);
    void startPhotoTool();
    QString pathOf(const QString& name) const;
    void reportUnloadable(const QString& name, const QString& reason);

    ImageView* m_preview;
    FileList* m_pictures;
    QPushButton* m_selectButton;
    QPushButton* m_editButton;
    QPushButton* m_exitButton;
};

} // namespace qel::editor
