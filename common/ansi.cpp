#include "ansi.h"

#include <array>

namespace qel::ansi {

namespace {

// Characters of the bytes 0x80 to 0x9F; the unassigned ones keep their own value.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(highControls.size()); ++i) {
        if (highControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (char b : bytes) {
        const auto v = static_cast<unsigned char>(b);
        *out++ = (v >= 0x80 && v < 0xA0) ? QChar(highControls[v - 0x80]) : QChar(v);
    }
    return text;
}

bool canEncode(QChar c)
{
    return byteOf(c) >= 0;
}

qsizetype firstUnencodable(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!canEncode(text.at(i)))
            return i;
    }
    return -1;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar c : text) {
        const int b = byteOf(c);
        *out++ = b >= 0 ? char(b) : '?';
    }
    return bytes;
}

int codePage()
{
    return 1252;
}

} // namespace qel::ansi
