// A stand-in for Windows' "Print Screen": puts a 3 x 2 screen capture on the clipboard as a
// device-independent bitmap (CF_DIB), or with the argument "bitmap" as a device-dependent one
// (CF_BITMAP) from which the system makes a 32-bit CF_DIB, and ends, as the key's handler does,
// leaving the picture with the system. The pixels are those of capture-3x2.png: red, green, blue
// over white, (16, 32, 48), black. With "short" (a header claiming a third row) or "flat" (a
// height of 0) the bitmap is damaged, and the stand-in stays until it is ended: Wine, unlike
// Windows, forgets a picture whose owner has ended, and would offer no damaged one to read.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// 32 bits a pixel, rows top-down, blue, green, red and a fourth byte that a screen leaves 0.
HBITMAP deviceBitmap()
{
    static const unsigned char rows[] = {0,    0,    0xff, 0, 0,    0xff, 0,    0, 0xff, 0, 0, 0, //
                                         0xff, 0xff, 0xff, 0, 0x30, 0x20, 0x10, 0, 0,    0, 0, 0};
    return CreateBitmap(3, 2, 1, 32, rows);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "bitmap") {
        HBITMAP bitmap = deviceBitmap();
        if (!bitmap || !OpenClipboard(nullptr))
            return 1;
        EmptyClipboard();
        const bool put = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
        CloseClipboard();
        return put ? 0 : 1;
    }
    // BITMAPINFOHEADER: its size (40), 3 x 2 pixels, 1 plane, 24 bits, uncompressed, 24 bytes of
    // pixels, no resolution or colour table; then the rows bottom-up, each pixel blue, green,
    // red, each row padded to 4 bytes.
    static const unsigned char dib[] = {40,   0,    0,    0,    3,    0,    0,    0, 2,  0, 0, 0,
                                        1,    0,    24,   0,    0,    0,    0,    0, 24, 0, 0, 0, //
                                        0,    0,    0,    0,    0,    0,    0,    0, 0,  0, 0, 0,
                                        0,    0,    0,    0,                                      //
                                        0xff, 0xff, 0xff, 0x30, 0x20, 0x10, 0,    0, 0,  0, 0, 0, //
                                        0,    0,    0xff, 0,    0xff, 0,    0xff, 0, 0,  0, 0, 0};
    const std::string damage = argc > 1 ? argv[1] : "";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof dib);
    if (!memory)
        return 1;
    auto* bytes = static_cast<unsigned char*>(GlobalLock(memory));
    std::memcpy(bytes, dib, sizeof dib);
    if (damage == "short" || damage == "flat")
        bytes[8] = damage == "short" ? 3 : 0;
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr))
        return 1;
    EmptyClipboard();
    const bool put = SetClipboardData(CF_DIB, memory) != nullptr;
    CloseClipboard();
    if (put && !damage.empty()) {
        std::puts("on the clipboard");
        std::fflush(stdout);
        Sleep(INFINITE);
    }
    return put ? 0 : 1;
}
