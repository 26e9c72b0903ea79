// Whole programs compared with their expected description, byte for byte.
// Set TARNIX_UPDATE_GOLDEN=1 to rewrite the expected files after a reviewed change.

#include "program_stats.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<fs::path> goldenPrograms()
{
    std::vector<fs::path> programs;
    for (const auto& entry : fs::directory_iterator(TARNIX_GOLDEN_DIR))
        if (entry.path().extension() == ".nc" || entry.path().extension() == ".rol")
            programs.push_back(entry.path());
    std::sort(programs.begin(), programs.end());
    return programs;
}

}  // namespace

class GoldenProgram : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenProgram, MatchesItsExpectedDescription)
{
    const fs::path program = GetParam();
    InterpreterContext context;
    fs::path settings = fs::path(program).replace_extension(".settings");
    if (fs::exists(settings)) {
        std::istringstream lines(readText(settings));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty())
                applySetting(context.settings, line);
    }
    ProgramRun run = runProgramFile(program.string(), context);
    std::string actual = describeRun(run, context, true);

    fs::path expectedPath = fs::path(program).replace_extension(".expected");
    if (std::getenv("TARNIX_UPDATE_GOLDEN") != nullptr)
        std::ofstream(expectedPath, std::ios::binary) << actual;
    ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath;
    EXPECT_EQ(actual, readText(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(Programs, GoldenProgram, ::testing::ValuesIn(goldenPrograms()),
                         [](const auto& info) { return info.param.stem().string(); });
