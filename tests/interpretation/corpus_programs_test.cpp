// Real programs written by others: each finishes, or stops at the first word
// this interpreter cannot read as a number, never anything else.

#include "program_stats.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = fs::path(TARNIX_CORPUS) / "gcode";

ProgramRun runCorpusProgram(const std::string& relative, InterpreterContext& context)
{
    return runProgramFile((kCorpus / relative).string(), context);
}

}  // namespace

TEST(CorpusPrograms, EveryProgramFinishesOrStopsAtAConversionError)
{
    if (!fs::exists(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    int programs = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus)) {
        if (!entry.is_regular_file())
            continue;
        ++programs;
        InterpreterContext context;
        ProgramRun run = runProgramFile(entry.path().string(), context);
        if (!run.error.empty()) {
            bool conversion = run.error.ends_with("is not a valid floating point value") ||
                              run.error.ends_with("is not a valid integer value");
            EXPECT_TRUE(conversion) << entry.path() << ": " << run.error;
        }
        EXPECT_GT(run.lines, 0) << entry.path();
    }
    EXPECT_GE(programs, 18);
}

TEST(CorpusPrograms, BoltHoleCircleTotalsByHand)
{
    if (!fs::exists(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    InterpreterContext context;
    ProgramRun run = runCorpusProgram("linuxcnc/hole-circle.ngc", context);
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.lines, 12);
    // G0 X1.5 Y0 Z0 at the rapid rate (the G20 line before it ended the first
    // move), then the cycle line read as an incremental Z-.5 at F10; "^60" is
    // a word of the blank.
    EXPECT_EQ(context.FPathPoints->Count(), 2);
    EXPECT_DOUBLE_EQ(context.totals.FLength, 2.0);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 60 * 1.5 / 3000 + 60 * 0.5 / 10);
    EXPECT_EQ(context.infoBox.gInfoMinZG0, -0.5);
    EXPECT_EQ(context.infoBox.gInfoMaxF, 10);
}

TEST(CorpusPrograms, LowerCaseProgramHasNoWords)
{
    if (!fs::exists(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    InterpreterContext context;
    ProgramRun run = runCorpusProgram("linuxcnc/g18-g98-g81.ngc", context);
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.lines, 44);
    EXPECT_EQ(context.FPathPoints->Count(), 0);
    EXPECT_EQ(context.totals.FTime, 0);
    EXPECT_EQ(context.state.gPlane, 17);
}
