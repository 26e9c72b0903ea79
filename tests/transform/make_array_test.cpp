// Make Array: the grid of copies, the counts, the save step and the
// temporary files, with a fake transformation that shifts axis words.

#include "transform/make_array.h"

#include "common/errors.h"
#include "transform/array_fakes.h"
#include "transform/merge_fakes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarnix {
namespace {

using testing::readFile;
namespace fs = std::filesystem;

const fs::path kData = fs::path(TARNIX_TRANSFORM_DATA) / "array";

struct ArrayRig {
    testing::ScratchFolder scratch;
    std::string folder = scratch.path().string() + "/";
    testing::RecordingProgress progress;
    testing::QuietPump pump;
    std::vector<std::string> questions;
    FileMerge merge{progress, pump, [this](const std::string& q) {
                        questions.push_back(q);
                        return true;
                    }};
    testing::FakeArrayWindow window{folder};
    testing::FakeDialogs dialogs;
    testing::RecordingMessages messages;
    TFileMasks masks;
    MakeArray array{merge, window.hooks(), dialogs, messages, masks};

    ArrayRig()
    {
        masks.parseExt("*.nc;*.tap");
        fs::copy_file(kData / "part.nc", folder + "part.nc");
        dialogs.answer = SaveDialogAnswer{folder + "out.nc", 1};
    }
    void apply(ArrayRequest request) { array.btnApplyClick(folder, folder + "part.nc", request); }
    std::vector<std::string> files() const { return scratch.fileNames(); }
};

struct GridCase {
    const char* name;
    ArrayRequest request;
    const char* expected;
    int transformations;
};

class Grid : public ::testing::TestWithParam<GridCase> {};

TEST_P(Grid, SavesTheCopiesAtTheirPlaces)
{
    ArrayRig rig;
    rig.apply(GetParam().request);
    EXPECT_EQ(readFile(rig.folder + "out.nc"), readFile(kData / GetParam().expected));
    EXPECT_EQ(rig.window.transformations, GetParam().transformations);
    EXPECT_EQ(rig.files(), (std::vector<std::string>{"out.nc", "part.nc"}));
    EXPECT_FALSE(rig.window.shiftChecked);
    EXPECT_TRUE(rig.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, Grid,
    ::testing::Values(GridCase{"OneByOneByOne", {"1", "1", "1", "0", "0", "0"}, "part_1x1x1.nc", 0},
                      GridCase{"ThreeAlongX", {"3", "1", "1", "10", "0", "0"}, "part_x3.nc", 2},
                      GridCase{"TwoByTwo", {"2", "2", "1", "10", "5", "0"}, "part_2x2.nc", 2},
                      GridCase{"ZeroAndNegativeCountsAreOne", {"0", "-2", "0", "10", "5", "3"}, "part_1x1x1.nc", 0},
                      // A pass without a step makes no copy and keeps the end codes.
                      GridCase{"CountWithoutStep", {"3", "2", "1", "0", "", "0"}, "part_1x1x1.nc", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A program extracted from an archive lies in the extraction folder, which
// goes at close: the array is made and proposed in the Explorer's folder.
TEST(MakeArraySource, AnExtractedProgramIsReadWhereItLiesAndItsArrayProposedBesideTheArchive)
{
    ArrayRig rig;
    const testing::ScratchFolder extraction;
    const std::string source = (extraction.path() / "entry.nc").string();
    fs::copy_file(kData / "part.nc", source);
    rig.array.btnApplyClick(rig.folder, source, {"3", "1", "1", "10", "0", "0"});
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].fileName, rig.folder + "entry_Array.nc");
    EXPECT_EQ(rig.dialogs.shown[0].folder, rig.folder);
    EXPECT_EQ(readFile(rig.folder + "out.nc"), readFile(kData / "part_x3.nc"));
}

TEST(MakeArrayFailures, NonIntegerCountWritesNothing)
{
    ArrayRig rig;
    EXPECT_THROW(rig.apply({"2", "x", "1", "10", "0", "0"}), ConversionError);
    EXPECT_EQ(rig.files(), std::vector<std::string>{"part.nc"});
    EXPECT_EQ(rig.window.transformations, 0);
}

TEST(MakeArrayFailures, FailedTransformationLeavesNoTemporaryFileNorCheckedShift)
{
    ArrayRig rig;
    rig.window.failNext = true;
    EXPECT_THROW(rig.apply({"2", "1", "1", "10", "0", "0"}), std::runtime_error);
    EXPECT_EQ(rig.files(), std::vector<std::string>{"part.nc"});
    EXPECT_FALSE(rig.window.shiftChecked);
}

TEST(MakeArrayFailures, RefusedTransformationEndsWithoutSaving)
{
    ArrayRig rig;
    rig.window.refuseNext = true;
    rig.apply({"3", "1", "1", "10", "0", "0"});
    EXPECT_EQ(rig.window.transformations, 1);
    EXPECT_TRUE(rig.dialogs.shown.empty());
    EXPECT_EQ(rig.files(), std::vector<std::string>{"part.nc"});
}

TEST(MakeArraySaving, CancelSavesNothing)
{
    ArrayRig rig;
    rig.dialogs.answer.reset();
    rig.apply({"2", "1", "1", "10", "0", "0"});
    EXPECT_EQ(rig.files(), std::vector<std::string>{"part.nc"});
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].fileName, rig.folder + "part_Array.nc");
    EXPECT_EQ(rig.dialogs.shown[0].filter, "All files|*.*|*.nc|*.nc|*.tap|*.tap");
    EXPECT_EQ(rig.dialogs.shown[0].folder, rig.folder);
}

// The name is checked as it will be written: completed with the filter's
// extension, and by the file it names.
TEST(MakeArraySaving, SourceNameIsRefused)
{
    for (const auto& [typed, index] : {std::pair{"part.nc", 2}, std::pair{"part", 2}, std::pair{"./part.nc", 1}}) {
        ArrayRig rig;
        rig.dialogs.answer = SaveDialogAnswer{rig.folder + typed, index};
        rig.apply({"2", "1", "1", "10", "0", "0"});
        const std::string written = rig.folder + (std::string(typed) == "part" ? "part.nc" : typed);
        EXPECT_EQ(rig.messages.texts,
                  std::vector<std::string>{"File " + written + " exists, change File name to save."})
            << typed;
        EXPECT_EQ(readFile(rig.folder + "part.nc"), readFile(kData / "part.nc")) << typed;
        EXPECT_EQ(rig.files(), std::vector<std::string>{"part.nc"}) << typed;
    }
}

TEST(MakeArraySaving, NameWithoutExtensionTakesTheFiltersOne)
{
    for (const auto& [index, expected] : {std::pair{1, "grid.tap"}, std::pair{2, "grid.nc"}}) {
        ArrayRig rig;
        rig.dialogs.answer = SaveDialogAnswer{rig.folder + "grid", index};
        rig.apply({"1", "1", "1", "0", "0", "0"});
        EXPECT_EQ(rig.files(), (std::vector<std::string>{expected, "part.nc"}));
    }
}

}  // namespace
}  // namespace tarnix
