#pragma once

#include <QByteArray>
#include <QString>

// The scenario file: a 19-line batch script that is also the scenario's record. The outside
// launcher runs and reads these files, so every byte is fixed. This is the one place that knows
// the layout; the editor's save and open both go through it.
namespace scenario {

struct Fields {
    QString description;   // Text23
    QString fileName;      // Text24
    QString appletFlag;    // Text25: "app" or " "
    QString picture;       // Text26: bare bitmap name or " "
    QString flight;        // Text1: bare flight name or " "
    QString cloudStyle;    // Text2
    QString groundTexture; // Text5
    QString cloudSet;      // Text22
};

// What the editor takes back from a file: lines 6 to 13. Lines 1 to 5 and 14 to 19 are not read.
struct ReadBack {
    QString picture;       // line 6
    QString flight;        // line 7
    QString fileName;      // line 8
    QString description;   // line 9
    QString cloudStyle;    // line 10
    QString groundTexture; // line 11
    QString cloudSet;      // line 12
    QString appletFlag;    // line 13
};

struct Encoded {
    QByteArray bytes;
    QString error; // empty when `bytes` holds the file
};

struct Decoded {
    ReadBack fields;
    QString error; // empty when `fields` were read
};

inline constexpr int lineCount = 19;
inline constexpr int linesRead = 13;
inline constexpr int descriptionLimit = 210;

// The file's bytes, or why the fields cannot be written: a character that the ANSI code page
// cannot hold, a line the command interpreter would take as the script's jump label, or a control
// character other than tab.
Encoded encode(const Fields& fields);

// Reads the first 13 lines. Lines may end in CR LF, a lone LF or a lone CR (files edited on
// other systems); a last line without an end counts too.
Decoded decode(const QByteArray& bytes);

// True when the command interpreter would take `line` as the label ":next" that the script's
// "goto next" looks for: the data lines after it would then run as commands.
bool isJumpLabel(const QString& line);

} // namespace scenario
