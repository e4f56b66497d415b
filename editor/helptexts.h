#pragma once

#include <QString>

// The three topics of the help window, as plain text in the user's language: lines of at most 73
// characters, each ended by CR LF, paragraphs set apart by lines of tabs or by empty lines.
namespace qel::editor::helptexts {

inline constexpr int maxLineLength = 73;

QString overview();
QString learningTheNewSystem();
QString creatingAQelFile();

} // namespace qel::editor::helptexts
