// Scenario files come from other users: any bytes either give the fields or a clear error, and
// whatever the reader accepts, the writer either refuses (the script's label, a control character)
// or writes back as the fixed 19-line script that reads back to the same fields, byte for byte.
#include "ansi.h"
#include "fuzzcheck.h"
#include "scenariofile.h"

#include <QByteArrayList>

#include <cstddef>
#include <cstdint>

namespace {

// The lines of `bytes` as an independent reading of the layout: CR LF, a lone LF or a lone CR
// ends a line, and a last line without an end still counts.
QByteArrayList referenceLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    QByteArrayList lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool anyFieldIsLabel(const qel::Scenario& f)
{
    for (const QString* text : {&f.description, &f.fileName, &f.appletFlag, &f.picture, &f.flight,
                                &f.cloudStyle, &f.groundTexture, &f.cloudSet}) {
        if (qel::scenario::isJumpLabel(*text))
            return true;
    }
    return false;
}

// Characters that break a batch script line: every control character but tab.
bool anyFieldHasControl(const qel::Scenario& f)
{
    for (const QString* text : {&f.description, &f.fileName, &f.appletFlag, &f.picture, &f.flight,
                                &f.cloudStyle, &f.groundTexture, &f.cloudSet}) {
        for (QChar c : *text) {
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
                return true;
        }
    }
    return false;
}

void checkLayout(const QByteArray& written, const qel::Scenario& f)
{
    FUZZ_CHECK(written.endsWith("\r\n"), QStringLiteral("the file does not end with CR LF"));
    QByteArrayList lines = written.split('\n');
    lines.removeLast(); // after the last LF
    FUZZ_CHECK(lines.size() == qel::scenario::lineCount,
               QStringLiteral("%1 lines written").arg(lines.size()));
    for (QByteArray& line : lines) {
        FUZZ_CHECK(line.endsWith('\r'), QStringLiteral("a line without CR LF"));
        line.chop(1);
        FUZZ_CHECK(!line.contains('\r'), QStringLiteral("a lone CR inside a line"));
    }
    const int page = qel::ansi::codePage();
    auto bytesOf = [page](const QString& text) { return qel::ansi::encode(text, page); };
    FUZZ_CHECK(lines[0] == "@echo off", QStringLiteral("line 1"));
    FUZZ_CHECK(lines[1] == "goto next", QStringLiteral("line 2"));
    FUZZ_CHECK(lines[2] == bytesOf(f.description) && lines[8] == lines[2],
               QStringLiteral("description lines"));
    FUZZ_CHECK(lines[3] == bytesOf(f.fileName) && lines[7] == lines[3],
               QStringLiteral("file name lines"));
    FUZZ_CHECK(lines[4] == bytesOf(f.appletFlag) && lines[12] == lines[4],
               QStringLiteral("applet flag lines"));
    FUZZ_CHECK(lines[5] == bytesOf(f.picture), QStringLiteral("picture line"));
    FUZZ_CHECK(lines[6] == bytesOf(f.flight), QStringLiteral("flight line"));
    FUZZ_CHECK(lines[9] == bytesOf(f.cloudStyle), QStringLiteral("cloud style line"));
    FUZZ_CHECK(lines[10] == bytesOf(f.groundTexture), QStringLiteral("ground texture line"));
    FUZZ_CHECK(lines[11] == bytesOf(f.cloudSet), QStringLiteral("cloud set line"));
    FUZZ_CHECK(lines[13] == ":next", QStringLiteral("line 14"));
    FUZZ_CHECK(lines[14].isEmpty(), QStringLiteral("line 15"));
    FUZZ_CHECK(lines[15] == "call qel.bat " + lines[9] + ' ' + lines[10] + ' ' + lines[11],
               QStringLiteral("launcher line"));
    FUZZ_CHECK(lines[16].isEmpty(), QStringLiteral("line 17"));
    FUZZ_CHECK(lines[17] == ":end", QStringLiteral("line 18"));
    FUZZ_CHECK(lines[18] == "del qeltemp.bat >nul", QStringLiteral("line 19"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qel::scenario::Decoded decoded = qel::scenario::decode(bytes);
    const QByteArrayList lines = referenceLines(bytes);
    if (lines.size() < qel::scenario::linesRead) {
        FUZZ_CHECK(!decoded.error.isEmpty(),
                   QStringLiteral("a file of %1 lines was accepted").arg(lines.size()));
        return 0;
    }
    FUZZ_CHECK(decoded.error.isEmpty(), QStringLiteral("refused: %1").arg(decoded.error));

    const qel::Scenario& r = decoded.scenario;
    const QString expected[] = {r.picture,    r.flight,        r.fileName, r.description,
                                r.cloudStyle, r.groundTexture, r.cloudSet, r.appletFlag};
    const int page = qel::ansi::codePage();
    for (int i = 0; i < 8; ++i) {
        FUZZ_CHECK(qel::ansi::encode(expected[i], page) == lines[5 + i],
                   QStringLiteral("line %1 read as \"%2\"").arg(6 + i).arg(expected[i]));
    }

    // The editor saves what it read: the later copies of the doubled fields.
    const qel::Scenario& f = r;
    const qel::scenario::Encoded encoded = qel::scenario::encode(f);
    if (!encoded.error.isEmpty()) {
        // A read line can hold only two things that the writer refuses.
        FUZZ_CHECK(anyFieldIsLabel(f) || anyFieldHasControl(f),
                   QStringLiteral("write refused: %1").arg(encoded.error));
        return 0;
    }
    FUZZ_CHECK(!anyFieldHasControl(f), QStringLiteral("a control character was written"));
    checkLayout(encoded.bytes, f);

    const qel::scenario::Decoded again = qel::scenario::decode(encoded.bytes);
    FUZZ_CHECK(again.error.isEmpty(), QStringLiteral("own file refused: %1").arg(again.error));
    const qel::Scenario& b = again.scenario;
    FUZZ_CHECK(b.picture == r.picture && b.flight == r.flight && b.fileName == r.fileName &&
                   b.description == r.description && b.cloudStyle == r.cloudStyle &&
                   b.groundTexture == r.groundTexture && b.cloudSet == r.cloudSet &&
                   b.appletFlag == r.appletFlag,
               QStringLiteral("fields changed on the way through a save"));
    return 0;
}
