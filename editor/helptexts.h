#pragma once

#include <QString>

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

} // namespace qel::editor::helptexts
