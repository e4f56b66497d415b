#include "scenariofile.h"

#include "ansi.h"

#include <QCoreApplication>
#include <QList>

#include <optional>

namespace qel::scenario {

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

bool isLeadingSeparator(QChar c)
{
    // What the command interpreter skips before a label: blanks, tabs, vertical tabs, form feeds,
    // @ ; , = and the two characters it also takes as blanks in the ANSI code page (no-break space
    // and ÿ).
    switch (c.unicode()) {
    case ' ':
    case '\t':
    case '\v':
    case '\f':
    case '@':
    case ';':
    case ',':
    case '=':
    case 0x00A0:
    case 0x00FF:
        return true;
    default:
        return false;
    }
}

// Every line of the file is one line of a batch script: the command interpreter ends a line at a
// line break, and other control characters (NUL above all) make it lose its place, so that the
// script's "goto next" misses its label. A tab is an ordinary blank to it.
qsizetype firstControlCharacter(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return i;
    }
    return -1;
}

QString controlName(QChar c)
{
    return QStringLiteral("0x") +
           QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

// The character at `i`, both halves of a pair for one beyond the Basic Multilingual Plane.
QString characterAt(const QString& text, qsizetype i)
{
    const bool pair =
        text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    return text.mid(i, pair ? 2 : 1);
}

struct NamedField {
    const char* name;
    const QString* text;
};

} // namespace

bool isJumpLabel(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && isLeadingSeparator(line[i]))
        ++i;
    if (i >= line.size() || line[i] != QLatin1Char(':'))
        return false;
    ++i;
    while (i < line.size() && isLeadingSeparator(line[i]))
        ++i;
    if (line.mid(i, 4).compare(QLatin1String("next"), Qt::CaseInsensitive) != 0)
        return false;
    i += 4;
    // The label ends where the word ends; "nextday" is another label, "next." or "next x" is not,
    // and neither is "nextÿ": the interpreter takes ÿ as a blank.
    return i >= line.size() || !line[i].isLetterOrNumber() || isLeadingSeparator(line[i]);
}

Encoded encode(const Scenario& f)
{
    const NamedField fields[] = {
        {QT_TRANSLATE_NOOP("qel::editor", "description"), &f.description},
        {QT_TRANSLATE_NOOP("qel::editor", "file name"), &f.fileName},
        {QT_TRANSLATE_NOOP("qel::editor", "applet flag"), &f.appletFlag},
        {QT_TRANSLATE_NOOP("qel::editor", "picture"), &f.picture},
        {QT_TRANSLATE_NOOP("qel::editor", "flight"), &f.flight},
        {QT_TRANSLATE_NOOP("qel::editor", "cloud style code"), &f.cloudStyle},
        {QT_TRANSLATE_NOOP("qel::editor", "ground texture code"), &f.groundTexture},
        {QT_TRANSLATE_NOOP("qel::editor", "cloud set code"), &f.cloudSet}};
    const int page = ansi::codePage();
    for (const NamedField& field : fields) {
        const QString& text = *field.text;
        const qsizetype bad = ansi::firstUnencodable(text, page);
        if (bad >= 0) {
            return {{},
                    QCoreApplication::translate(
                        "qel::editor", "The %1 contains the character \"%2\", but a scenario file "
                                       "cannot hold it: scenario files here are written in %3.")
                        .arg(QCoreApplication::translate("qel::editor", field.name),
                             characterAt(text, bad), ansi::describeCodePage(page))};
        }
        if (isJumpLabel(text)) {
            return {{},
                    QCoreApplication::translate(
                        "qel::editor",
                        "The %1 \"%2\" would be read by Windows as the label \":next\" "
                        "that the scenario script jumps to. Please change its beginning.")
                        .arg(QCoreApplication::translate("qel::editor", field.name), text)};
        }
        if (const qsizetype control = firstControlCharacter(text); control >= 0) {
            return {{},
                    QCoreApplication::translate(
                        "qel::editor",
                        "The %1 contains the control character %2 (a line break, NUL "
                        "or other invisible code) at position %3. Windows would stumble "
                        "over it while running the scenario, so that the launcher is "
                        "never called. Please remove it.")
                        .arg(QCoreApplication::translate("qel::editor", field.name),
                             controlName(text.at(control)))
                        .arg(control + 1)};
        }
    }

    const QString lines[lineCount] = {
        QStringLiteral("@echo off"),
        QStringLiteral("goto next"),
        f.description,
        f.fileName,
        f.appletFlag,
        f.picture,
        f.flight,
        f.fileName,
        f.description,
        f.cloudStyle,
        f.groundTexture,
        f.cloudSet,
        f.appletFlag,
        QStringLiteral(":next"),
        QString(),
        QStringLiteral("call qel.bat %1 %2 %3").arg(f.cloudStyle, f.groundTexture, f.cloudSet),
        QString(),
        QStringLiteral(":end"),
        QStringLiteral("del qeltemp.bat >nul"),
    };
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + lineEnd.size();
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += ansi::encode(line, page);
        bytes += lineEnd;
    }
    return {bytes, {}};
}

Decoded decode(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < linesRead; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (lines.size() < linesRead && start < bytes.size())
        lines.append(bytes.mid(start));
    if (lines.size() < linesRead) {
        return {{},
                QCoreApplication::translate("qel::editor",
                                            "It has only %1 lines; a scenario file has %2.")
                    .arg(lines.size())
                    .arg(lineCount)};
    }
    const int page = ansi::codePage();
    QString text[linesRead];
    for (int i = 5; i < linesRead; ++i) {
        const std::optional<QString> decoded = ansi::decodeExactly(lines.at(i), page);
        if (!decoded) {
            return {{},
                    QCoreApplication::translate(
                        "qel::editor",
                        "Line %1 holds bytes that are no text in %2, which scenario files are "
                        "read in here: the file is damaged, or was written in another code "
                        "page.")
                        .arg(i + 1)
                        .arg(ansi::describeCodePage(page))};
        }
        text[i] = *decoded;
    }
    Scenario r;
    r.picture = text[5];
    r.flight = text[6];
    r.fileName = text[7];
    r.description = text[8];
    r.cloudStyle = text[9];
    r.groundTexture = text[10];
    r.cloudSet = text[11];
    r.appletFlag = text[12];
    return {r, {}};
}

} // namespace qel::scenario
