// write_program: writes a generated benchmark program to a file.
// Usage: write_program mixed|arc-heavy LINES FILE

#include "generated_programs.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "mixed" && kind != "arc-heavy") {
        std::cerr << "usage: write_program mixed|arc-heavy LINES FILE\n";
        return 2;
    }
    const int lineCount = std::stoi(argv[2]);
    const auto lines = kind == "mixed" ? tarnix::bench::generateMixedProgram(lineCount)
                                       : tarnix::bench::generateArcHeavyProgram(lineCount);
    std::ofstream file(argv[3], std::ios::binary);
    for (const std::string& line : lines)
        file << line << "\n";
    return file ? 0 : 1;
}
