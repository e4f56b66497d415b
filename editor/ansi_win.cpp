#include "ansi.h"

#include <optional>

#include <windows.h>

namespace qel::ansi {

namespace {

const wchar_t* wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

} // namespace

// The bytes of `text` in the code page `page` (the system's own), or nothing when a character has
// no byte sequence of its own there. Windows would otherwise write a look-alike or "?" in its
// place, and the launcher would run a scenario with a different text than the one saved.
std::optional<QByteArray> exactBytes(const QString& text, int page)
{
    if (text.isEmpty())
        return QByteArray();
    // A system set to UTF-8 (a Windows 10 option) holds every character but a lone surrogate;
    // Windows refuses the check for substitutes with that code page.
    if (page == CP_UTF8) {
        if (!text.isValidUtf16())
            return std::nullopt;
        return text.toUtf8();
    }
    const int length = int(text.size());
    BOOL substituted = FALSE;
    const int size = WideCharToMultiByte(UINT(page), WC_NO_BEST_FIT_CHARS, wide(text), length,
                                         nullptr, 0, nullptr, &substituted);
    if (size <= 0 || substituted)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(UINT(page), WC_NO_BEST_FIT_CHARS, wide(text), length, bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

QString decode(const QByteArray& bytes, int page)
{
    if (bytes.isEmpty())
        return {};
    const int length = int(bytes.size());
    const int size = MultiByteToWideChar(UINT(page), 0, bytes.constData(), length, nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(UINT(page), 0, bytes.constData(), length,
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

// The system's converter reports a two-byte character cut off only when asked to; otherwise it
// puts a look-alike in its place. A single-byte code page has nothing to cut off, and every byte
// is read as it always was (the unassigned ones too, which the flag might refuse).
std::optional<QString> decodeExactly(const QByteArray& bytes, int page)
{
    if (bytes.isEmpty())
        return QString();
    CPINFO info{};
    const DWORD flags =
        GetCPInfo(UINT(page), &info) && info.MaxCharSize > 1 ? MB_ERR_INVALID_CHARS : 0;
    const int length = int(bytes.size());
    const int size = MultiByteToWideChar(UINT(page), flags, bytes.constData(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(UINT(page), flags, bytes.constData(), length,
                        reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

int codePage()
{
    return int(GetACP());
}

} // namespace qel::ansi
