// Writes the program's version block as the bytes of a C array, for the
// executable to carry in its version section:
//   version_block_tool 0.1.0 out.inc
// The one string table is US English in the Windows Latin-1 code page.

#include "editor/version_info.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: version_block_tool VERSION OUTPUT\n");
        return 2;
    }
    using namespace tarnix;
    const std::string version = argv[1];
    const std::string block = buildVersionInfo(
        {{"040904E4", {{"CompanyName", ""},
                       {"FileDescription", "Tarnix"},
                       {"FileVersion", version},
                       {"ProductName", "Tarnix"},
                       {"ProductVersion", version}}}},
        {{0x0409, 0x04E4}});
    std::ofstream out(argv[2]);
    for (unsigned char byte : block)
        out << static_cast<unsigned>(byte) << ",\n";
    return out ? 0 : 1;
}
