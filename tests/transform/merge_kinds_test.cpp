// A merge joins programs of one kind only: G-code and Roland lines in one
// file are read by neither reader.

#include "transform/merge_programs.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

const char* const kGCode = "%\nG0 X0 Y0\nM30\n";
const char* const kRoland = "!PA;PA;VS2;!VZ2;\nZ376,20,-61;\n";
const char* const kUnnamed = "G0 X1 Y1\n";

struct KindsCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> programs;  // list caption, text
    ProgramKind unnamedKind;                                   // the Config page's kind
    std::optional<std::string> refusal;
};

class MergeKinds : public ::testing::TestWithParam<KindsCase> {};

TEST_P(MergeKinds, RefusesProgramsOfDifferentKinds)
{
    testing::ScratchFolder scratch;
    ProgramLocation location;
    location.FCurrentFolder = scratch.path().string() + "/";
    std::vector<std::string> entries;
    for (const auto& [caption, text] : GetParam().programs) {
        scratch.write(caption, text);
        entries.emplace_back(caption);
    }
    EXPECT_EQ(mixedKindsRefusal(location, entries, GetParam().unnamedKind), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Merges, MergeKinds,
    ::testing::Values(
        KindsCase{"GCodeWithRoland",
                  {{"g.nc", kGCode}, {"r.rol", kRoland}, {"h.nc", kGCode}},
                  ProgramKind::Fanuc,
                  "Programs of different kinds cannot be merged:\ng.nc - G-code\nr.rol - Roland\nh.nc - G-code"},
        // A program that names no kind is read as the Config page says.
        KindsCase{"UnnamedReadAsRoland",
                  {{"g.nc", kGCode}, {"u.rol", kUnnamed}},
                  ProgramKind::Roland,
                  "Programs of different kinds cannot be merged:\ng.nc - G-code\nu.rol - Roland"},
        KindsCase{"UnnamedReadAsGCode", {{"g.nc", kGCode}, {"u.nc", kUnnamed}}, ProgramKind::Fanuc, std::nullopt},
        KindsCase{"BothRolandMarks", {{"r.rol", kRoland}, {"s.rol", "^PA;\n"}}, ProgramKind::Fanuc, std::nullopt},
        KindsCase{"NoKindChosen", {{"g.nc", kGCode}, {"u.nc", kUnnamed}}, ProgramKind::None, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnix
