// Joining programs: the line rules, the tool question and the output that
// is replaced only by a complete merge.

#include "transform/merge_programs.h"

#include "common/errors.h"
#include "support/scratch_folder.h"
#include "transform/merge_fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarnix {
namespace {

using testing::readFile;
namespace fs = std::filesystem;

struct MergeRig {
    testing::ScratchFolder scratch;
    testing::RecordingProgress progress;
    testing::QuietPump pump;
    std::vector<std::string> questions;
    bool answerYes = false;
    FileMerge merge{progress, pump, [this](const std::string& question) {
                        questions.push_back(question);
                        return answerYes;
                    }};
    ProgramLocation location;

    MergeRig() { location.FCurrentFolder = scratch.path().string() + "/"; }

    MergeOutcome run(const std::vector<std::string>& entries)
    {
        return mergePrograms(merge, progress, location, entries, output());
    }
    std::string output() const { return scratch.file("merged.nc").string(); }
    // No file but the inputs: a given-up merge leaves no partial output.
    std::vector<std::string> files() const { return scratch.fileNames(); }
};

class LineRules : public ::testing::TestWithParam<std::string> {};

TEST_P(LineRules, MergedProgramMatchesTheExpectedBytes)
{
    const fs::path data = fs::path(TARNIX_TRANSFORM_DATA) / GetParam();
    MergeRig rig;
    rig.location.FCurrentFolder = data.string() + "/";
    std::vector<std::string> entries;
    for (const char* name : {"1.nc", "2.nc", "3.nc"})
        if (fs::exists(data / name))
            entries.push_back(name);
    EXPECT_EQ(mergePrograms(rig.merge, rig.progress, rig.location, entries, rig.output()), MergeOutcome::Copied);
    EXPECT_EQ(readFile(rig.output()), readFile(data / "merged.nc"));
    EXPECT_TRUE(rig.questions.empty());
    EXPECT_EQ(rig.location.FSelectedFile, entries.back());
    EXPECT_FALSE(rig.progress.visible);
    EXPECT_EQ(rig.progress.pastMaximum, 0);
}

INSTANTIATE_TEST_SUITE_P(Programs, LineRules, ::testing::Values("three_m30", "end_codes"));

struct ToolCase {
    const char* name;
    std::string first, second;
    std::string question;  // after "File: <path>"; empty when none is asked
};

class ToolQuestion : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolQuestion, AsksWhenTheToolDiffers)
{
    MergeRig rig;
    rig.scratch.write("1.nc", GetParam().first);
    const std::string second = rig.scratch.write("2.nc", GetParam().second);
    EXPECT_EQ(rig.run({"1.nc", "2.nc"}), MergeOutcome::Copied);
    if (GetParam().question.empty())
        EXPECT_TRUE(rig.questions.empty());
    else
        EXPECT_EQ(rig.questions, std::vector<std::string>{"File: " + second + GetParam().question});
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ToolQuestion,
    ::testing::Values(
        ToolCase{"OtherTool", "T1 M6\nG0 X0\n", "T2 M6\nG0 X1\n",
                 ". Possibly different tool: \n\r Current - T2 M6 Previouse -T1 M6. Exit now?"},
        ToolCase{"SameTool", "T1 M6\n", " T1 M6 \n", ""},
        ToolCase{"LastToolLineOfTheFirstCounts", "T1 M6\nT3 M6\n", "T3 M6\n", ""},
        ToolCase{"OtherToolId", "(Tool Id: 7)\n", "(Tool Id: 9 )\n",
                 ". Possibly different tool: \n\r Current - 9 ) Previouse -7). Exit now?"},
        ToolCase{"ToolIdOnlyOnOneSide", "G0 X0\n", "(Tool Id: 9)\n", ""},
        ToolCase{"TInACommentIsNoTool", "T1 M6\n", "(T2 DRILL)\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolQuestionAnswer, YesEndsTheMergeAndLeavesNoOutput)
{
    MergeRig rig;
    rig.scratch.write("1.nc", "T1 M6\nG0 X0\n");
    rig.scratch.write("2.nc", "T2 M6\nG0 X1\n");
    rig.scratch.write("3.nc", "T1 M6\n");
    rig.answerYes = true;
    EXPECT_EQ(rig.run({"1.nc", "2.nc", "3.nc"}), MergeOutcome::GivenUp);
    EXPECT_EQ(rig.files(), (std::vector<std::string>{"1.nc", "2.nc", "3.nc"}));
    EXPECT_EQ(rig.location.FSelectedFile, "2.nc");
    EXPECT_FALSE(rig.progress.visible);
}

TEST(ToolQuestionAnswer, YesKeepsAFileOfTheChosenNameAsItWas)
{
    MergeRig rig;
    rig.scratch.write("merged.nc", "old");
    rig.scratch.write("1.nc", "T1 M6\n");
    rig.scratch.write("2.nc", "T2 M6\n");
    rig.answerYes = true;
    EXPECT_EQ(rig.run({"1.nc", "2.nc"}), MergeOutcome::GivenUp);
    EXPECT_EQ(readFile(rig.output()), "old");
}

TEST(ToolQuestionAnswer, NoMergesOn)
{
    MergeRig rig;
    rig.scratch.write("1.nc", "T1 M6\nM30\n");
    rig.scratch.write("2.nc", "T2 M6\nM30\n");
    EXPECT_EQ(rig.run({"1.nc", "2.nc"}), MergeOutcome::Copied);
    EXPECT_EQ(readFile(rig.output()), "T1 M6\r\nT2 M6\r\nM30\r\n");
}

TEST(FileMergeFailures, MissingProgramLeavesNoOutput)
{
    MergeRig rig;
    rig.scratch.write("1.nc", "G0 X0\n");
    EXPECT_THROW(rig.run({"1.nc", "gone.nc"}), InputOutputError);
    EXPECT_EQ(rig.files(), std::vector<std::string>{"1.nc"});
    EXPECT_FALSE(rig.progress.visible);
}

TEST(FileMergeFailures, ClosingApplicationAbandonsTheMerge)
{
    MergeRig rig;
    rig.scratch.write("1.nc", "G0 X0\n");
    rig.scratch.write("2.nc", "G0 X1\n");
    rig.pump.closing = true;
    EXPECT_EQ(rig.run({"1.nc", "2.nc"}), MergeOutcome::Terminated);
    EXPECT_EQ(rig.files(), (std::vector<std::string>{"1.nc", "2.nc"}));
}

TEST(FileMergeProgress, PositionStaysWithinTheMaximum)
{
    MergeRig rig;
    std::string lines;
    for (int i = 0; i < 150; ++i)
        lines += "G1 X" + std::to_string(i) + "\n";
    rig.scratch.write("1.nc", lines);  // 1,090 bytes: 9 blocks of 128
    rig.scratch.write("2.nc", lines);
    rig.run({"1.nc", "2.nc"});
    EXPECT_EQ(rig.progress.maximum, 9);
    EXPECT_EQ(rig.progress.position, 9);
    EXPECT_EQ(rig.progress.pastMaximum, 0);
}

}  // namespace
}  // namespace tarnix
