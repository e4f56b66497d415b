#include "helptexts.h"

#include <initializer_list>

namespace helptexts {

namespace {

// Every line is ended by CR LF, the last one too, as in the text files of the simulator's era.
QString lines(std::initializer_list<const char*> text)
{
    QString joined;
    for (const char* line : text)
        joined += QLatin1String(line) + QLatin1String("\r\n");
    return joined;
}

} // namespace

QString overview()
{
    return lines({
        "Welcome to Nubivar & Grundex ",
        "\t\t\t\t\t\t",
        "Nubivar & Grundex is a full upgrade of the sky and of the ground of ",
        "Microsoft Flight Simulator 98. It brings new cloud types and a ",
        "choice of new ground textures, and you pick them for every flight. ",
        "",
        "You will spend most of your time in two places: ",
        " - the QEL launcher, which starts a flight with the clouds and the ",
        "   ground you chose for it, and ",
        " - QELedit, this editor, in which you put such a flight together ",
        "   and save it as a QEL file. ",
        "\t\t\t\t\t\t",
        "What matters first is to understand what happens in the simulator ",
        "while the new clouds are in use. Some of the weather settings you ",
        "know from FS98 work differently now. The next topic explains how. ",
        "\t\t\t\t\t\t",
        "Further ground textures have been added to FS98 as well. They ",
        "were designed to make the most of the simulator's haze and to keep ",
        "pixel noise to a minimum. With 3D hardware acceleration switched ",
        "on, the world below you looks smooth and well blended, from the ",
        "runway out to the horizon. ",
        "\t\t\t\t\t\t   ",
        "Now on to learning the new system...",
    });
}

QString learningTheNewSystem()
{
    return lines({
        "Learning the new system ",
        "\t\t\t\t\t\t",
        "The one simulator setting that matters is the cloud coverage: set ",
        "every cloud layer you use to 7/8. ",
        "",
        "The sky you will see comes from the cloud type you choose in ",
        "QELedit, not from the coverage set in the simulator. A light cloud ",
        "type stays light, even though the simulator says 7/8. ",
        "",
        "If your simulator does not offer 7/8, switch off \"Weather ",
        "Generation\" in its preferences, and the setting becomes available. ",
        "\t\t\t\t\t\t",
        "Three cloud types are the exceptions to the 7/8 rule: ",
        " - Gray Overcast: set the coverage to \"Overcast\". ",
        " - Multi-texture: any coverage setting will do. ",
        " - The darker lower layer of a two-layer sky: set it to 6/8. ",
        "\t\t\t\t\t\t",
        "The cloud Applet builds layered skies for you, such as an upper ",
        "cirrus layer with jet trails, or a lower overcast layer with ",
        "cirro-cumulus clouds above it. ",
        "\t\t\t\t\t\t",
        "The ground textures are made to get the most out of the haze. ",
        "Winter looks its best with the visibility at 10 miles, summer at 15. ",
    });
}

QString creatingAQelFile()
{
    return lines({
        "Creating a QEL file ",
        "\t\t\t\t\t\t",
        "A QEL file holds one flight with its clouds and ground. Six steps ",
        "make one: ",
        "",
        " 1) Choose a flight that you saved earlier in the simulator. This is ",
        "     the only choice you must make. The flight has to be in the ",
        "     simulator's PILOTS folder; long and short names both work. ",
        " 2) Choose a cloud type from Set1 or Set2 and, if you wish, a ",
        "     ground texture. ",
        " 3) Decide whether the cloud Applet is on or off when the flight ",
        "     starts, and whether to attach a bitmap picture to the file. ",
        " 4) Type a description of up to 210 characters. ",
        " 5) Type a name for the file, with the \".qel\" extension, and save ",
        "     it. Then exit, or exit straight to the QEL Launcher. ",
        " 6) To change a QEL file that you made before, press the button ",
        "     beside \"Edit File\" and choose the file. ",
        "\t\t\t\t\t\t",
        "Everything else, the QEL launcher and the QEL Photo Lab included, ",
        "is described in the printed documentation that came with ",
        "Nubivar & Grundex. Have a good flight! ",
    });
}

} // namespace helptexts
