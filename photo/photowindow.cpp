#include "photowindow.h"

#include "accessiblenames.h"
#include "autosave.h"
#include "bmp.h"
#include "clipboardpicture.h"
#include "filelist.h"
#include "fontfamilies.h"
#include "fullphoto.h"
#include "imageview.h"
#include "messages.h"
#include "names.h"
#include "paths.h"
#include "preview.h"
#include "saveflow.h"
#include "twips.h"
#include "uiconstants.h"
#include "wrappingcontrols.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

namespace qel::photo {

namespace {

using twips::place;

const char* const label1Text = QT_TRANSLATE_NOOP(
    "qel::photo::PhotoWindow",
    "To save a screenshot for use with the QEL picture window,  make sure you captured your "
    "screen using the \"Print Screen\" button while in flight. Then enter a name for your photo "
    "and press the button to save. If a picture is in your Clipboard it will appear in the "
    "window.");

const char* const label2Text = QT_TRANSLATE_NOOP(
    "qel::photo::PhotoWindow",
    "To save your screen capture as a  full screen bitmap enter the name and click the button "
    "below.  The Photo will be saved in your Flight Simulator directory. Not for  use with Qel "
    "Files.");

QFont captionFont(qreal points)
{
    return fonts::formFont(fonts::Typeface::form, points, true);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* label = place(new QLabel(text, parent), name, l, t, w, h);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette navyText = label->palette();
    navyText.setColor(QPalette::WindowText, ui::navy);
    label->setPalette(navyText);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                    int h)
{
    return place(new WrappingButton(caption, parent), name, l, t, w, h);
}

ImageView* pictureBox(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* box = place(new ImageView(parent), name, l, t, w, h);
    box->setFrameShape(QFrame::NoFrame);
    box->setStretch(false);
    QPalette grey = box->palette();
    grey.setColor(QPalette::Window, bmp::background);
    box->setPalette(grey);
    box->setAutoFillBackground(true);
    return box;
}

} // namespace

PhotoWindow::PhotoWindow(QWidget* parent)
    : QWidget(parent)
    , m_clipboardWatch(new ClipboardWatch(this))
{
    twips::setUpWindow(*this, "Form1", tr("QEL Photo Lab"), 6960, 4740);
    // The window's own font, which "Refresh Window" keeps; every other caption is bold.
    setFont(fonts::formFont(fonts::Typeface::form, 8.25));

    createLabels();
    createNameBox();
    createPictures();
    createButtons();
    createProbe();
    setTabOrder();
    accessibility::nameControls(*this, {{QStringLiteral("Text3"), tr("Name to save under")},
                                        {QStringLiteral("Picture1"), tr("Preview")},
                                        {QStringLiteral("Image1"), tr("Capture")},
                                        {QStringLiteral("Picture2"), tr("Scenario picture buffer")},
                                        {QStringLiteral("File2"), tr("File probe")}});
    connectButtons();
    m_saveScenarioPictureButton->setFocus();
}

PhotoWindow::~PhotoWindow() = default;

void PhotoWindow::createLabels()
{
    const QFont bold = captionFont(8.25);
    m_scenarioPictureHelp = label(this, "Label1", tr(label1Text), 120, 120, 6735, 1095);
    m_scenarioPictureHelp->setFont(bold);
    m_fullPhotoHelp = label(this, "Label2", tr(label2Text), 4440, 960, 2415, 1335);
    m_fullPhotoHelp->setFont(bold);
}

void PhotoWindow::createNameBox()
{
    m_nameBox = place(new QLineEdit(tr("???.bmp"), this), "Text3", 240, 1320, 1575, 360);
    m_nameBox->setMaxLength(ui::longestLine);
    m_nameBox->setFont(captionFont(9.75));
    QPalette navyText = m_nameBox->palette();
    navyText.setColor(QPalette::Text, ui::navy);
    m_nameBox->setPalette(navyText);
}

void PhotoWindow::createPictures()
{
    m_preview = pictureBox(this, "Picture1", 1800, 2640, 2415, 1815);
    // The capture lies over the whole box; while it is empty it lets the box's own picture show.
    m_capture = place(new ImageView(m_preview), "Image1", 0, 0, 2415, 1815);
    m_capture->setFrameShape(QFrame::NoFrame);
    m_capture->setStretch(true);
    m_copyBuffer = pictureBox(this, "Picture2", 4080, 0, 2415, 1815);
    m_copyBuffer->hide();
}

void PhotoWindow::createButtons()
{
    const QFont bold = captionFont(8.25);
    m_saveScenarioPictureButton =
        button(this, "Command1", tr("Save for use With QEL file"), 240, 1920, 1335, 495);
    m_refreshButton = button(this, "Command8", tr("Refresh Window"), 2520, 2040, 975, 495);
    m_saveFullPhotoButton =
        button(this, "Command5", tr("Save as full screen photo"), 4680, 2520, 1335, 495);
    m_autoSaveButton = button(this, "Command7", tr("AutoSave  "), 4680, 3240, 1335, 495);
    m_exitButton = button(this, "Command6", tr("Exit"), 4680, 3960, 1335, 495);
    for (QPushButton* b :
         {m_saveScenarioPictureButton, m_saveFullPhotoButton, m_autoSaveButton, m_exitButton})
        b->setFont(bold);
}

void PhotoWindow::createProbe()
{
    m_fileProbe = place(new FileList(this), "File2", 6360, 2640, 375, 285);
    m_fileProbe->setFolder(QDir::current(), QStringLiteral("*.zxz"));
    m_fileProbe->hide();
}

void PhotoWindow::setTabOrder()
{
    // The buttons and the name box in the order they stand in the window; labels, pictures and
    // hidden controls take no focus.
    QWidget::setTabOrder(m_saveScenarioPictureButton, m_nameBox);
    QWidget::setTabOrder(m_nameBox, m_saveFullPhotoButton);
    QWidget::setTabOrder(m_saveFullPhotoButton, m_exitButton);
    QWidget::setTabOrder(m_exitButton, m_autoSaveButton);
    QWidget::setTabOrder(m_autoSaveButton, m_refreshButton);
}

void PhotoWindow::connectButtons()
{
    connect(m_saveScenarioPictureButton, &QPushButton::clicked, this,
            &PhotoWindow::saveScenarioPicture);
    connect(m_saveFullPhotoButton, &QPushButton::clicked, this, &PhotoWindow::saveFullPhoto);
    connect(m_exitButton, &QPushButton::clicked, this, &PhotoWindow::exitTool);
    connect(m_autoSaveButton, &QPushButton::clicked, this, &PhotoWindow::autoSave);
    connect(m_refreshButton, &QPushButton::clicked, this, &PhotoWindow::refresh);
}

void PhotoWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_startupQueued)
        return;
    m_startupQueued = true;
    // After show() has returned, so the window exists on the platform and can own the focus.
    QTimer::singleShot(0, this, &PhotoWindow::startWhenClipboardReadable);
}

void PhotoWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_waitingForFocus && isActiveWindow()) {
        m_waitingForFocus = false;
        loadCapture();
    }
}

void PhotoWindow::startWhenClipboardReadable()
{
    // Wayland hands the clipboard only to a program that has the focus.
    const bool needsFocus = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (needsFocus && !isActiveWindow()) {
        m_waitingForFocus = true;
        return;
    }
    loadCapture();
}

void PhotoWindow::loadCapture()
{
    m_capture->setStretch(true);
    // One decoded picture, shared by all three.
    const QImage capture = takeClipboardPicture();
    m_capture->setImage(capture);
    m_preview->setImage(capture);
    m_copyBuffer->setImage(capture);
    m_startupDone = true;
}

void PhotoWindow::reportStartProblems()
{
    if (paths::simulatorSubfolder(paths::qelFolder))
        return;
    messages::showFailure(
        this, messages::missingQelFolderText(
                  messages::Program::PhotoTool,
                  tr("scenario pictures have nowhere to go, and full-screen photos and AutoSave's "
                     "numbered photos would be saved in this folder")));
}

void PhotoWindow::refresh()
{
    m_capture->setStretch(true);
    m_capture->setImage(heldIfSame(takeClipboardPicture()));
    if (!m_refusedCapture.isEmpty())
        messages::showFailure(this, m_refusedCapture);
}

QImage PhotoWindow::takeClipboardPicture()
{
    const ClipboardWatch::Stamp stamp = m_clipboardWatch->now();
    ClipboardPicture picture = readClipboardPicture();
    m_clipboardWatch->markRead(stamp);
    m_refusedCapture = refusalText(picture);
    return std::move(picture.image);
}

void PhotoWindow::reportMissingPicture(const QString& noPicture)
{
    messages::showFailure(this, m_refusedCapture.isEmpty() ? noPicture : m_refusedCapture);
}

QImage PhotoWindow::heldIfSame(const QImage& fresh) const
{
    if (fresh.isNull())
        return fresh;
    for (const ImageView* view : {m_capture, m_preview, m_copyBuffer}) {
        const QImage& held = view->image();
        if (held.size() == fresh.size() && held.format() == fresh.format() && held == fresh)
            return held;
    }
    return fresh;
}

void PhotoWindow::exitTool()
{
    QCoreApplication::exit(0);
}

bool PhotoWindow::checkName(const QString& name)
{
    const QString problem = names::bareNameProblem(name);
    if (problem.isEmpty())
        return true;
    messages::showFailure(this,
                          tr("\"%1\" cannot be used as a file name. %2\nType a plain name such as "
                             "\"mypicture.bmp\" into the name box and press the button again.")
                              .arg(name, problem));
    return false;
}

bool PhotoWindow::checkScenarioPictureName(const QString& name)
{
    if (names::hasEnding(name, QLatin1String(".bmp")))
        return true;
    messages::showFailure(
        this, tr("A scenario picture's name must end in \".bmp\": the editor's picture list "
                 "offers only such files, so \"%1\" would never be shown there. Nothing was "
                 "saved.\nType \"%2\" into the name box and press the button again.")
                  .arg(name, name + QLatin1String(".bmp")));
    return false;
}

void PhotoWindow::saveScenarioPicture()
{
    const QString name = m_nameBox->text();
    if (!checkName(name) || !checkScenarioPictureName(name))
        return;
    if (!m_capture->hasImage() && !m_preview->hasImage()) {
        reportMissingPicture(tr("There is no picture to save: the clipboard held none. Capture "
                                "the screen with the \"Print Screen\" key, press \"Refresh "
                                "Window\" and save again."));
        return;
    }
    const std::optional<QDir> qelDir = paths::simulatorSubfolder(paths::qelFolder);
    if (!qelDir) {
        messages::showFailure(this, messages::missingQelFolderText(
                                        messages::Program::PhotoTool,
                                        tr("the scenario picture has nowhere to go"), true));
        return;
    }
    saveAs(
        *qelDir, name,
        [this] {
            copyPreview(*m_preview, *m_capture, *m_copyBuffer);
            return m_copyBuffer->image();
        },
        false);
}

void PhotoWindow::saveFullPhoto()
{
    const QString name = m_nameBox->text();
    if (!checkName(name))
        return;
    if (!m_capture->hasImage()) {
        reportMissingPicture(tr("There is no picture to save: the clipboard held none when it "
                                "was last read. Capture the screen with the \"Print Screen\" "
                                "key, press \"Refresh Window\" and save again."));
        return;
    }
    saveAs(
        QDir::current(), name, [this] { return m_capture->image(); }, true);
}

void PhotoWindow::saveAs(const QDir& folder, const QString& name,
                         const std::function<QImage()>& picture, bool fullPhoto)
{
    const files::SaveTarget target = files::saveTarget(folder, name);
    // By the name the file gets on disk, which viewers go by: the typed one, or the spelling of
    // the file it replaces.
    const fullphoto::Format format = fullPhoto
                                         ? fullphoto::formatFor(QFileInfo(target.path).fileName())
                                         : fullphoto::Format::bitmap;
    if (const QString problem = fullphoto::unsupported(format, name); !problem.isEmpty()) {
        messages::showFailure(this, problem);
        return;
    }
    files::saveWithQuestion(this, target, files::Saved::Picture,
                            [&picture, format](const QString& path) {
                                return fullphoto::save(path, picture(), format);
                            });
}

void PhotoWindow::autoSave()
{
    m_capture->setStretch(true);
    // Unchanged since the last read, the clipboard holds the capture already shown: that is saved
    // as it is, with no second copy decoded for the press. With nothing held it is read again, as
    // a read that came back empty may have been a clipboard owner too slow to answer.
    if (!m_capture->hasImage() || m_clipboardWatch->changedSinceRead())
        m_capture->setImage(heldIfSame(takeClipboardPicture()));
    const QImage capture = m_capture->image();
    if (!m_refusedCapture.isEmpty()) {
        messages::showFailure(this, m_refusedCapture);
        return;
    }
    const autosave::Outcome outcome = autosave::save(QDir::current(), capture);
    if (const QString problem = outcome.saved() ? outcome.leftOver : outcome.error;
        !problem.isEmpty()) {
        messages::showFailure(this, problem);
        return;
    }
    messages::showSaved(this, false);
}

} // namespace qel::photo
