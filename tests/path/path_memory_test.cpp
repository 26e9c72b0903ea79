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

namespace {

void spend(std::size_t size)
{
    long long budget = allocationBudget.load();
    while (budget >= 0) {
        if (static_cast<long long>(size) > budget)
            throw std::bad_alloc();
        if (allocationBudget.compare_exchange_weak(budget, budget - static_cast<long long>(size)))
            break;
    }
}

}  // namespace

void* operator new(std::size_t size)
{
    spend(size);
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// The point list's blocks are aligned.
void* operator new(std::size_t size, std::align_val_t alignment)
{
    spend(size);
    const auto align = static_cast<std::size_t>(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept { std::free(memory); }

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
