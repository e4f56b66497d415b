#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

// Scenario files are plain text in the Windows ANSI code page, the one the add-on's launcher
// reads them in. On Windows that is the system's own code page (windows-1252 in Western Europe
// and the Americas, windows-1250 in Central Europe, ...), converted by Windows (ansi_win.cpp).
// Elsewhere the launcher runs under Wine, which takes the code page from the locale, and the
// programs take the same one, converted by Qt (ansi_unix.cpp).
namespace qel::ansi {

// The code page's number, such as 1252.
int codePage();

// The conversions, in the code page `page` that codePage() gave: a whole file is converted in the
// one code page, looked up once.

// Never fails: a byte sequence that is no character comes out as U+FFFD.
QString decode(const QByteArray& bytes, int page = codePage());

// The text of `bytes`, or nothing when they hold a sequence that is no character of the code
// page (a two-byte character cut off, a byte the page leaves unassigned).
std::optional<QString> decodeExactly(const QByteArray& bytes, int page = codePage());

bool canEncode(QChar c, int page = codePage());

// Index of the first character that the code page cannot hold, or -1. A character is never
// replaced by a look-alike ("u" for "ű") or by "?".
qsizetype firstUnencodable(const QString& text, int page = codePage());

// The bytes of `text`; call only when firstUnencodable() is -1.
QByteArray encode(const QString& text, int page = codePage());

// --- Per platform (ansi_unix.cpp, ansi_win.cpp) ---

// The bytes of `text` in the code page `page`, or nothing when a character has no byte sequence
// of its own there (never a look-alike or "?" in its place).
std::optional<QByteArray> exactBytes(const QString& text, int page);

// --- The same on every system (codepages.cpp) ---

// The shared settings' value that names the code page on systems where it is not the system's
// own: for a launcher that runs in another locale than the programs.
inline const QString codePageKey = QStringLiteral("CodePage");

// The ANSI code page Wine gives the language and territory of the POSIX locale `locale`
// ("ru_RU.UTF-8", "sr_RS@latin"), mostly the one Windows gives them: 1252 for "C", "POSIX" and
// every language not listed, 65001 (UTF-8) for those that Windows writes in Unicode only.
int codePageOfLocale(const QString& locale);

// The code page on a system without one of its own, as Wine chooses it: the one `setting` names
// when it is a code page of the table, else that of `locale`, which governs LC_CTYPE, when the
// system has it installed, else 1252.
int chooseCodePage(const QVariant& setting, const QString& locale, bool localeInstalled);

// The name Qt's converters know `codePage` by ("windows-1251", "Shift_JIS"); nullptr for a code
// page outside the table.
const char* converterName(int codePage);

// For the user: "the Cyrillic code page, windows-1251".
QString describeCodePage(int codePage);

} // namespace qel::ansi
