#include "ansi.h"

#include "simulatorfolder.h"

#include <QSettings>
#include <QStringDecoder>
#include <QStringEncoder>

#include <locale.h>

#include <optional>

namespace qel::ansi {

namespace {

// The locale that governs LC_CTYPE, the category Wine takes the code page from.
QString ctypeLocale()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QString::fromLocal8Bit(value);
    }
    return QStringLiteral("C");
}

bool isInstalled(const QString& locale)
{
    locale_t handle = newlocale(LC_CTYPE_MASK, locale.toLocal8Bit().constData(), locale_t(0));
    if (handle == locale_t(0))
        return false;
    freelocale(handle);
    return true;
}

// A byte order mark at a line's start is a character of its own (UTF-8), kept like any other.
constexpr auto flags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

} // namespace

// A Qt without ICU knows none of these code pages: nothing is written then, rather than empty
// lines.
std::optional<QByteArray> exactBytes(const QString& text, int page)
{
    QStringEncoder encoder(converterName(page), flags);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

int codePage()
{
    const QString locale = ctypeLocale();
    // A locale of windows-1252 gives 1252 whether it is installed or not: only the others are
    // looked up (C.UTF-8, read from the disk each time, would take some 40 µs).
    const bool installed = codePageOfLocale(locale) == 1252 || isInstalled(locale);
    return chooseCodePage(simulator::settings()->value(codePageKey), locale, installed);
}

QString decode(const QByteArray& bytes, int page)
{
    QStringDecoder decoder(converterName(page), flags);
    return decoder.decode(bytes);
}

std::optional<QString> decodeExactly(const QByteArray& bytes, int page)
{
    QStringDecoder decoder(converterName(page), flags);
    QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace qel::ansi
