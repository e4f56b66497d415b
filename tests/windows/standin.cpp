// A stand-in for the photo tool or the launcher in the Windows build of tst_launch. A copy named
// like the real program reads "<its own file>.who": who it is, then the marker file, where it
// records who it is, its argument count, its working folder and its arguments, one a line, as
// the shell-script stand-ins do elsewhere.
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    std::ifstream about(std::string(argv[0]) + ".who");
    std::string who;
    std::string marker;
    if (!std::getline(about, who) || !std::getline(about, marker))
        return 1;
    std::ofstream out(marker, std::ios::binary);
    out << who << '\n' << argc - 1 << '\n' << std::filesystem::current_path().string() << '\n';
    for (int i = 1; i < argc; ++i)
        out << argv[i] << '\n';
    return out ? 0 : 1;
}
