#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <span>

// The codes a scenario stores for its cloud style, ground texture and cloud set, with the options
// that choose them: the one table that the main window's options, the style dialogs and the
// reading of a saved scenario all work from.
namespace qel::editor {

// The dialogs that offer the variants of a cloud style.
enum class StyleDialogKind { Cirrus, Overcast, Front };

// One option: its control name, its caption (untranslated), the code it stands for, and its place
// inside its frame, in twips.
struct CodeOption {
    const char* name;
    const char* caption;
    const char* code;
    QRect place;
};

// A cloud style of the main window. Choosing one that has a dialog shows the dialog, whose
// variants then write their own codes; the option's code is that of the dialog's preset.
struct CloudStyle {
    CodeOption option;
    std::optional<StyleDialogKind> dialog;
    const char* olderCode = nullptr; // read from old scenario files, never written
};

struct StyleDialogLayout {
    StyleDialogKind kind;
    const char* name; // the dialog's control name
    const char* title;
    const char* frameCaption;
    QSize client;                         // twips
    QRect frame;                          // twips
    QRect ok;                             // twips: the "OK" button lies over the frame
    std::span<const CodeOption> variants; // in the order of the layout
    const char* preset;                   // the code selected when the dialog is made
    const char* note = nullptr;           // a line of advice under the frame
    QRect notePlace = {};
};

std::span<const CloudStyle> cloudStyles();
std::span<const CodeOption> groundTextures();
std::span<const CodeOption> cloudSets();
const StyleDialogLayout& styleDialogLayout(StyleDialogKind kind);

// The option, among `options`, that stands for `code`. Codes compare exactly: "og" or "O G" is
// no code.
const CodeOption* findCode(std::span<const CodeOption> options, const QString& code);

// What a stored cloud style code selects: a main window option and, where the code names one, a
// variant in that style's dialog.
struct StoredCloudStyle {
    const CloudStyle* style;
    const CodeOption* variant; // nullptr: the code names none
};
std::optional<StoredCloudStyle> findStoredCloudStyle(const QString& code);

// The translation context of the captions in the table.
inline constexpr char codeCaptionContext[] = "qel::editor";

} // namespace qel::editor
