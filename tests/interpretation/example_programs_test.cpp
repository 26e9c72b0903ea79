// The G-code examples draw what their comments say. Their arcs round off
// corners: a quarter turn at most, so every point of an arc lies inside the
// box of its two ends. An arc turned the wrong way (G2 for G3) loops three
// quarters round the other side and leaves that box.

#include "interpretation/info_run.h"
#include "program_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

bool between(long double value, long double a, long double b)
{
    constexpr long double tolerance = 1e-9L;
    return value >= std::min(a, b) - tolerance && value <= std::max(a, b) + tolerance;
}

// Checks every line drawn with more than one point (an arc; a straight move
// draws one) and returns how many there were.
int checkArcs(const fs::path& program)
{
    InterpreterContext context;
    const ProgramRun run = runProgramFile(program.string(), context);
    EXPECT_EQ(run.error, "") << program;
    std::vector<TPathPoint> points;
    for (auto point = context.FPathPoints->First(); point; point.Next())
        points.push_back(*point);
    int arcs = 0;
    for (std::size_t first = 1; first < points.size();) {
        std::size_t end = first;
        while (end + 1 < points.size() && points[end + 1].LineNo == points[first].LineNo)
            ++end;
        if (end > first) {
            ++arcs;
            const TPathPoint& from = points[first - 1];
            const TPathPoint& to = points[end];
            for (std::size_t i = first; i <= end; ++i)
                EXPECT_TRUE(between(points[i].X, from.X, to.X) && between(points[i].Y, from.Y, to.Y) &&
                            between(points[i].Z, from.Z, to.Z))
                    << program.filename() << " line " << points[i].LineNo << " leaves the box of its ends";
        }
        first = end + 1;
    }
    return arcs;
}

}  // namespace

TEST(ExamplePrograms, ArcsRoundOffCornersWithinTheirEnds)
{
    int arcs = 0;
    for (const auto& entry : fs::directory_iterator(TARNIX_EXAMPLES))
        if (entry.path().extension() == ".nc")
            arcs += checkArcs(entry.path());
    EXPECT_GT(arcs, 0);
}

// The statistics tool measures a Roland program as "Info" does, and says
// which figures such a program does not have instead of printing the start
// values of the extents.
TEST(ExamplePrograms, RolandProgramIsMeasuredAsInfoMeasuresIt)
{
    const fs::path program = fs::path(TARNIX_EXAMPLES) / "plate.rol";
    InterpreterContext measured;
    InfoRun info(measured);
    info.edFileName = program.string();
    ASSERT_TRUE(info.GetFileInfo());

    InterpreterContext context;
    const ProgramRun run = runProgramFile(program.string(), context);
    EXPECT_EQ(run.error, "");
    EXPECT_DOUBLE_EQ(context.totals.FTime, measured.totals.FTime);
    EXPECT_DOUBLE_EQ(context.totals.FLength, measured.totals.FLength);

    const std::string described = describeRun(run, context, false);
    EXPECT_NE(described.find("time: \" 0: 0:15\""), std::string::npos) << described;
    EXPECT_NE(described.find("length(m): 0.259"), std::string::npos) << described;
    EXPECT_EQ(described.find("99999"), std::string::npos) << described;
    EXPECT_NE(described.find("extents and feeds: not measured in a Roland program"), std::string::npos)
        << described;
}
