// path_stats: runs a part program through the interpreter and prints its
// totals. Usage: path_stats [--points] [name=value ...] program-file

#include "program_stats.h"

#include "common/errors.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    bool withPoints = false;
    tarnix::InterpreterContext context;
    std::string path;
    try {
        for (int i = 1; i < argc; ++i) {
            std::string argument = argv[i];
            if (argument == "--points")
                withPoints = true;
            else if (argument.find('=') != std::string::npos)
                tarnix::applySetting(context.settings, argument);
            else
                path = argument;
        }
        if (path.empty()) {
            std::cerr << "usage: path_stats [--points] [name=value ...] program-file\n";
            return 2;
        }
        tarnix::ProgramRun run = tarnix::runProgramFile(path, context);
        std::cout << tarnix::describeRun(run, context, withPoints);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
