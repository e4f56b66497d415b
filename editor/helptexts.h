#pragma once

#include <QString>

#include <vector>

// The three topics of the help window, as plain text in the user's language: lines of at most 73
// characters, each ended by CR LF, paragraphs set apart by lines of tabs or by empty lines.
namespace qel::editor::helptexts {

inline constexpr int maxLineLength = 73;

QString overview();
QString learningTheNewSystem();
QString creatingAQelFile();

// The cloud sets one can choose, by name, as a choice ("Set1 or Set2"), and how many there are in
// words ("two"): the code table's, as the texts state them.
QString cloudSetChoice();
QString cloudSetCount();

// A sentence of the main window's quick-tips help line, with the controls (by objectName) that
// show it while the pointer is over them.
struct HoverTip {
    const char* sentence; // untranslated
    std::vector<const char*> controls;
    QString number = {};  // what %1 stands for
    bool onClick = false; // shown on a click rather than on a move

    QString text() const; // translated, with its number
};
std::vector<HoverTip> hoverTips();

} // namespace qel::editor::helptexts
