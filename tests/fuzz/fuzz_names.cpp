// A typed or stored name becomes a path under a known folder: whatever the check accepts must be
// one plain file name there, on Windows as well as here.
#include "fuzzcheck.h"
#include "names.h"

#include <QDir>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>

namespace {

// Names Windows opens as a device, with or without an extension, whatever the letter case, also
// with blanks between the device name and the extension ("nul .txt").
bool referenceIsDevice(const QString& name)
{
    QString base = name.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    base = base.toUpper();
    static const QStringList fixed = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (fixed.contains(base))
        return true;
    if (base.size() != 4 ||
        !(base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))))
        return false;
    const char16_t digit = base.at(3).unicode();
    return (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

// Why `name` is not one plain file name in the current folder, or "" when it is.
QString referenceProblem(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("a folder");
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f)
            return QStringLiteral("a control character");
        if (QStringView(u"/\\:*?\"<>|").contains(c))
            return QStringLiteral("the character %1").arg(c);
    }
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("a name Windows shortens");
    if (referenceIsDevice(name))
        return QStringLiteral("a device");
    // Whatever Qt makes of it as a path must be that same single entry of the folder.
    const QFileInfo info(QDir(QStringLiteral("/folder")), name);
    if (info.fileName() != name || info.path() != QLatin1String("/folder"))
        return QStringLiteral("not a single entry of the folder");
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest becomes text: typed text arrives as UTF-16, names read
    // from scenario files as single bytes.
    const auto* rest = reinterpret_cast<const char*>(data + 1);
    const auto restSize = qsizetype(size - 1);
    QString name;
    switch (data[0] % 3) {
    case 0:
        name = QString::fromUtf8(rest, restSize);
        break;
    case 1:
        name = QString::fromLatin1(rest, restSize);
        break;
    default:
        name = QString(reinterpret_cast<const QChar*>(rest), restSize / 2);
        break;
    }
    const QString problem = qel::names::bareNameProblem(name);
    if (!problem.isEmpty())
        return 0;
    const QString reference = referenceProblem(name);
    FUZZ_CHECK(reference.isEmpty(), QStringLiteral("accepted \"%1\" (%2)").arg(name, reference));
    FUZZ_CHECK(qel::names::isBareName(name), QStringLiteral("isBareName disagrees"));
    return 0;
}
