#pragma once

#include <QByteArray>
#include <QString>

// Scenario files are plain text in the Windows ANSI code page, the one the add-on's launcher
// reads them in. On Windows that is the system's own code page (windows-1252 in Western Europe
// and the Americas, windows-1250 in Central Europe, ...), converted by Windows (ansi_win.cpp).
// Elsewhere it is windows-1252 (ansi.cpp): one byte per character, every byte decodes to one
// character and encodes back to the same byte; the five bytes that windows-1252 leaves unassigned
// map to the C1 control characters of the same value, as Windows itself does.
namespace qel::ansi {

QString decode(const QByteArray& bytes);

bool canEncode(QChar c);

// Index of the first character that the code page cannot hold, or -1. A character is never
// replaced by a look-alike ("u" for "ű") or by "?".
qsizetype firstUnencodable(const QString& text);

// The bytes of `text`; call only when firstUnencodable() is -1.
QByteArray encode(const QString& text);

// The code page's number, such as 1252.
int codePage();

} // namespace qel::ansi
