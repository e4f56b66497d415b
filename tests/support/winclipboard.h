#pragma once

// The Windows clipboard as another program leaves a picture there: a device-independent bitmap
// (CF_DIB) in memory of exactly its size.

#include <QByteArray>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstring>
#endif

// False where there is no such clipboard or it would not take the bytes.
inline bool putDibOnClipboard(const QByteArray& bytes)
{
#ifdef Q_OS_WIN
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(bytes.size()));
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), bytes.constData(), size_t(bytes.size()));
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_DIB, memory) != nullptr;
    CloseClipboard();
    if (!put)
        GlobalFree(memory);
    return put;
#else
    Q_UNUSED(bytes)
    return false;
#endif
}
