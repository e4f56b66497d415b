// The code page the Linux build chooses for scenario files in the current locale, for
// codepage_wine.sh to compare with the one Wine gives a Windows program.
#include "ansi.h"

#include <cstdio>

int main()
{
    std::printf("%d\n", qel::ansi::codePage());
    return 0;
}
