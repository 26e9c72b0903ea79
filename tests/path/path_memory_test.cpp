// Path building when memory runs out. This executable replaces the global
// operator new (memory_budget.cpp) so that a test can make allocations fail
// past a budget, as they do under a memory limit.

#include "common/errors.h"
#include "memory_budget.h"
#include "path/path_builder.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

using namespace tarnix;
using tarnix::testing::MemoryLimit;

TEST(PathBuildingMemory, RunningOutIsAClearErrorAndKeepsThePathBuiltSoFar)
{
    tarnix::testing::ScratchFolder folder;
    std::string program = "%\n";
    for (int i = 0; i < 40'000; ++i)
        program += i % 2 == 0 ? "G1 X10 F100\n" : "G1 X0\n";
    const std::string path = folder.write("long.nc", program);
    InterpreterContext context;
    context.settings.programKind = ProgramKind::Fanuc;
    PathBuilder builder(context);

    bool failed = false;
    std::string message;
    {
        MemoryLimit limit(1'000'000);
        try {
            builder.MakePath(path);
        } catch (const OutOfMemoryError& error) {
            MemoryLimit::lift();
            failed = true;
            message = error.what();
        }
    }
    ASSERT_TRUE(failed);
    EXPECT_NE(message.find("Out of memory at line "), std::string::npos) << message;
    EXPECT_FALSE(builder.FBuildingPath());

    // Every point kept is whole and linked: one per line from line 2 on.
    const TD3FloatPointList& points = *context.FPathPoints;
    ASSERT_GT(points.Count(), 1000);
    ASSERT_LT(points.Count(), 40'000);
    auto point = points.First();
    const long double far = point->X;
    std::int32_t i = 0;
    long double near = far;
    for (; point; point.Next(), ++i) {
        if (i == 1)
            near = point->X;
        EXPECT_EQ(point->LineNo, i + 2);
        EXPECT_EQ(point->X, i % 2 == 0 ? far : near);
    }
    EXPECT_NE(far, near);
    EXPECT_EQ(i, points.Count());

    // The program stays usable: with memory back the same list grows on
    // (a build adds to the path), and a fresh one holds the whole program.
    const std::int32_t kept = points.Count();
    builder.MakePath(path);
    EXPECT_EQ(points.Count(), kept + 40'000);
    std::int32_t walked = 0;
    for (auto p = points.First(); p; p.Next())
        ++walked;
    EXPECT_EQ(walked, points.Count());
    builder.ClearPath();
    builder.MakePath(path);
    EXPECT_EQ(context.FPathPoints->Count(), 40'000);
}
