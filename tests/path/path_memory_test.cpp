// Path building when memory runs out. This executable replaces the global
// operator new so that a test can make allocations fail past a budget, as
// they do under a memory limit.

#include "common/errors.h"
#include "path/path_builder.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Bytes still allowed while armed; negative when allocation is unlimited.
std::atomic<long long> allocationBudget{-1};

class MemoryLimit {
public:
    explicit MemoryLimit(long long bytes) { allocationBudget = bytes; }
    ~MemoryLimit() { lift(); }
    static void lift() { allocationBudget = -1; }
};

}  // namespace

void* operator new(std::size_t size)
{
    long long budget = allocationBudget.load();
    while (budget >= 0) {
        if (static_cast<long long>(size) > budget)
            throw std::bad_alloc();
        if (allocationBudget.compare_exchange_weak(budget, budget - static_cast<long long>(size)))
            break;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

using namespace tarnix;

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
    const long double far = points.First()->X, near = points.First()->Next->X;
    EXPECT_NE(far, near);
    const TPathPoint* point = points.First();
    for (std::int32_t i = 0; i < points.Count(); ++i, point = point->Next) {
        ASSERT_NE(point, nullptr);
        EXPECT_EQ(point->LineNo, i + 2);
        EXPECT_EQ(point->X, i % 2 == 0 ? far : near);
    }
    EXPECT_EQ(point, nullptr);

    // The program stays usable: with memory back the whole path builds.
    builder.ClearPath();
    builder.MakePath(path);
    EXPECT_EQ(context.FPathPoints->Count(), 40'000);
}
