#pragma once

// The Windows clipboard as another program leaves a picture there: a device-independent bitmap
// (CF_DIB) in memory of exactly its size. False where there is none, or it took nothing.

#include <QByteArray>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstring>
#endif

inline bool putDibOnClipboard(const QByteArray& bytes)
{
#ifdef Q_OS_WIN
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(bytes.size()));
    if (!memory || !OpenClipboard(nullptr))
        return false;
    std::memcpy(GlobalLock(memory), bytes.constData(), size_t(bytes.size()));
    GlobalUnlock(memory);
    EmptyClipboard();
    const bool put = SetClipboardData(CF_DIB, memory) != nullptr;
    CloseClipboard();
    return put;
#else
    Q_UNUSED(bytes)
    return false;
#endif
}
