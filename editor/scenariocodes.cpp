#include "scenariocodes.h"

#include <QtGlobal>

namespace qel::editor {

namespace {

#define CAPTION(text) QT_TRANSLATE_NOOP("qel::editor", text)

const CodeOption cirrusVariants[] = {
    {"Option1", CAPTION("Light"), "CL", {120, 240, 1215, 375}},
    {"Option2", CAPTION("Dense"), "CD", {120, 600, 1215, 315}},
    {"Option3", CAPTION("Cirro-Cumulous"), "CC", {120, 960, 1455, 315}},
    {"Option4", CAPTION("Jet Trails"), "CT", {120, 1320, 1455, 315}},
};

// "Wind Swept" is laid out between the other two, though it is the third option.
const CodeOption overcastVariants[] = {
    {"Option1", CAPTION("Bright"), "O", {240, 240, 735, 375}},
    {"Option3", CAPTION("Wind Swept"), "WS", {240, 600, 1215, 315}},
    {"Option2", CAPTION("Gray"), "OG", {240, 960, 1215, 315}},
};

const CodeOption frontVariants[] = {
    {"Option1", CAPTION("Unbroken Band"), "UB", {240, 240, 1455, 495}},
    {"Option2", CAPTION("Broken Bands"), "BB", {240, 600, 1455, 495}},
    {"Option3", CAPTION("Turbulent"), "TB", {240, 960, 1455, 495}},
};

const StyleDialogLayout styleDialogs[] = {
    {StyleDialogKind::Cirrus,
     "Form3",
     CAPTION("Cirrus"),
     CAPTION("Cirrus Style"),
     {1920, 1680},
     {0, -15, 1935, 1695},
     {1320, 240, 375, 375},
     cirrusVariants,
     "CD"},
    {StyleDialogKind::Overcast,
     "Form6",
     CAPTION("Overcast"),
     CAPTION("Overcast Style"),
     {2295, 2100},
     {0, 0, 2295, 1335},
     {1680, 240, 375, 375},
     overcastVariants,
     "O",
     CAPTION("Use a flight with a 7/8 coverage setting for Bright and use a flight set to "
             "\"Overcast\" for Gray."),
     {0, 1440, 2295, 615}},
    {StyleDialogKind::Front,
     "Form7",
     CAPTION("Front"),
     CAPTION("Select Weather Front"),
     {1935, 1575},
     {0, 0, 1935, 1575},
     {1440, 1080, 375, 375},
     frontVariants,
     "UB"},
};

// The options sit a little further in than the old forms had them, whose narrower font and frame
// drawing left room that a frame drawn here does not: each caption clear of its frame and of the
// option beside it.
const CloudStyle styles[] = {
    {{"Option1", CAPTION("Light"), "L", {60, 270, 1080, 255}}, {}},
    {{"Option2", CAPTION("Medium"), "M", {60, 540, 1080, 255}}, {}},
    {{"Option3", CAPTION("Dense"), "D", {60, 810, 1080, 255}}, {}},
    {{"Option4", CAPTION("Overcast"), "O", {60, 1080, 1080, 255}}, StyleDialogKind::Overcast},
    {{"Option5", CAPTION("Weather Front"), "UB", {1140, 270, 1470, 255}},
     StyleDialogKind::Front,
     "F"},
    {{"Option6", CAPTION("Multi-texture"), "S", {1140, 540, 1470, 255}}, {}},
    {{"Option7", CAPTION("Cirrus/Jet Trails"), "CD", {1140, 810, 1470, 255}},
     StyleDialogKind::Cirrus},
    {{"Option21", CAPTION("No Changes"), "", {1140, 1080, 1470, 255}}, {}},
};

const CodeOption textures[] = {
    {"Option8", CAPTION("Summer"), "FSUM", {60, 270, 1290, 255}},
    {"Option9", CAPTION("Dry Summer"), "FSUMD", {60, 570, 1290, 255}},
    {"Option10", CAPTION("Winter"), "FWIN", {60, 870, 1290, 255}},
    {"Option11", CAPTION("Default"), "FDEF", {1350, 270, 1245, 255}},
    {"Option28", CAPTION("No Changes"), "", {1350, 570, 1245, 255}},
};

const CodeOption sets[] = {
    {"Option24", CAPTION("Set1"), "SET1", {120, 270, 1455, 255}},
    {"Option25", CAPTION("Set2"), "SET2", {120, 525, 1455, 255}},
    {"Option26", CAPTION("No changes"), "", {120, 780, 1455, 255}},
};

#undef CAPTION

} // namespace

std::span<const CloudStyle> cloudStyles()
{
    return styles;
}

std::span<const CodeOption> groundTextures()
{
    return textures;
}

std::span<const CodeOption> cloudSets()
{
    return sets;
}

const StyleDialogLayout& styleDialogLayout(StyleDialogKind kind)
{
    for (const StyleDialogLayout& layout : styleDialogs) {
        if (layout.kind == kind)
            return layout;
    }
    Q_UNREACHABLE();
}

const CodeOption* findCode(std::span<const CodeOption> options, const QString& code)
{
    for (const CodeOption& option : options) {
        if (code == QLatin1String(option.code))
            return &option;
    }
    return nullptr;
}

// A style with a dialog is stored by the code of its variant, so the option's own code is read
// as the variant that writes it.
std::optional<StoredCloudStyle> findStoredCloudStyle(const QString& code)
{
    for (const CloudStyle& style : styles) {
        if (style.olderCode && code == QLatin1String(style.olderCode))
            return StoredCloudStyle{&style, nullptr};
        if (!style.dialog) {
            if (code == QLatin1String(style.option.code))
                return StoredCloudStyle{&style, nullptr};
        } else if (const CodeOption* variant =
                       findCode(styleDialogLayout(*style.dialog).variants, code)) {
            return StoredCloudStyle{&style, variant};
        }
    }
    return std::nullopt;
}

} // namespace qel::editor
