#include "points/point_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace tarnix;

namespace {

const GLColor kRed = {1, 0, 0};

std::vector<std::int32_t> lineNumbers(const TD3FloatPointList& list)
{
    std::vector<std::int32_t> numbers;
    const TPathPoint* point = list.First();
    for (std::int32_t i = 0; i < list.Count(); ++i, point = point->Next)
        numbers.push_back(point->LineNo);
    return numbers;
}

}  // namespace

TEST(PointList, NewListIsEmpty)
{
    TD3FloatPointList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
}

TEST(PointList, FirstAddIsHeadAndTailWithAllFieldsCopied)
{
    TD3FloatPointList list;
    const GLColor color = {0.25f, 0.5f, 2.0f};
    list.Add(color, 7, 0.1L, 0.05L, -0.02L, 300, true);
    ASSERT_EQ(list.Count(), 1);
    ASSERT_EQ(list.First(), list.Last());
    const TPathPoint& p = *list.First();
    EXPECT_EQ(p.X, 0.1L);
    EXPECT_EQ(p.Y, 0.05L);
    EXPECT_EQ(p.Z, -0.02L);
    EXPECT_EQ(p.Color[2], 2.0f);
    EXPECT_EQ(p.LineNo, 7);
    EXPECT_EQ(p.Feed, 300.0L);
    EXPECT_TRUE(p.Rapid);
    EXPECT_EQ(p.Next, nullptr);
}

TEST(PointList, WalkFromHeadKeepsAppendOrderAcrossBlocks)
{
    TD3FloatPointList list;
    std::vector<std::int32_t> expected;
    for (std::int32_t i = 1; i <= 100000; ++i) {
        list.Add(kRed, i, i, 0, 0, 0, false);
        expected.push_back(i);
    }
    EXPECT_EQ(lineNumbers(list), expected);
    EXPECT_EQ(list.Last()->LineNo, 100000);
    EXPECT_EQ(list.Last()->Next, nullptr);
}

TEST(PointList, AddListCopiesInOrderAndEmptyAddsNothing)
{
    TD3FloatPointList source, target, empty;
    for (std::int32_t i = 1; i <= 3; ++i)
        source.Add(kRed, i, 0, 0, 0, 0, false);
    target.Add(kRed, 9, 0, 0, 0, 0, false);
    target.AddList(source);
    target.AddList(empty);
    EXPECT_EQ(lineNumbers(target), (std::vector<std::int32_t>{9, 1, 2, 3}));
}

TEST(PointList, AddListOntoItselfDoublesOnce)
{
    TD3FloatPointList list;
    for (std::int32_t i = 1; i <= 100; ++i)
        list.Add(kRed, i, 0, 0, 0, 0, false);
    const std::vector<std::int32_t> once = lineNumbers(list);
    list.AddList(list);
    std::vector<std::int32_t> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(lineNumbers(list), twice);
}

TEST(PointList, EveryListHasItsOwnSerialEvenAtAReusedAddress)
{
    auto first = std::make_unique<TD3FloatPointList>();
    const std::uint64_t firstSerial = first->serial();
    first.reset();
    auto second = std::make_unique<TD3FloatPointList>();
    EXPECT_NE(second->serial(), firstSerial);
    EXPECT_NE(second->serial(), 0u);
}
