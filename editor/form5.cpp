#include "form5.h"

#include "accessiblenames.h"
#include "filelist.h"
#include "form1.h"
#include "form3.h"
#include "form6.h"
#include "form7.h"
#include "imageview.h"
#include "limitedlineedit.h"
#include "messages.h"
#include "openscenario.h"
#include "paths.h"
#include "twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using OptionOf = QRadioButton* Form1::*;

// The variant a stored cloud style code stands for, in the style dialog of its main option.
using VariantOf = Form1::StoredVariant;

struct CloudStyle {
    const char* code;
    OptionOf option;
    VariantOf variant; // nullptr: the code has none
};

// "F" is an older weather front code: read, never written, it selects the front as such.
const CloudStyle cloudStyles[] = {
    {"", &Form1::Option21, nullptr},
    {"L", &Form1::Option1, nullptr},
    {"M", &Form1::Option2, nullptr},
    {"D", &Form1::Option3, nullptr},
    {"O", &Form1::Option4, [](Form1& f) { return f.useForm6()->Option1; }},
    {"OG", &Form1::Option4, [](Form1& f) { return f.useForm6()->Option2; }},
    {"WS", &Form1::Option4, [](Form1& f) { return f.useForm6()->Option3; }},
    {"F", &Form1::Option5, nullptr},
    {"UB", &Form1::Option5, [](Form1& f) { return f.useForm7()->Option1; }},
    {"BB", &Form1::Option5, [](Form1& f) { return f.useForm7()->Option2; }},
    {"TB", &Form1::Option5, [](Form1& f) { return f.useForm7()->Option3; }},
    {"S", &Form1::Option6, nullptr},
    {"CL", &Form1::Option7, [](Form1& f) { return f.useForm3()->Option1; }},
    {"CD", &Form1::Option7, [](Form1& f) { return f.useForm3()->Option2; }},
    {"CC", &Form1::Option7, [](Form1& f) { return f.useForm3()->Option3; }},
    {"CT", &Form1::Option7, [](Form1& f) { return f.useForm3()->Option4; }},
};

struct PlainCode {
    const char* code;
    OptionOf option;
};

const PlainCode groundTextures[] = {
    {"", &Form1::Option28},     {"FSUM", &Form1::Option8},  {"FSUMD", &Form1::Option9},
    {"FWIN", &Form1::Option10}, {"FDEF", &Form1::Option11},
};

const PlainCode cloudSets[] = {
    {"", &Form1::Option26},
    {"SET1", &Form1::Option24},
    {"SET2", &Form1::Option25},
};

// Codes compare exactly: "og" or "O G" is no code and selects nothing.
template <typename Row, std::size_t n>
const Row* findCode(const Row (&rows)[n], const QString& code)
{
    for (const Row& row : rows) {
        if (code == QLatin1String(row.code))
            return &row;
    }
    return nullptr;
}

void restorePlain(Form1& main, const PlainCode* row)
{
    // Selecting the option that is already selected runs nothing, so its code stays as it is.
    if (row)
        (main.*(row->option))->setChecked(true);
}

} // namespace

Form5::Form5(Form1& main)
    : QDialog(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Open QEL file..."));
    setFont(main.font());
    setFixedSize(qel::twips::size(2820, 1845));
    setAttribute(Qt::WA_DeleteOnClose);

    File1 = new qel::FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(qel::twips::rect(120, 120, 1695, 1455));
    selectButton = new QPushButton(tr("Select"), this);
    selectButton->setObjectName(QStringLiteral("command1"));
    selectButton->setGeometry(qel::twips::rect(2040, 240, 615, 495));
    // Enter in the list selects, as the button does; Escape leaves, as "Exit" does.
    selectButton->setDefault(true);
    Command2 = new QPushButton(tr("Exit"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(qel::twips::rect(2040, 1200, 615, 495));
    Command2->setAutoDefault(false);

    qel::accessibility::nameControls(*this, {{QStringLiteral("File1"), tr("Saved scenarios")}});

    connect(selectButton, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(File1, &qel::FileList::entryDoubleClicked, this, &Form5::File1_DblClick);
    Form_Load();
}

void Form5::Form_Load()
{
    if (const auto qelDir = qel::paths::simulatorFolder(qel::paths::qelFolder)) {
        File1->setFolder(*qelDir, QStringLiteral("*.qel"));
    } else {
        File1->clearFolder();
    }
    File1->setFocus();
}

void Form5::Command1_Click()
{
    readSelected();
}

void Form5::File1_DblClick()
{
    readSelected();
}

void Form5::Command2_Click()
{
    close();
}

void Form5::readSelected()
{
    const QString name = File1->selectedName();
    if (name.isEmpty())
        return;
    const auto qelDir = qel::paths::simulatorFolder(qel::paths::qelFolder);
    const QString shown = QDir::toNativeSeparators(
        qel::paths::shownPath(qelDir ? *qelDir : QDir(qel::paths::qelFolder), name));
    scenario::Decoded read;
    if (!qelDir)
        read.error = tr("The \"qel\" folder is gone.");
    else
        read = scenario::readFile(qel::paths::filePath(*qelDir, name));
    if (read.error.isEmpty())
        read.error = fieldTooLong(read.fields);
    if (!read.error.isEmpty()) {
        qel::messages::showFailure(this, tr("The scenario %1 cannot be opened. %2\n\n"
                                            "Nothing in the editor was changed. Choose "
                                            "another scenario file.")
                                             .arg(shown, read.error));
        return;
    }

    const scenario::ReadBack& r = read.fields;
    // Written even when unchanged: each box reacts only to a real change.
    m_main.Text26->setText(r.picture);
    m_main.Text1->setText(r.flight);
    // The flight list points at the opened flight, so that a click on any entry changes it.
    m_main.File5->showName(r.flight);
    m_main.Text24->setText(r.fileName);
    m_main.Text23->setText(r.description);
    restoreCloudStyle(r.cloudStyle);
    restoreGroundTexture(r.groundTexture);
    restoreCloudSet(r.cloudSet);
    restoreApplet(r.appletFlag);
    restorePicture(*qelDir, r.picture);
    close();
}

// Every box must hold its line whole, or a later save would quietly write a shortened scenario.
QString Form5::fieldTooLong(const scenario::ReadBack& r) const
{
    const struct {
        int line;
        const char* what;
        const QString& text;
        const QLineEdit* box;
    } fields[] = {
        {6, QT_TR_NOOP("picture"), r.picture, m_main.Text26},
        {7, QT_TR_NOOP("flight"), r.flight, m_main.Text1},
        {8, QT_TR_NOOP("file name"), r.fileName, m_main.Text24},
        {9, QT_TR_NOOP("description"), r.description, m_main.Text23},
    };
    for (const auto& field : fields) {
        if (field.text.size() > field.box->maxLength()) {
            return tr("Its line %1 (the %2) is %3 characters long; the editor holds at "
                      "most %4.")
                .arg(field.line)
                .arg(tr(field.what))
                .arg(field.text.size())
                .arg(field.box->maxLength());
        }
    }
    return {};
}

void Form5::restoreCloudStyle(const QString& code)
{
    const CloudStyle* row = findCode(cloudStyles, code);
    if (!row)
        return;
    QRadioButton* option = m_main.*(row->option);
    if (!row->variant || option->isChecked()) {
        // Either no variant is stored (the older front code shows the Front dialog at its
        // preset, as a user's choice does), or the option was selected already and shows none.
        option->setChecked(true);
        if (row->variant)
            row->variant(m_main)->setChecked(true);
        return;
    }
    // The style dialog shows the stored variant, and the user may pick another there: whatever
    // is selected when it closes stands, and a hidden dialog keeps it for its next showing.
    m_main.selectStoredCloudStyle(option, row->variant);
    const CloudStyle* left = findCode(cloudStyles, m_main.Text2->text());
    if (left && left->option == row->option && left->variant)
        left->variant(m_main)->setChecked(true);
}

void Form5::restoreGroundTexture(const QString& code)
{
    restorePlain(m_main, findCode(groundTextures, code));
}

void Form5::restoreCloudSet(const QString& code)
{
    restorePlain(m_main, findCode(cloudSets, code));
}

void Form5::restoreApplet(const QString& flag)
{
    if (flag == QLatin1String("app"))
        m_main.Check1->setCheckState(Qt::Checked);
    else if (flag == QLatin1String(" "))
        m_main.Check1->setCheckState(Qt::Unchecked);
}

void Form5::restorePicture(const QDir& qelFolder, const QString& name)
{
    m_main.Image2->clear();
    if (name == QLatin1String(" "))
        return;
    const qel::pictures::Loaded picture = scenario::loadPicture(qelFolder, name);
    if (!picture.error.isEmpty()) {
        qel::messages::showFailure(
            this, tr("The scenario's picture \"%1\" cannot be shown. %2\n\nEverything "
                     "else of the scenario was opened. Choose a picture with the button "
                     "beside \"Add Picture?\", or remove the name with \"Clr.\".")
                      .arg(name, picture.error));
        return;
    }
    m_main.Image2->setImage(picture.image);
}
