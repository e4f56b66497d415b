#include "helptexts.h"

#include "scenariocodes.h"
#include "scenariofile.h"

#include <QCoreApplication>
#include <QStringList>

namespace qel::editor::helptexts {

namespace {

// A topic is one string for its translator, its lines ended by plain line feeds; the window
// gets every line ended by CR LF, the last one too, as in the text files of the simulator's era.
QString withCrLf(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString translate(const char* text)
{
    return QCoreApplication::translate("qel::editor", text);
}

const char* const flightListSentence =
    QT_TRANSLATE_NOOP("qel::editor", "Here is a list of all the flights in your PILOTS directory. "
                                     "This is the default location where all flights are saved.");

QStringList cloudSetNames()
{
    QStringList names;
    for (const CodeOption& set : cloudSets()) {
        if (*set.code)
            names.append(translate(set.caption));
    }
    return names;
}

} // namespace

QString cloudSetChoice()
{
    const QStringList names = cloudSetNames();
    QString choice = names.value(0);
    for (qsizetype i = 1; i < names.size(); ++i)
        choice = translate("%1 or %2").arg(choice, names.at(i));
    return choice;
}

QString cloudSetCount()
{
    static const char* const words[] = {
        QT_TRANSLATE_NOOP("qel::editor", "no"),    QT_TRANSLATE_NOOP("qel::editor", "one"),
        QT_TRANSLATE_NOOP("qel::editor", "two"),   QT_TRANSLATE_NOOP("qel::editor", "three"),
        QT_TRANSLATE_NOOP("qel::editor", "four"),  QT_TRANSLATE_NOOP("qel::editor", "five"),
        QT_TRANSLATE_NOOP("qel::editor", "six"),   QT_TRANSLATE_NOOP("qel::editor", "seven"),
        QT_TRANSLATE_NOOP("qel::editor", "eight"), QT_TRANSLATE_NOOP("qel::editor", "nine")};
    const qsizetype count = cloudSetNames().size();
    return count < qsizetype(std::size(words)) ? translate(words[count]) : QString::number(count);
}

QString HoverTip::text() const
{
    return number.isEmpty() ? translate(sentence) : translate(sentence).arg(number);
}

std::vector<HoverTip> hoverTips()
{
    // Each sentence with the controls it explains.
    return {
        {QT_TRANSLATE_NOOP("qel::editor", "If checked the Applet check box will be checked when "
                                          "your QEL file is displayed. It is on by default."),
         {"Check1"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Saves the QEL file you are creating."), {"Command1"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Clears any selected image in the image box."),
         {"Command2"}},
        {QT_TRANSLATE_NOOP("qel::editor",
                           "Click this button to open an existing QEL file for editing."),
         {"Command11", "Label7"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Exits QELedit."), {"Command5"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Exits QELedit and starts the QEL Launcher. Make sure "
                                          "you save any QEL file you are working on first!"),
         {"Command6"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Press here for general help and information."),
         {"Command7"}},
        {QT_TRANSLATE_NOOP("qel::editor",
                           "Adds a bitmap image that is in your QEL subdirectory to your qel "
                           "file. The Clr button to the right will clear any selection."),
         {"Command9", "Label6"}},
        {flightListSentence, {"File5"}},
        {flightListSentence, {"Label9"}, {}, true}, // the strip between the flight box and list
        {QT_TRANSLATE_NOOP("qel::editor", "Your selected flight is displayed here."), {"Text1"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Select your cloud style here. When you select Cirrus "
                                          "or Overcast another menu will apear with more "
                                          "selections."),
         {"Frame1"}},
        {QT_TRANSLATE_NOOP("qel::editor",
                           "Enter your ground texture here. All ground texture selections are "
                           "left installed after each QEL session where a ground texture is "
                           "selected."),
         {"Frame2"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Select between the %1 Nubivar cloud sets. Each set "
                                          "contains a unique Light, Medium, and Dense cloud type"),
         {"Frame6"},
         cloudSetCount()},
        {QT_TRANSLATE_NOOP("qel::editor", "Any bitmap, if selected, is displayed here."),
         {"Image2"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Displays the name of your selected bitmap."),
         {"Text26"}},
        {QT_TRANSLATE_NOOP("qel::editor", "Enter a description for your QEL file. You can use up "
                                          "to %1 characters in your descriptions."),
         {"Label3", "Text23"},
         QString::number(scenario::descriptionLimit)},
        {QT_TRANSLATE_NOOP("qel::editor", "Enter a name for your QEL file using 8 characters or "
                                          "less in the prefix and make sure you save the file "
                                          "with the QEL extension."),
         {"Label4", "Text24"}},
    };
}

QString overview()
{
    return withCrLf(QCoreApplication::translate(
        "qel::editor", // a topic is one text
        "Welcome to Nubivar & Grundex \n"
        "\t\t\t\t\t\t\n"
        "Nubivar & Grundex is a full upgrade of the sky and of the ground of \n"
        "Microsoft Flight Simulator 98. It brings new cloud types and a \n"
        "choice of new ground textures, and you pick them for every flight. \n"
        "\n"
        "You will spend most of your time in two places: \n"
        " - the QEL launcher, which starts a flight with the clouds and the \n"
        "   ground you chose for it, and \n"
        " - QELedit, this editor, in which you put such a flight together \n"
        "   and save it as a QEL file. \n"
        "\t\t\t\t\t\t\n"
        "What matters first is to understand what happens in the simulator \n"
        "while the new clouds are in use. Some of the weather settings you \n"
        "know from FS98 work differently now. The next topic explains how. \n"
        "\t\t\t\t\t\t\n"
        "Further ground textures have been added to FS98 as well. They \n"
        "were designed to make the most of the simulator's haze and to keep \n"
        "pixel noise to a minimum. With 3D hardware acceleration switched \n"
        "on, the world below you looks smooth and well blended, from the \n"
        "runway out to the horizon. \n"
        "\t\t\t\t\t\t   \n"
        "Now on to learning the new system...\n"));
}

QString learningTheNewSystem()
{
    return withCrLf(QCoreApplication::translate(
        "qel::editor", // a topic is one text
        "Learning the new system \n"
        "\t\t\t\t\t\t\n"
        "The one simulator setting that matters is the cloud coverage: set \n"
        "every cloud layer you use to 7/8. \n"
        "\n"
        "The sky you will see comes from the cloud type you choose in \n"
        "QELedit, not from the coverage set in the simulator. A light cloud \n"
        "type stays light, even though the simulator says 7/8. \n"
        "\n"
        "If your simulator does not offer 7/8, switch off \"Weather \n"
        "Generation\" in its preferences, and the setting becomes available. \n"
        "\t\t\t\t\t\t\n"
        "Three cloud types are the exceptions to the 7/8 rule: \n"
        " - Gray Overcast: set the coverage to \"Overcast\". \n"
        " - Multi-texture: any coverage setting will do. \n"
        " - The darker lower layer of a two-layer sky: set it to 6/8. \n"
        "\t\t\t\t\t\t\n"
        "The cloud Applet builds layered skies for you, such as an upper \n"
        "cirrus layer with jet trails, or a lower overcast layer with \n"
        "cirro-cumulus clouds above it. \n"
        "\t\t\t\t\t\t\n"
        "The ground textures are made to get the most out of the haze. \n"
        "Winter looks its best with the visibility at 10 miles, summer at 15. \n"));
}

QString creatingAQelFile()
{
    const QString text = QCoreApplication::translate(
        "qel::editor", // a topic is one text
        "Creating a QEL file \n"
        "\t\t\t\t\t\t\n"
        "A QEL file holds one flight with its clouds and ground. Six steps \n"
        "make one: \n"
        "\n"
        " 1) Choose a flight that you saved earlier in the simulator. This is \n"
        "     the only choice you must make. The flight has to be in the \n"
        "     simulator's PILOTS folder; long and short names both work. \n"
        " 2) Choose a cloud type from %1 and, if you wish, a \n"
        "     ground texture. \n"
        " 3) Decide whether the cloud Applet is on or off when the flight \n"
        "     starts, and whether to attach a bitmap picture to the file. \n"
        " 4) Type a description of up to %2 characters. \n"
        " 5) Type a name for the file, with the \".qel\" extension, and save \n"
        "     it. Then exit, or exit straight to the QEL Launcher. \n"
        " 6) To change a QEL file that you made before, press the button \n"
        "     beside \"Edit File\" and choose the file. \n"
        "\t\t\t\t\t\t\n"
        "Everything else, the QEL launcher and the QEL Photo Lab included, \n"
        "is described in the printed documentation that came with \n"
        "Nubivar & Grundex. Have a good flight! \n");
    return withCrLf(text.arg(cloudSetChoice(), QString::number(scenario::descriptionLimit)));
}

} // namespace qel::editor::helptexts
