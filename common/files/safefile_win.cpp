#include "longpath_win.h"
#include "safefile_p.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <windows.h>

namespace qel::files {

namespace {

QString lastError()
{
    const DWORD code = GetLastError();
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = text ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    return reason.isEmpty() ? QStringLiteral("Error %1.").arg(code) : reason;
}

bool flushToDisk(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed;
}

// Windows will not replace a file that another program holds open, and says "Access denied" for
// it, which sends the user to look at permissions; an open that shares nothing tells the case.
bool heldByAnotherProgram(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

QString inUse()
{
    return QCoreApplication::translate(
        "qel", "The file is in use by another program, which keeps it from being replaced. Close "
               "that program (or the file in it), then save again.");
}

} // namespace

// Windows keeps links rare (making one takes the administrator or developer mode); they are
// followed as Qt follows them.
std::optional<QString> linkedFile(const QString& path)
{
    // As deep as the system itself follows links before it gives up.
    constexpr int deepest = 63;
    QFileInfo file(path);
    for (int depth = 0; depth < deepest && file.isSymbolicLink(); ++depth)
        file.setFile(file.symLinkTarget());
    if (file.isSymbolicLink())
        return std::nullopt;
    return file.filePath();
}

// Who may replace a file is told by its access list, which the write itself reads.
std::optional<QString> ownerWhoAloneReplaces(const QFileInfo&)
{
    return std::nullopt;
}

// Qt writes through the Win32 calls, which leave errno alone; a full disk gives its reason there.
bool refusedForSpace(int)
{
    return false;
}

// Always through a named temporary file: it is short, whatever the length of the target's name,
// and moveOver() keeps the replaced file's hidden attribute.
QString replaceWith(const QFileInfo& target, const std::function<bool(QIODevice&)>& write)
{
    return replaceThroughTemporaryFile(target.filePath(), write);
}

// A file made by this user in the same folder gets the folder's access list, as the old one did
// unless someone changed it by hand; the hidden attribute is kept by moveOver().
QString keepIdentity(QFileDevice&, const QString&)
{
    return {};
}

QString moveOver(const QString& from, const QString& to)
{
    const std::wstring source = win::longPath(from);
    const std::wstring target = win::longPath(to);
    if (!flushToDisk(source))
        return lastError();
    // The new file takes the old one's place whole, hidden as it was.
    const DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_HIDDEN) &&
        !SetFileAttributesW(source.c_str(),
                            GetFileAttributesW(source.c_str()) | FILE_ATTRIBUTE_HIDDEN))
        return lastError();
    if (!MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const QString reason = lastError();
        return heldByAnotherProgram(target) ? inUse() : reason;
    }
    return {};
}

// Windows marks folders read-only for reasons of its own (a folder with a custom icon) and
// writes into them all the same; where it refuses, the save says why.
bool folderIsWritable(const QString&)
{
    return true;
}

} // namespace qel::files
