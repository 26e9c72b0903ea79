// The path's arrays: a path taken in piece by piece as it grows gives the
// same arrays as the whole path taken at once, and a dropped path gives its
// memory back.

#include "view/path_vertex_arrays.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarnix;

namespace {

// Feed moves with a rapid every seventh point, colours changing every fifth.
void addPoints(TD3FloatPointList& path, int from, int to)
{
    for (int i = from; i < to; ++i) {
        const bool rapid = i % 7 == 3;
        const float shade = static_cast<float>(i % 5) / 4;
        path.Add({shade, 1 - shade, 2 * shade}, i / 3 + 1, i % 11, i % 13 - 6.5L, -(i % 3), 100 + i, rapid);
    }
}

struct ArraysCopy {
    std::vector<GLfloat> vertices, colors, pointVertices;
    std::vector<GLubyte> pointColors;
    std::vector<GLuint> indices;
    std::vector<std::int32_t> lines;
    std::array<GLfloat, 3> boxMin, boxMax;
    bool operator==(const ArraysCopy&) const = default;
};

ArraysCopy copyOf(const PathVertexArrays& arrays)
{
    const auto segments = static_cast<std::size_t>(arrays.segmentCount());
    const auto points = static_cast<std::size_t>(arrays.pointCount());
    return {{arrays.vertices(), arrays.vertices() + 6 * segments},
            {arrays.colors(), arrays.colors() + 6 * segments},
            {arrays.pointVertices(), arrays.pointVertices() + 3 * points},
            {arrays.pointColors(), arrays.pointColors() + 3 * points},
            {arrays.segmentIndices(), arrays.segmentIndices() + 2 * segments},
            {arrays.segmentLines(), arrays.segmentLines() + segments},
            arrays.boxMin(),
            arrays.boxMax()};
}

TEST(PathVertexArrays, APathTakenInAsItGrowsGivesTheArraysOfTheWholePath)
{
    for (bool viewRapid : {true, false}) {
        TD3FloatPointList growing;
        PathVertexArrays grown;
        std::uint64_t generation = 0;
        int count = 0;
        for (int step : {1, 1, 5, 2, 40000, 3, 17}) {
            addPoints(growing, count, count + step);
            count += step;
            grown.update(&growing, viewRapid);
            EXPECT_TRUE(generation == 0 || grown.extends(generation)) << count;
            generation = grown.generation();
        }
        TD3FloatPointList whole;
        addPoints(whole, 0, count);
        PathVertexArrays atOnce;
        atOnce.update(&whole, viewRapid);
        EXPECT_EQ(copyOf(grown), copyOf(atOnce)) << "rapids shown " << viewRapid;
    }
}

TEST(PathVertexArrays, AnotherListOrRapidSwitchStartsAfresh)
{
    TD3FloatPointList first, second;
    addPoints(first, 0, 100);
    addPoints(second, 0, 100);
    PathVertexArrays arrays;
    arrays.update(&first, true);
    std::uint64_t before = arrays.generation();
    arrays.update(&first, false);
    EXPECT_FALSE(arrays.extends(before));
    before = arrays.generation();
    arrays.update(&second, false);
    EXPECT_FALSE(arrays.extends(before));
    addPoints(second, 100, 101);
    before = arrays.generation();
    arrays.update(&second, false);
    EXPECT_TRUE(arrays.extends(before));
}

TEST(PathVertexArrays, ADroppedPathGivesItsMemoryBack)
{
    TD3FloatPointList big;
    addPoints(big, 0, 200000);
    PathVertexArrays arrays;
    arrays.update(&big, true);
    const std::size_t held = arrays.reservedBytes();
    EXPECT_GT(held, 200000u * 40);
    arrays.takeReleasedBytes();

    TD3FloatPointList cleared;
    arrays.update(&cleared, true);
    EXPECT_EQ(arrays.segmentCount(), 0);
    EXPECT_EQ(arrays.reservedBytes(), 0u);
    EXPECT_EQ(arrays.takeReleasedBytes(), held);
    EXPECT_EQ(arrays.takeReleasedBytes(), 0u);
}

}  // namespace
