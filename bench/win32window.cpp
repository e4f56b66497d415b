// For information beside the Windows programs' start-up: a plain Win32 window of a given size,
// without Qt, that quits as soon as it has been painted, as the programs do with
// QEL_QUIT_WHEN_IDLE=1. What it takes under Wine is Wine's own share of any window's start.
//
//   qel-bench-win32 WIDTH HEIGHT
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK onMessage(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace

int main(int argc, char* argv[])
{
    const int width = argc > 2 ? std::atoi(argv[1]) : 560;
    const int height = argc > 2 ? std::atoi(argv[2]) : 351;
    WNDCLASSW type{};
    type.lpfnWndProc = onMessage;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"qel-bench-win32";
    RegisterClassW(&type);
    HWND window =
        CreateWindowW(type.lpszClassName, L"minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, width, height, nullptr, nullptr, type.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
