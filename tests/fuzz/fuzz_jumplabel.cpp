// A description line that the command interpreter takes as the label ":next" would make it run
// the scenario's data lines as commands. The writer must refuse every such line; the reference
// here is written from the interpreter's rules, independently of the program's check.
#include "ansi.h"
#include "fuzzcheck.h"
#include "scenariofile.h"

#include <cstddef>
#include <cstdint>

namespace {

// The bytes the interpreter skips before a label and that end a label's name: its token
// delimiters (blank, tab, comma, semicolon, equals sign, vertical tab, form feed, 0xFF), plus the
// no-break space and the command-line "@", which some versions skip as well.
bool isDelimiter(unsigned char b)
{
    switch (b) {
    case ' ':
    case '\t':
    case ',':
    case ';':
    case '=':
    case 0x0b:
    case 0x0c:
    case 0xff:
    case 0xa0:
    case '@':
        return true;
    default:
        return false;
    }
}

// The characters that may continue a label's name: anything else ends it.
bool continuesName(unsigned char b)
{
    if (isDelimiter(b))
        return false;
    if (b >= 0x80)
        return true; // letters of the code page, as far as the interpreter is concerned
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

bool interpreterSeesNext(const QByteArray& line)
{
    qsizetype i = 0;
    while (i < line.size() && isDelimiter(uchar(line[i])))
        ++i;
    if (i == line.size() || line[i] != ':')
        return false;
    ++i;
    while (i < line.size() && isDelimiter(uchar(line[i])))
        ++i;
    if (line.mid(i, 4).toLower() != "next")
        return false;
    i += 4;
    return i == line.size() || !continuesName(uchar(line[i]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray line(reinterpret_cast<const char*>(data), qsizetype(size));
    if (line.contains('\r') || line.contains('\n'))
        return 0; // no field holds a line break (the writer refuses them)
    const QString description = qel::ansi::decode(line);
    if (!interpreterSeesNext(line))
        return 0;
    FUZZ_CHECK(qel::scenario::isJumpLabel(description),
               QStringLiteral("\"%1\" was not recognised as the label").arg(description));
    qel::Scenario f;
    f.description = description;
    f.fileName = QStringLiteral("a.qel");
    f.appletFlag = QStringLiteral(" ");
    f.picture = QStringLiteral(" ");
    f.flight = QStringLiteral("a.stn");
    FUZZ_CHECK(!qel::scenario::encode(f).error.isEmpty(),
               QStringLiteral("\"%1\" was written").arg(description));
    return 0;
}
