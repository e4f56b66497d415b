#pragma once

#include <QByteArray>
#include <QString>

// Scenario files are plain text in the Windows ANSI code page (windows-1252): one byte per
// character. Every byte decodes to one character and encodes back to the same byte; the five
// bytes that windows-1252 leaves unassigned map to the C1 control characters of the same value,
// as Windows itself does.
namespace qel::ansi {

QString decode(const QByteArray& bytes);

bool canEncode(QChar c);

// Index of the first character that windows-1252 cannot hold, or -1.
qsizetype firstUnencodable(const QString& text);

// The bytes of `text`; call only when firstUnencodable() is -1 (others become '?').
QByteArray encode(const QString& text);

} // namespace qel::ansi
