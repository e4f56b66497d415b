#include "form1.h"

#include "ansi.h"
#include "banner.h"
#include "filelist.h"
#include "imageview.h"
#include "keyboardaccess.h"
#include "limitedlineedit.h"
#include "messages.h"
#include "paths.h"
#include "savescenario.h"
#include "scenariofile.h"
#include "twips.h"
#include "uiconstants.h"
#include "wrappingcontrols.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using qel::twips::place;

QLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* label = place(new QLabel(caption, parent), name, l, t, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                    int h)
{
    return place(new qel::WrappingButton(caption, parent), name, l, t, w, h);
}

QRadioButton* option(QGroupBox* frame, const char* name, const QString& caption, int l, int t,
                     int w, int h)
{
    return place(new QRadioButton(caption, frame), name, l, t, w, h);
}

QLineEdit* hiddenField(QWidget* parent, const char* name, const QString& text)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QLatin1String(name));
    field->hide();
    return field;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("QELedit 3.0 for Nubivar & Grundex"));
    setFixedSize(qel::twips::size(8400, 5265));
    // The layout was made for an 8-point "MS Sans Serif", a narrow font; a sans serif a pixel
    // smaller keeps every caption inside its control.
    QFont small;
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                       QStringLiteral("Liberation Sans")});
    small.setStyleHint(QFont::SansSerif);
    small.setPixelSize(10);
    setFont(small);

    // Labels first: like the original's lightweight labels they lie under the buttons and boxes
    // that overlap them, so "Add Picture?" does not swallow the clicks of its small button.
    createLabels();
    createScenarioControls();
    createStyleFrames();
    createButtons();
    createHiddenFields();
    applyColours();
    connectFieldReactions();
    connectStyleOptions();
    connectCommands();
    installHoverHelp();
    arrangeKeyboardAccess(*this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createLabels()
{
    Image1 = place(new qel::ImageView(this), "Image1", 105, 15, 4335, 1020);
    Image1->setStretch(false);
    Image1->setFrameShape(QFrame::NoFrame);
    Image1->setImage(banner::image(font()));
    Label2 = label(this, "Label2", tr("Open Flight"), 240, 1320, 1335, 255);
    Label9 = label(this, "Label9", QString(), 240, 1800, 1455, 135);
    Label7 = label(this, "Label7", tr(" Edit File"), 480, 3480, 1335, 375);
    Label3 = label(this, "Label3", tr("Enter a Description..."), 2160, 4440, 2895, 375);
    Image2 = place(new qel::ImageView(this), "Image2", 5400, 120, 2415, 1815);
    Image2->setFrameShape(QFrame::Box);
    Image2->setLineWidth(1);
    Label6 = label(this, "Label6", tr("      Add Picture?"), 5400, 2040, 1815, 255);
    Label8 = label(this, "Label8", QStringLiteral(" "), 5040, 3360, 2295, 975);
    Label8->setWordWrap(true);
    Label8->hide();
    Label4 = label(this, "Label4", tr("Save File as..."), 5400, 4440, 1575, 375);
}

void Form1::createScenarioControls()
{
    Text1 = place(new QLineEdit(QStringLiteral(" "), this), "Text1", 240, 1560, 1695, 285);
    Text1->setReadOnly(true);
    File5 = place(new qel::FileList(this), "File5", 240, 1920, 1695, 1260);

    Text23 = place(new qel::LimitedLineEdit(this), "Text23", 2160, 4800, 2895, 285);
    Text23->setTypingLimit(scenario::descriptionLimit);
    Text23->setCharacterFilter([](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() != 0x7f && qel::ansi::canEncode(c);
    });

    Text26 = place(new QLineEdit(QStringLiteral(" "), this), "Text26", 5400, 2280, 1455, 285);
    Text26->setReadOnly(true);
    Check1 = place(new qel::WrappingCheckBox(tr("Applet On/off"), this), "Check1", 5400, 2760, 975, 375);
    Check1->setChecked(true);
    Text24 = place(new QLineEdit(QStringLiteral("???.qel"), this), "Text24", 5400, 4800, 1695, 285);
    Text24->setMaxLength(qel::ui::longestLine);
}

void Form1::createStyleFrames()
{
    Frame6 = place(new QGroupBox(tr("Cloud Sets"), this), "Frame6", 240, 3840, 1695, 1095);
    // The options sit a little further in than the old forms had them, whose narrower font and
    // frame drawing left room that a frame drawn here does not: each caption clear of its frame
    // and of the option beside it.
    Option24 = option(Frame6, "Option24", tr("Set1"), 120, 270, 1455, 255);
    Option25 = option(Frame6, "Option25", tr("Set2"), 120, 525, 1455, 255);
    Option26 = option(Frame6, "Option26", tr("No changes"), 120, 780, 1455, 255);
    Option26->setChecked(true);

    Frame1 = place(new QGroupBox(tr("Select Cloud Style"), this), "Frame1", 2160, 1320, 2655, 1455);
    Option1 = option(Frame1, "Option1", tr("Light"), 60, 270, 1080, 255);
    Option2 = option(Frame1, "Option2", tr("Medium"), 60, 540, 1080, 255);
    Option3 = option(Frame1, "Option3", tr("Dense"), 60, 810, 1080, 255);
    Option4 = option(Frame1, "Option4", tr("Overcast"), 60, 1080, 1080, 255);
    Option5 = option(Frame1, "Option5", tr("Weather Front"), 1140, 270, 1470, 255);
    Option6 = option(Frame1, "Option6", tr("Multi-texture"), 1140, 540, 1470, 255);
    Option7 = option(Frame1, "Option7", tr("Cirrus/Jet Trails"), 1140, 810, 1470, 255);
    Option21 = option(Frame1, "Option21", tr("No Changes"), 1140, 1080, 1470, 255);
    Option21->setChecked(true);

    Frame2 =
        place(new QGroupBox(tr("Select Ground Texture"), this), "Frame2", 2160, 3000, 2655, 1215);
    Option8 = option(Frame2, "Option8", tr("Summer"), 60, 270, 1290, 255);
    Option9 = option(Frame2, "Option9", tr("Dry Summer"), 60, 570, 1290, 255);
    Option10 = option(Frame2, "Option10", tr("Winter"), 60, 870, 1290, 255);
    Option11 = option(Frame2, "Option11", tr("Default"), 1350, 270, 1245, 255);
    Option28 = option(Frame2, "Option28", tr("No Changes"), 1350, 570, 1245, 255);
    Option28->setChecked(true);
}

void Form1::createButtons()
{
    Command11 = button(this, "Command11", QStringLiteral(" "), 240, 3480, 255, 255);
    Command2 = button(this, "Command2", tr("Clr."), 7920, 1680, 375, 255);
    Command2->setEnabled(false);
    Command9 = button(this, "Command9", QStringLiteral(" "), 5400, 2040, 255, 195);
    Command3 = button(this, "Command3", tr("Press for Quick Tips"), 5400, 3480, 1575, 375);
    Command7 = button(this, "Command7", tr("Help"), 7440, 2400, 855, 495);
    Command5 = button(this, "Command5", tr("Exit"), 7440, 3120, 855, 495);
    Command6 = button(this, "Command6", tr("QEL launcher"), 7440, 3840, 855, 495);
    Command1 = button(this, "Command1", tr("Save"), 7440, 4560, 855, 495);
    Command1->setEnabled(false);
    for (QPushButton* b :
         {Command11, Command2, Command9, Command3, Command7, Command5, Command6, Command1})
        b->setAutoDefault(false);
}

void Form1::createHiddenFields()
{
    Text2 = hiddenField(this, "Text2", QString());
    Text5 = hiddenField(this, "Text5", QString());
    Text22 = hiddenField(this, "Text22", QString());
    Text25 = hiddenField(this, "Text25", QStringLiteral("app"));
}

void Form1::applyColours()
{
    QPalette navyText = palette();
    navyText.setColor(QPalette::WindowText, qel::ui::navy);
    navyText.setColor(QPalette::Text, qel::ui::navy);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label2, Label3, Label4, Label6, Label7, Label8, Label9,
                                         Frame1, Frame2, Frame6, Check1, Text23, Text24})
        w->setPalette(navyText);
    QPalette display = navyText;
    display.setColor(QPalette::Base, qel::ui::lightGrey);
    Text1->setPalette(display);
    Text26->setPalette(display);
}

void Form1::connectFieldReactions()
{
    connect(File5, &qel::FileList::entryChosen, this, &Form1::File5_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    // The display boxes show the start of a long name, not its end.
    for (QLineEdit* display : {Text1, Text26})
        connect(display, &QLineEdit::textChanged, display, [display] { display->home(false); });
    connect(Text26, &QLineEdit::textChanged, this, &Form1::Text26_Change);
    connect(Check1, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::Form_Load()
{
    if (const auto pilots = qel::paths::simulatorFolder(qel::paths::pilotsFolder)) {
        File5->setFolder(*pilots, QStringLiteral("*.stn"));
    } else {
        m_pilotsMissing = true;
        File5->clearFolder();
    }
}

void Form1::reportStartProblems()
{
    if (!m_pilotsMissing)
        return;
    qel::messages::showFailure(this, qel::messages::missingPilotsFolderText());
}

void Form1::File5_Click(const QString& name)
{
    Text1->setText(name);
}

void Form1::Text1_Change()
{
    Command1->setEnabled(true);
}

void Form1::Check1_Click()
{
    if (Check1->checkState() == Qt::Checked)
        Text25->setText(QStringLiteral("app"));
    else if (Check1->checkState() == Qt::Unchecked)
        Text25->setText(QStringLiteral(" "));
}

void Form1::Command2_Click()
{
    Image2->clear();
    Text26->setText(QStringLiteral(" "));
    Command2->setEnabled(false);
}

void Form1::Text26_Change()
{
    Command2->setEnabled(true);
}

void Form1::Command1_Click()
{
    scenario::Fields fields;
    fields.description = Text23->text();
    fields.fileName = Text24->text();
    fields.appletFlag = Text25->text();
    fields.picture = Text26->text();
    fields.flight = Text1->text();
    fields.cloudStyle = Text2->text();
    fields.groundTexture = Text5->text();
    fields.cloudSet = Text22->text();
    saveScenario(this, fields);
}
