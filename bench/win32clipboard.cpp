// For the AutoSave figure of the Windows section, without Qt:
//
//   qel-bench-clipboard put WIDTH HEIGHT
//       puts a screen capture of that size on the clipboard as "Print Screen" leaves it, a 32-bit
//       device-independent bitmap (CF_DIB), says "ready" and stays until it is ended: Wine, unlike
//       Windows, forgets a picture whose owner has ended.
//   qel-bench-clipboard save FILE
//       the floor: what any program must do to save that picture as a bitmap file. Reads the
//       CF_DIB, writes it after a bitmap file header into a new file beside FILE, flushes it to
//       the disk and puts it in FILE's place.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int put(int width, int height)
{
    const SIZE_T pixels = SIZE_T(width) * SIZE_T(height) * 4;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + pixels);
    if (!memory)
        return 1;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof *header;
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 32;
    header->biCompression = BI_RGB;
    header->biSizeImage = DWORD(pixels);
    // A gradient, so that no stage can take a shortcut over a plain colour.
    auto* p = reinterpret_cast<unsigned char*>(header + 1);
    for (SIZE_T i = 0; i < pixels; ++i)
        p[i] = (i & 3) == 3 ? 0 : static_cast<unsigned char>(i / 4 % 251);
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr))
        return 1;
    EmptyClipboard();
    const bool done = SetClipboardData(CF_DIB, memory) != nullptr;
    CloseClipboard();
    if (!done)
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}

int save(const char* file)
{
    if (!OpenClipboard(nullptr))
        return 1;
    HANDLE handle = GetClipboardData(CF_DIB);
    const void* dib = handle ? GlobalLock(handle) : nullptr;
    if (!dib) {
        CloseClipboard();
        return 1;
    }
    const DWORD size = DWORD(GlobalSize(handle));
    const auto* info = static_cast<const BITMAPINFOHEADER*>(dib);
    BITMAPFILEHEADER head{};
    head.bfType = 0x4d42; // "BM"
    head.bfSize = DWORD(sizeof head) + size;
    head.bfOffBits = DWORD(sizeof head) + info->biSize;
    const std::string temporary = std::string(file) + ".tmp";
    HANDLE out = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = out != INVALID_HANDLE_VALUE &&
              WriteFile(out, &head, sizeof head, &written, nullptr) &&
              WriteFile(out, dib, size, &written, nullptr) && FlushFileBuffers(out);
    GlobalUnlock(handle);
    CloseClipboard();
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    ok = ok && MoveFileExA(temporary.c_str(), file, MOVEFILE_REPLACE_EXISTING);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "put") == 0)
        return put(std::atoi(argv[2]), std::atoi(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], "save") == 0)
        return save(argv[2]);
    std::fputs("usage: qel-bench-clipboard put WIDTH HEIGHT | save FILE\n", stderr);
    return 2;
}
