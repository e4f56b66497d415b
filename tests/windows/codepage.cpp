// Prints the ANSI code page that Wine gives a Windows program started in the current locale, as
// the add-on's launcher would be started from the editor.
#include <windows.h>

#include <cstdio>

int main()
{
    std::printf("%u\n", GetACP());
    return 0;
}
