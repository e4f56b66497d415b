#pragma once

#include <QString>
#include <QtGlobal>

#include <span>

// The codes a scenario stores and the options that choose them, written out by hand from the
// layout and the file format: the suites' own copy, kept apart from the program's table so that a
// slip in one shows against the other.
namespace codetable {

// How a user reaches a cloud style code: the main window's option, and where the style has a
// dialog, the dialog and the variant picked there ("" for its preset, which "OK" takes as it is).
struct CloudStyle {
    const char* code;
    const char* option;
    const char* caption;
    const char* dialog;
    const char* variant;
    const char* variantCaption;
};

inline const CloudStyle cloudStyles[] = {
    {"", "Option21", "No Changes", "", "", ""},
    {"L", "Option1", "Light", "", "", ""},
    {"M", "Option2", "Medium", "", "", ""},
    {"D", "Option3", "Dense", "", "", ""},
    {"O", "Option4", "Overcast", "Form6", "", "Bright"},
    {"OG", "Option4", "Overcast", "Form6", "Option2", "Gray"},
    {"WS", "Option4", "Overcast", "Form6", "Option3", "Wind Swept"},
    {"UB", "Option5", "Weather Front", "Form7", "", "Unbroken Band"},
    {"BB", "Option5", "Weather Front", "Form7", "Option2", "Broken Bands"},
    {"TB", "Option5", "Weather Front", "Form7", "Option3", "Turbulent"},
    {"S", "Option6", "Multi-texture", "", "", ""},
    {"CL", "Option7", "Cirrus/Jet Trails", "Form3", "Option1", "Light"},
    {"CD", "Option7", "Cirrus/Jet Trails", "Form3", "", "Dense"},
    {"CC", "Option7", "Cirrus/Jet Trails", "Form3", "Option3", "Cirro-Cumulous"},
    {"CT", "Option7", "Cirrus/Jet Trails", "Form3", "Option4", "Jet Trails"},
};

// The variant a style dialog has selected when it is made, its preset: the row above with the
// variant "".
struct Preset {
    const char* dialog;
    const char* variant;
};

inline const Preset presets[] = {{"Form3", "Option2"}, {"Form6", "Option1"}, {"Form7", "Option1"}};

struct Plain {
    const char* code;
    const char* option;
    const char* caption;
};

inline const Plain groundTextures[] = {
    {"", "Option28", "No Changes"},     {"FSUM", "Option8", "Summer"},
    {"FSUMD", "Option9", "Dry Summer"}, {"FWIN", "Option10", "Winter"},
    {"FDEF", "Option11", "Default"},
};

inline const Plain cloudSets[] = {
    {"", "Option26", "No changes"},
    {"SET1", "Option24", "Set1"},
    {"SET2", "Option25", "Set2"},
};

template <typename Row> const Row& find(std::span<const Row> rows, const QString& code)
{
    for (const Row& row : rows) {
        if (code == QLatin1String(row.code))
            return row;
    }
    qFatal("no code %s in the table", qPrintable(code));
}

inline const CloudStyle& cloudStyle(const QString& code)
{
    return find<CloudStyle>(cloudStyles, code);
}
inline const char* presetVariant(const QString& dialog)
{
    for (const Preset& preset : presets) {
        if (dialog == QLatin1String(preset.dialog))
            return preset.variant;
    }
    qFatal("no dialog %s in the table", qPrintable(dialog));
}
inline const CloudStyle& preset(const QString& dialog)
{
    for (const CloudStyle& style : cloudStyles) {
        if (dialog == QLatin1String(style.dialog) && !*style.variant)
            return style;
    }
    qFatal("no preset for %s in the table", qPrintable(dialog));
}
inline const Plain& groundTexture(const QString& code)
{
    return find<Plain>(groundTextures, code);
}
inline const Plain& cloudSet(const QString& code)
{
    return find<Plain>(cloudSets, code);
}

} // namespace codetable
