#include "picturepicker.h"

#include "accessiblenames.h"
#include "filelist.h"
#include "fontfamilies.h"
#include "imageview.h"
#include "launch.h"
#include "messages.h"
#include "paths.h"
#include "picture.h"
#include "twips.h"

#include <QDir>
#include <QPushButton>

namespace qel::editor {

PicturePicker::PicturePicker(QWidget* parent)
    : QDialog(parent)
{
    twips::setUpWindow(*this, "Form4", tr("Select"), 5820, 2325);
    setModal(true);
    setFont(fonts::formFont(fonts::Typeface::form, 8.25));
    createControls();
    connectHandlers();
    accessibility::nameControls(*this,
                                {{QStringLiteral("Image1"), tr("Preview")},
                                 {QStringLiteral("File1"), tr("Pictures in the qel folder")}});
    listPictures();
}

void PicturePicker::createControls()
{
    m_preview = twips::place(new ImageView(this), "Image1", 240, 240, 2415, 1815);
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setLineWidth(1);

    m_pictures = twips::place(new FileList(this), "File1", 3000, 240, 1935, 1650);

    auto button = [this](const char* name, const QString& caption, int top) {
        auto* b = twips::place(new QPushButton(caption, this), name, 5040, top, 615, 375);
        b->setAutoDefault(false);
        return b;
    };
    m_selectButton = button("Command1", tr("Select"), 480);
    m_editButton = button("Command4", tr("Edit"), 1080);
    m_exitButton = button("Command2", tr("Exit"), 1680);
    // Enter in the list attaches the selected picture, as a double-click does.
    m_selectButton->setDefault(true);

    setTabOrder(m_pictures, m_exitButton);
    setTabOrder(m_exitButton, m_editButton);
    setTabOrder(m_editButton, m_selectButton);
}

void PicturePicker::connectHandlers()
{
    connect(m_pictures, &FileList::entryChosen, this, &PicturePicker::preview);
    connect(m_pictures, &FileList::entryDoubleClicked, this, &PicturePicker::attach);
    connect(m_selectButton, &QPushButton::clicked, this, &PicturePicker::attachSelected);
    connect(m_editButton, &QPushButton::clicked, this, &PicturePicker::startPhotoTool);
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PicturePicker::listPictures()
{
    if (const auto folder = paths::simulatorSubfolder(paths::qelFolder)) {
        m_pictures->setFolder(*folder, QStringLiteral("*.bmp"));
        return;
    }
    m_pictures->clearFolder();
    messages::showFailure(
        parentWidget(), messages::missingQelFolderText(messages::Program::Editor,
                                                       tr("there are no pictures to choose from")));
}

QString PicturePicker::pathOf(const QString& name) const
{
    return paths::readPath(m_pictures->folder(), name);
}

void PicturePicker::reportUnloadable(const QString& name, const QString& reason)
{
    messages::showFailure(this,
                          tr("The picture %1 cannot be shown.\n\n%2\n\nChoose another picture; "
                             "the scenario you are editing is unchanged.")
                              .arg(paths::shownPath(m_pictures->folder(), name), reason));
}

void PicturePicker::preview(const QString& name)
{
    // The old preview goes first, so a failure never leaves another file's picture on show.
    m_preview->clear();
    const auto loaded = pictures::load(pathOf(name));
    if (!loaded.error.isEmpty()) {
        reportUnloadable(name, loaded.error);
        return;
    }
    m_preview->setImage(loaded.image);
}

void PicturePicker::attachSelected()
{
    const QString name = m_pictures->selectedName();
    if (name.isEmpty())
        return;
    attach(name);
}

void PicturePicker::attach(const QString& name)
{
    // Loaded before it is handed on, so a picture that cannot be shown is never attached.
    const auto loaded = pictures::load(pathOf(name));
    if (!loaded.error.isEmpty()) {
        m_preview->clear();
        reportUnloadable(name, loaded.error);
        return;
    }
    emit pictureChosen(name, loaded.image);
    accept();
}

void PicturePicker::startPhotoTool()
{
    reject();
    const auto started = launch::startPhotoTool();
    if (!started.ok()) {
        messages::showFailure(
            parentWidget(), started.error + tr("\n\nThe scenario you are editing is still open."));
    }
}

} // namespace qel::editor
