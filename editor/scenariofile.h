#pragma once

#include <QByteArray>
#include <QString>

// The scenario file: a 19-line batch script that is also the scenario's record. The outside
// launcher runs and reads these files, so every byte is fixed. This is the one place that knows
// the layout; the editor's save and open both go through it.
namespace qel {

// One scenario, as the editor holds it and its file stores it.
struct Scenario {
    QString flight;   // bare flight name, or " " when none is chosen
    QString fileName; // the name it is saved under
    QString description;
    QString picture;    // bare bitmap name in the qel folder, or " "
    QString appletFlag; // "app" or " "
    QString cloudStyle; // the codes; empty for "No changes"
    QString groundTexture;
    QString cloudSet;
};

namespace scenario {

struct Encoded {
    QByteArray bytes;
    QString error; // empty when `bytes` holds the file
};

// What the editor takes back from a file: lines 6 to 13, which hold every field of the scenario.
// Lines 1 to 5 and 14 to 19 are not read.
struct Decoded {
    Scenario scenario;
    QString error; // empty when `scenario` was read
};

inline constexpr int lineCount = 19;
inline constexpr int linesRead = 13;
inline constexpr int descriptionLimit = 210;

// The file's bytes, or why the fields cannot be written: a character that the ANSI code page
// cannot hold, a line the command interpreter would take as the script's jump label, or a control
// character other than tab.
Encoded encode(const Scenario& scenario);

// Reads the first 13 lines. Lines may end in CR LF, a lone LF or a lone CR (files edited on
// other systems); a last line without an end counts too.
Decoded decode(const QByteArray& bytes);

// True when the command interpreter would take `line` as the label ":next" that the script's
// "goto next" looks for: the data lines after it would then run as commands.
bool isJumpLabel(const QString& line);

} // namespace scenario

} // namespace qel
