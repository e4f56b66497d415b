// What Explorer and the Start menu read from the programs and the setup's shortcuts, asked
// through the same Win32 calls, for the setup and resource tests under Wine:
//   setup_probe version EXE         its version strings, icon sizes and application manifest
//   setup_probe shortcut FOLDER NAME  target and "Start in" of NAME.lnk in the common Start
//                                       menu ("programs") or desktop ("desktop"), or "missing"
//   setup_probe message TITLE         the text of the message box whose title begins with TITLE
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

static int version(const wchar_t* exe)
{
    std::vector<char> info(GetFileVersionInfoSizeW(exe, nullptr));
    if (info.empty() || !GetFileVersionInfoW(exe, 0, DWORD(info.size()), info.data()))
        return 1;
    for (const wchar_t* key : {L"ProductName", L"FileDescription", L"FileVersion",
                               L"ProductVersion", L"CompanyName", L"LegalCopyright", L"License"}) {
        wchar_t* value = nullptr;
        UINT length = 0;
        std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length);
        wprintf(L"%ls: %ls\n", key, length ? value : L"(none)");
    }
    HICON large = nullptr, small = nullptr;
    UINT icons = ExtractIconExW(exe, -1, nullptr, nullptr, 0);
    ExtractIconExW(exe, 0, &large, &small, 1);
    wprintf(L"Icons: %u, large and small: %ls\n", icons, large && small ? L"yes" : L"no");
    HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    // The icon group: a header of three words, then one 14-byte entry per size.
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    auto* bytes =
        group ? static_cast<const BYTE*>(LockResource(LoadResource(module, group))) : nullptr;
    wprintf(L"Icon sizes:");
    for (int i = 0; bytes && i < bytes[4]; ++i)
        wprintf(L" %d", bytes[6 + 14 * i] ? bytes[6 + 14 * i] : 256);
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (manifest)
        printf("\n%.*s\n", int(SizeofResource(module, manifest)),
               static_cast<const char*>(LockResource(LoadResource(module, manifest))));
    return 0;
}

static int shortcut(const wchar_t* folder, const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    int id =
        std::wstring(folder) == L"desktop" ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_COMMON_PROGRAMS;
    SHGetFolderPathW(nullptr, id, nullptr, 0, path);
    std::wstring file = std::wstring(path) + L"\\" + name + L".lnk";
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    wchar_t target[MAX_PATH] = L"", start[MAX_PATH] = L"";
    if (CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                         reinterpret_cast<void**>(&link)) != S_OK ||
        link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)) != S_OK)
        return 1;
    if (persist->Load(file.c_str(), STGM_READ) != S_OK) {
        wprintf(L"missing\n");
        return 0;
    }
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetWorkingDirectory(start, MAX_PATH);
    wprintf(L"%ls\n%ls\n", target, start);
    return 0;
}

// A message box of another program: its text (the static control 0xFFFF of a dialog) is asked
// for with WM_GETTEXT, which Windows passes between processes (GetWindowText does not, for another
// program's controls). The setup's own window is a dialog of the same title.
static BOOL CALLBACK printMessage(HWND window, LPARAM title)
{
    wchar_t text[2048] = L"";
    HWND message = GetDlgItem(window, 0xFFFF);
    if (message && GetWindowTextW(window, text, 2048) &&
        std::wstring(text).starts_with(reinterpret_cast<const wchar_t*>(title))) {
        SendMessageW(message, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
        wprintf(L"%ls\n", text);
    }
    return TRUE;
}

static int message(const wchar_t* title)
{
    EnumWindows(printMessage, reinterpret_cast<LPARAM>(title));
    return 0;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && std::wstring(argv[1]) == L"version")
        return version(argv[2]);
    if (argc == 4 && std::wstring(argv[1]) == L"shortcut")
        return shortcut(argv[2], argv[3]);
    if (argc == 3 && std::wstring(argv[1]) == L"message")
        return message(argv[2]);
    return 2;
}
