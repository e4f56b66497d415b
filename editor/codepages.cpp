#include "ansi.h"

#include <QCoreApplication>

namespace qel::ansi {

namespace {

struct Page {
    int number;
    const char* converter; // the name Qt's converters know it by
    const char* script;    // for the user: "the Cyrillic code page"
};

// Qt's converters (through ICU) map these names to Microsoft's own tables: "Shift_JIS" is
// Microsoft's code page 932 there, with its NEC and IBM extensions, "windows-949" is the Unified
// Hangul Code, and "GBK" and "Big5" hold the euro sign as 936 and 950 do. 65001 is what Windows
// calls UTF-8 as an ANSI code page.
constexpr Page pages[] = {
    {874, "windows-874", QT_TRANSLATE_NOOP("qel", "Thai")},
    {932, "Shift_JIS", QT_TRANSLATE_NOOP("qel", "Japanese")},
    {936, "GBK", QT_TRANSLATE_NOOP("qel", "Simplified Chinese")},
    {949, "windows-949", QT_TRANSLATE_NOOP("qel", "Korean")},
    {950, "Big5", QT_TRANSLATE_NOOP("qel", "Traditional Chinese")},
    {1250, "windows-1250", QT_TRANSLATE_NOOP("qel", "Central European")},
    {1251, "windows-1251", QT_TRANSLATE_NOOP("qel", "Cyrillic")},
    {1252, "windows-1252", QT_TRANSLATE_NOOP("qel", "Western European")},
    {1253, "windows-1253", QT_TRANSLATE_NOOP("qel", "Greek")},
    {1254, "windows-1254", QT_TRANSLATE_NOOP("qel", "Turkish")},
    {1255, "windows-1255", QT_TRANSLATE_NOOP("qel", "Hebrew")},
    {1256, "windows-1256", QT_TRANSLATE_NOOP("qel", "Arabic")},
    {1257, "windows-1257", QT_TRANSLATE_NOOP("qel", "Baltic")},
    {1258, "windows-1258", QT_TRANSLATE_NOOP("qel", "Vietnamese")},
    {65001, "UTF-8", QT_TRANSLATE_NOOP("qel", "Unicode")},
};

const Page* pageOf(int number)
{
    for (const Page& page : pages) {
        if (page.number == number)
            return &page;
    }
    return nullptr;
}

struct Language {
    const char* language;  // ISO 639 code of the POSIX locale name
    const char* qualifier; // its territory or "@" modifier where that decides, else empty
    int codePage;
};

// The ANSI code page that Windows gives each language (LOCALE_IDEFAULTANSICODEPAGE of its locale,
// as in Microsoft's table of locales and code pages), as Wine 8 gives it from a POSIX locale,
// for the languages whose page is not windows-1252. Where the two differ Wine's choice counts,
// since the launcher runs under Wine: it gives UTF-8 (65001) to the languages that Windows writes
// in Unicode only, and to Kazakh; it finds no Windows locale for Serbian in Cyrillic letters
// (glibc's "sr_RS", "sr_ME"), Bosnian, Azerbaijani and Uzbek in Latin letters, and Greek in
// Cyprus, and gives those windows-1252 (codepage_wine.sh compares). The first row that fits
// counts.
constexpr Language languages[] = {
    {"sr", "@latin", 1250}, {"uz", "@cyrillic", 1251}, {"zh", "TW", 950}, {"zh", "HK", 950},
    {"zh", "MO", 950},      {"zh", "", 936},           {"ja", "", 932},   {"ko", "", 949},
    {"th", "", 874},        {"cs", "", 1250},          {"hu", "", 1250},  {"pl", "", 1250},
    {"ro", "", 1250},       {"sk", "", 1250},          {"sl", "", 1250},  {"hr", "", 1250},
    {"sq", "", 1250},       {"tk", "", 1250},          {"ru", "", 1251},  {"uk", "", 1251},
    {"be", "", 1251},       {"bg", "", 1251},          {"mk", "", 1251},  {"ky", "", 1251},
    {"tt", "", 1251},       {"ba", "", 1251},          {"mn", "", 1251},  {"tg", "", 1251},
    {"sah", "", 1251},      {"el", "GR", 1253},        {"tr", "", 1254},  {"he", "", 1255},
    {"iw", "", 1255},       {"ar", "", 1256},          {"fa", "", 1256},  {"ur", "", 1256},
    {"ug", "", 1256},       {"ckb", "", 1256},         {"et", "", 1257},  {"lv", "", 1257},
    {"lt", "", 1257},       {"vi", "", 1258},          {"kk", "", 65001}, {"hi", "", 65001},
    {"bn", "", 65001},      {"pa", "", 65001},         {"gu", "", 65001}, {"or", "", 65001},
    {"ta", "", 65001},      {"te", "", 65001},         {"kn", "", 65001}, {"ml", "", 65001},
    {"as", "", 65001},      {"mr", "", 65001},         {"sa", "", 65001}, {"kok", "", 65001},
    {"ne", "", 65001},      {"si", "", 65001},         {"km", "", 65001}, {"lo", "", 65001},
    {"bo", "", 65001},      {"dv", "", 65001},         {"am", "", 65001}, {"ti", "", 65001},
    {"hy", "", 65001},      {"ka", "", 65001},         {"ps", "", 65001}, {"mt", "", 65001},
};

} // namespace

int codePageOfLocale(const QString& locale)
{
    // language[_TERRITORY][.charset][@modifier]
    const qsizetype at = locale.indexOf(QLatin1Char('@'));
    const QString modifier = at >= 0 ? locale.mid(at) : QString();
    const QString name = locale.left(at >= 0 ? at : locale.size()).section(QLatin1Char('.'), 0, 0);
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    const QString territory = name.section(QLatin1Char('_'), 1, 1);
    for (const Language& row : languages) {
        const QLatin1StringView qualifier(row.qualifier);
        if (language == QLatin1StringView(row.language) &&
            (qualifier.isEmpty() || qualifier == modifier || qualifier == territory))
            return row.codePage;
    }
    return 1252;
}

int chooseCodePage(const QVariant& setting, const QString& locale, bool localeInstalled)
{
    bool number = false;
    const int chosen = setting.toInt(&number);
    if (number && pageOf(chosen))
        return chosen;
    return localeInstalled ? codePageOfLocale(locale) : 1252;
}

const char* converterName(int codePage)
{
    const Page* page = pageOf(codePage);
    return page ? page->converter : nullptr;
}

QString describeCodePage(int codePage)
{
    const Page* page = pageOf(codePage);
    if (!page)
        return QCoreApplication::translate("qel", "code page %1").arg(codePage);
    return QCoreApplication::translate("qel", "the %1 code page, %2")
        .arg(QCoreApplication::translate("qel", page->script), QLatin1StringView(page->converter));
}

bool canEncode(QChar c, int page)
{
    return exactBytes(QString(c), page).has_value();
}

qsizetype firstUnencodable(const QString& text, int page)
{
    if (exactBytes(text, page))
        return -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!canEncode(text.at(i), page))
            return i;
    }
    return 0; // only a pair of characters together is refused
}

QByteArray encode(const QString& text, int page)
{
    return exactBytes(text, page).value_or(QByteArray());
}

} // namespace qel::ansi
