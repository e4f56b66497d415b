#include "photowindow.h"

#include "accessiblenames.h"
#include "autosave.h"
#include "bmp.h"
#include "clipboardpicture.h"
#include "filelist.h"
#include "imageview.h"
#include "messages.h"
#include "module1.h"
#include "names.h"
#include "paths.h"
#include "twips.h"
#include "uiconstants.h"
#include "wrappingcontrols.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

namespace photo {

namespace {

using qel::twips::place;

const char* const label1Text = QT_TRANSLATE_NOOP(
    "photo::PhotoWindow",
    "To save a screenshot for use with the QEL picture window,  make sure you captured your "
    "screen using the \"Print Screen\" button while in flight. Then enter a name for your photo "
    "and press the button to save. If a picture is in your Clipboard it will appear in the "
    "window.");

const char* const label2Text = QT_TRANSLATE_NOOP(
    "photo::PhotoWindow",
    "To save your screen capture as a  full screen bitmap enter the name and click the button "
    "below.  The Photo will be saved in your Flight Simulator directory. Not for  use with Qel "
    "Files.");

// The old forms' font where it exists, else the closest common sans serif in width: the texts
// were laid out for it and overflow their labels in wider faces.
QStringList sansSerifFamilies(const QString& fallback)
{
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Arial"),         QStringLiteral("Liberation Sans"),
            QStringLiteral("Helvetica"),     fallback};
}

QFont captionFont(const QFont& base, qreal points)
{
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* label = place(new QLabel(text, parent), name, l, t, w, h);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette navyText = label->palette();
    navyText.setColor(QPalette::WindowText, qel::ui::navy);
    label->setPalette(navyText);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                    int h)
{
    return place(new qel::WrappingButton(caption, parent), name, l, t, w, h);
}

qel::ImageView* pictureBox(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* box = place(new qel::ImageView(parent), name, l, t, w, h);
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
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("QEL Photo Lab"));
    setFixedSize(qel::twips::size(6960, 4740));
    // The window's own font, which "Refresh Window" keeps; every other caption is bold.
    QFont plain = font();
    plain.setFamilies(sansSerifFamilies(plain.family()));
    plain.setPointSizeF(8.25);
    setFont(plain);

    createLabels();
    createNameBox();
    createPictures();
    createButtons();
    createProbe();
    setTabOrder();
    qel::accessibility::nameControls(*this,
                                     {{QStringLiteral("Text3"), tr("Name to save under")},
                                      {QStringLiteral("Picture1"), tr("Preview")},
                                      {QStringLiteral("Image1"), tr("Capture")},
                                      {QStringLiteral("Picture2"), tr("Scenario picture buffer")},
                                      {QStringLiteral("File2"), tr("File probe")}});
    connectCommands();
    Command1->setFocus();
}

PhotoWindow::~PhotoWindow() = default;

void PhotoWindow::createLabels()
{
    const QFont bold = captionFont(font(), 8.25);
    Label1 = label(this, "Label1", tr(label1Text), 120, 120, 6735, 1095);
    Label1->setFont(bold);
    Label2 = label(this, "Label2", tr(label2Text), 4440, 960, 2415, 1335);
    Label2->setFont(bold);
}

void PhotoWindow::createNameBox()
{
    Text3 = place(new QLineEdit(tr("???.bmp"), this), "Text3", 240, 1320, 1575, 360);
    Text3->setMaxLength(qel::ui::longestLine);
    Text3->setFont(captionFont(font(), 9.75));
    QPalette navyText = Text3->palette();
    navyText.setColor(QPalette::Text, qel::ui::navy);
    Text3->setPalette(navyText);
}

void PhotoWindow::createPictures()
{
    Picture1 = pictureBox(this, "Picture1", 1800, 2640, 2415, 1815);
    // Image1 lies over the whole box; while it is empty it lets the box's own picture show.
    Image1 = place(new qel::ImageView(Picture1), "Image1", 0, 0, 2415, 1815);
    Image1->setFrameShape(QFrame::NoFrame);
    Image1->setStretch(true);
    Picture2 = pictureBox(this, "Picture2", 4080, 0, 2415, 1815);
    Picture2->hide();
}

void PhotoWindow::createButtons()
{
    const QFont bold = captionFont(font(), 8.25);
    Command1 = button(this, "Command1", tr("Save for use With QEL file"), 240, 1920, 1335, 495);
    Command8 = button(this, "Command8", tr("Refresh Window"), 2520, 2040, 975, 495);
    Command5 = button(this, "Command5", tr("Save as full screen photo"), 4680, 2520, 1335, 495);
    Command7 = button(this, "Command7", tr("AutoSave  "), 4680, 3240, 1335, 495);
    Command6 = button(this, "Command6", tr("Exit"), 4680, 3960, 1335, 495);
    for (QPushButton* b : {Command1, Command5, Command7, Command6})
        b->setFont(bold);
}

void PhotoWindow::createProbe()
{
    File2 = place(new qel::FileList(this), "File2", 6360, 2640, 375, 285);
    File2->setFolder(QDir::current(), QStringLiteral("*.zxz"));
    File2->hide();
}

void PhotoWindow::setTabOrder()
{
    // The buttons and the name box in the order they stand in the window; labels, pictures and
    // hidden controls take no focus.
    QWidget::setTabOrder(Command1, Text3);
    QWidget::setTabOrder(Text3, Command5);
    QWidget::setTabOrder(Command5, Command6);
    QWidget::setTabOrder(Command6, Command7);
    QWidget::setTabOrder(Command7, Command8);
}

void PhotoWindow::connectCommands()
{
    connect(Command1, &QPushButton::clicked, this, &PhotoWindow::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &PhotoWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &PhotoWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &PhotoWindow::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &PhotoWindow::Command8_Click);
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
        Form_Load();
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
    Form_Load();
}

void PhotoWindow::Form_Load()
{
    Image1->setStretch(true);
    // One decoded picture, shared by all three.
    const QImage capture = readClipboardPicture();
    Image1->setImage(capture);
    Picture1->setImage(capture);
    Picture2->setImage(capture);
    m_startupDone = true;
}

void PhotoWindow::Command8_Click()
{
    Image1->setStretch(true);
    Image1->setImage(heldIfSame(readClipboardPicture()));
}

QImage PhotoWindow::heldIfSame(const QImage& fresh) const
{
    if (fresh.isNull())
        return fresh;
    for (const qel::ImageView* view : {Image1, Picture1, Picture2}) {
        const QImage& held = view->image();
        if (held.size() == fresh.size() && held.format() == fresh.format() && held == fresh)
            return held;
    }
    return fresh;
}

void PhotoWindow::Command6_Click()
{
    QCoreApplication::exit(0);
}

bool PhotoWindow::checkName(const QString& name)
{
    const QString problem = qel::names::bareNameProblem(name);
    if (problem.isEmpty())
        return true;
    qel::messages::showFailure(
        this, tr("\"%1\" cannot be used as a file name. %2\nType a plain name such as "
                 "\"mypicture.bmp\" into the name box and press the button again.")
                  .arg(name, problem));
    return false;
}

void PhotoWindow::reportSaveFailure(const QString& shownPath, const QString& reason, bool replacing)
{
    QString text = tr("The picture could not be saved as %1.\n%2").arg(shownPath, reason);
    if (replacing)
        text += tr("\nThe file that was there is unchanged.");
    qel::messages::showFailure(this, text);
}

void PhotoWindow::Command1_Click()
{
    const QString name = Text3->text();
    if (!checkName(name))
        return;
    if (!Image1->hasImage() && !Picture1->hasImage()) {
        qel::messages::showFailure(
            this, tr("There is no picture to save: the clipboard held none. Capture "
                     "the screen with the \"Print Screen\" key, press \"Refresh "
                     "Window\" and save again."));
        return;
    }
    const std::optional<QDir> qelDir = qel::paths::simulatorFolder(qel::paths::qelFolder);
    if (!qelDir) {
        qel::messages::showFailure(this, qel::messages::missingQelFolderText(
                                             qel::messages::Program::PhotoTool,
                                             tr("the scenario picture has nowhere to go"), true));
        return;
    }
    const bool exists = qel::paths::fileExists(*qelDir, name);
    if (exists && !qel::messages::askOverwrite(this))
        return;
    Module1::CopyPreview(*this);
    const QString reason = bmp::save(qel::paths::filePath(*qelDir, name), Picture2->image());
    if (!reason.isEmpty()) {
        reportSaveFailure(qel::paths::shownPath(*qelDir, name), reason, exists);
        return;
    }
    qel::messages::showSaved(this, exists);
}

void PhotoWindow::Command5_Click()
{
    const QString name = Text3->text();
    if (!checkName(name))
        return;
    if (!Image1->hasImage()) {
        qel::messages::showFailure(
            this, tr("There is no picture to save: the clipboard held none when it "
                     "was last read. Capture the screen with the \"Print Screen\" "
                     "key, press \"Refresh Window\" and save again."));
        return;
    }
    const QDir here = QDir::current();
    const bool exists = qel::paths::fileExists(here, name);
    if (exists && !qel::messages::askOverwrite(this))
        return;
    const QString reason = bmp::save(qel::paths::filePath(here, name), Image1->image());
    if (!reason.isEmpty()) {
        reportSaveFailure(qel::paths::shownPath(here, name), reason, exists);
        return;
    }
    qel::messages::showSaved(this, exists);
}

void PhotoWindow::Command7_Click()
{
    Image1->setStretch(true);
    const QImage capture = heldIfSame(readClipboardPicture());
    Image1->setImage(capture);
    const autosave::Outcome outcome = autosave::save(QDir::current(), capture);
    if (!outcome.saved) {
        qel::messages::showFailure(this, outcome.error);
        return;
    }
    qel::messages::showSaved(this, false);
}

} // namespace photo
