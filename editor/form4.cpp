#include "form4.h"

#include "accessiblenames.h"
#include "filelist.h"
#include "form1.h"
#include "imageview.h"
#include "launch.h"
#include "messages.h"
#include "paths.h"
#include "picture.h"
#include "twips.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

Form4::Form4(Form1* main)
    : QDialog(main)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Select"));
    setModal(true);
    setFixedSize(qel::twips::size(5820, 2325));
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    createControls();
    connectHandlers();
    qel::accessibility::nameControls(*this,
                                     {{QStringLiteral("Image1"), tr("Preview")},
                                      {QStringLiteral("File1"), tr("Pictures in the qel folder")}});
    Form_Load();
}

void Form4::createControls()
{
    Image1 = new qel::ImageView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(qel::twips::rect(240, 240, 2415, 1815));
    Image1->setFrameShape(QFrame::Box);
    Image1->setLineWidth(1);

    File1 = new qel::FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(qel::twips::rect(3000, 240, 1935, 1650));

    auto button = [this](const char* name, const QString& caption, int top) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(qel::twips::rect(5040, top, 615, 375));
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button("Command1", tr("Select"), 480);
    Command4 = button("Command4", tr("Edit"), 1080);
    Command2 = button("Command2", tr("Exit"), 1680);
    // Enter in the list attaches the selected picture, as a double-click does.
    Command1->setDefault(true);

    setTabOrder(File1, Command2);
    setTabOrder(Command2, Command4);
    setTabOrder(Command4, Command1);
}

void Form4::connectHandlers()
{
    connect(File1, &qel::FileList::entryChosen, this, &Form4::File1_Click);
    connect(File1, &qel::FileList::entryDoubleClicked, this, &Form4::File1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
}

void Form4::Form_Load()
{
    if (const auto folder = qel::paths::simulatorFolder(qel::paths::qelFolder)) {
        File1->setFolder(*folder, QStringLiteral("*.bmp"));
        return;
    }
    File1->clearFolder();
    qel::messages::showFailure(
        m_main, qel::messages::missingQelFolderText(qel::messages::Program::Editor,
                                                    tr("there are no pictures to choose from")));
}

QString Form4::pathOf(const QString& name) const
{
    return qel::paths::filePath(File1->folder(), name);
}

void Form4::reportUnloadable(const QString& name, const QString& reason)
{
    qel::messages::showFailure(
        this, tr("The picture %1 cannot be shown.\n\n%2\n\nChoose another picture; "
                 "the scenario you are editing is unchanged.")
                  .arg(qel::paths::shownPath(File1->folder(), name), reason));
}

void Form4::File1_Click(const QString& name)
{
    // The old preview goes first, so a failure never leaves another file's picture on show.
    Image1->clear();
    const auto loaded = qel::pictures::load(pathOf(name));
    if (!loaded.error.isEmpty()) {
        reportUnloadable(name, loaded.error);
        return;
    }
    Image1->setImage(loaded.image);
}

void Form4::File1_DblClick(const QString& name)
{
    attach(name);
}

void Form4::Command1_Click()
{
    const QString name = File1->selectedName();
    if (name.isEmpty())
        return;
    attach(name);
}

void Form4::attach(const QString& name)
{
    // Loaded before anything is written, so a picture that cannot be shown is never attached.
    const auto loaded = qel::pictures::load(pathOf(name));
    if (!loaded.error.isEmpty()) {
        Image1->clear();
        reportUnloadable(name, loaded.error);
        return;
    }
    m_main->Text26->setText(name);
    m_main->Image2->setImage(loaded.image);
    accept();
}

void Form4::Command4_Click()
{
    reject();
    const auto started = qel::launch::startPhotoTool();
    if (!started.ok) {
        qel::messages::showFailure(
            m_main, started.error + tr("\n\nThe scenario you are editing is still open."));
    }
}

void Form4::Command2_Click()
{
    reject();
}
