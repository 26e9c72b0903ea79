#include "points/point_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace tarnix;

namespace {

const GLColor kRed = {1, 0, 0};

std::vector<std::int32_t> lineNumbers(const TD3FloatPointList& list)
{
    std::vector<std::int32_t> numbers;
    for (auto point = list.First(); point; point.Next())
        numbers.push_back(point->LineNo);
    return numbers;
}

}  // namespace

TEST(PointList, NewListIsEmpty)
{
    TD3FloatPointList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.First());
}

// Packing keeps every value exactly: extended values that no double can
// hold, the extremes of the line number, colours above 1.
TEST(PointList, FirstAddIsHeadAndTailWithAllValuesExact)
{
    struct Case {
        long double x, y, z, feed;
        GLColor color;
        std::int32_t lineNo;
        bool rapid;
    };
    const long double third = 1.0L / 3;
    const Case cases[] = {
        {0.1L, 0.05L, -0.02L, 300, {0.25f, 0.5f, 2.0f}, 7, true},
        {third, -third, std::numeric_limits<long double>::denorm_min(), std::numeric_limits<long double>::max(),
         {-1.0f, 1e30f, 0.0f}, std::numeric_limits<std::int32_t>::max(), false},
        {-0.0L, std::numeric_limits<long double>::infinity(), 1e-4000L, 0, {0, 0, 0},
         std::numeric_limits<std::int32_t>::min(), true},
    };
    for (const Case& c : cases) {
        TD3FloatPointList list;
        list.Add(c.color, c.lineNo, c.x, c.y, c.z, c.feed, c.rapid);
        ASSERT_EQ(list.Count(), 1);
        auto head = list.First();
        ASSERT_TRUE(head);
        for (const TPathPoint& p : {*head, list.Last()}) {
            EXPECT_EQ(p.X, c.x);
            EXPECT_EQ(std::signbit(p.X), std::signbit(c.x));
            EXPECT_EQ(p.Y, c.y);
            EXPECT_EQ(p.Z, c.z);
            EXPECT_EQ(p.Feed, c.feed);
            EXPECT_EQ(p.Color[0], c.color[0]);
            EXPECT_EQ(p.Color[1], c.color[1]);
            EXPECT_EQ(p.Color[2], c.color[2]);
            EXPECT_EQ(p.LineNo, c.lineNo);
            EXPECT_EQ(p.Rapid, c.rapid);
        }
        head.Next();
        EXPECT_FALSE(head);
    }
}

// Values are stored only where they change, so a walk must carry them over
// exactly: a zero of the other sign is a change too.
TEST(PointList, ValuesCarriedOverFromThePointBeforeReadBackExactly)
{
    struct Added {
        GLColor color;
        std::int32_t lineNo;
        long double feed;
        bool rapid;
    };
    const std::vector<Added> added = {
        {{1, 0, 0}, 1, 0.0L, true},   {{1, 0, 0}, 1, 0.0L, false},  {{1, 0, 0}, 1, -0.0L, false},
        {{0, 1, 0}, 1, -0.0L, false}, {{0, 1, 0}, 2, -0.0L, false}, {{0, -0.0f, 0}, 2, 300, true},
        {{0, 1, 0}, 2, 300, true},    {{0, 1, 0}, 3, 300.5L, false},
    };
    TD3FloatPointList list;
    // X changes on every point, Y on every other, Z only between zeros of either sign.
    auto xOf = [](std::size_t i) { return static_cast<long double>(i); };
    auto yOf = [](std::size_t i) { return 1.0L / 3 * static_cast<long double>(i / 2); };
    auto zOf = [](std::size_t i) { return i % 3 == 0 ? -0.0L : 0.0L; };
    for (std::size_t i = 0; i < added.size(); ++i)
        list.Add(added[i].color, added[i].lineNo, xOf(i), yOf(i), zOf(i), added[i].feed, added[i].rapid);
    std::size_t i = 0;
    for (auto point = list.First(); point; point.Next(), ++i) {
        ASSERT_LT(i, added.size());
        const Added& a = added[i];
        EXPECT_EQ(point->X, xOf(i)) << i;
        EXPECT_EQ(point->Y, yOf(i)) << i;
        EXPECT_EQ(std::signbit(point->Z), std::signbit(zOf(i))) << i;
        EXPECT_EQ(point->Feed, a.feed) << i;
        EXPECT_EQ(std::signbit(point->Feed), std::signbit(a.feed)) << i;
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(point->Color[c], a.color[c]) << i;
            EXPECT_EQ(std::signbit(point->Color[c]), std::signbit(a.color[c])) << i;
        }
        EXPECT_EQ(point->LineNo, a.lineNo) << i;
        EXPECT_EQ(point->Rapid, a.rapid) << i;
    }
    EXPECT_EQ(i, added.size());
}

// An arc's points after its first give only their position: they must read
// back as if every value had been given, rapid flag and signed zeros kept,
// and take no more room than those points given whole.
TEST(PointList, PositionOnlyPointsTakeTheOtherValuesOfTheLast)
{
    for (bool rapid : {false, true}) {
        const GLColor color = {0.5f, -0.0f, 2.0f};
        TD3FloatPointList whole, positions;
        whole.Add(kRed, 1, 0, 0, 0, 100, false);
        positions.Add(kRed, 1, 0, 0, 0, 100, false);
        whole.Add(color, 9, 1, -0.0L, 2, -0.0L, rapid);
        positions.Add(color, 9, 1, -0.0L, 2, -0.0L, rapid);
        for (int i = 0; i < 200000; ++i) {
            const long double x = 1.0L / 3 * i, z = i % 2 == 0 ? 0.0L : -0.0L;
            whole.Add(color, 9, x, 7, z, -0.0L, rapid);
            positions.AddPosition(x, 7, z);
        }
        ASSERT_EQ(positions.Count(), whole.Count());
        EXPECT_EQ(positions.reservedBytes(), whole.reservedBytes());
        auto p = positions.First();
        for (auto w = whole.First(); w; w.Next(), p.Next()) {
            ASSERT_TRUE(p);
            EXPECT_EQ(p->X, w->X);
            EXPECT_EQ(p->Y, w->Y);
            EXPECT_EQ(std::signbit(p->Z), std::signbit(w->Z));
            EXPECT_EQ(std::signbit(p->Feed), std::signbit(w->Feed));
            EXPECT_EQ(p->Feed, w->Feed);
            EXPECT_EQ(std::signbit(p->Color[1]), std::signbit(w->Color[1]));
            EXPECT_EQ(p->Color[2], w->Color[2]);
            EXPECT_EQ(p->LineNo, w->LineNo);
            ASSERT_EQ(p->Rapid, w->Rapid);
        }
        EXPECT_FALSE(p);
    }
}

// The worst case: every value of every point differs from the point before.
TEST(PointList, AtMost64BytesAPoint)
{
    TD3FloatPointList list;
    for (std::int32_t i = 1; i <= 1000000; ++i)
        list.Add({static_cast<float>(i), 0, 0}, i, i, i, i, i, false);
    EXPECT_LE(list.reservedBytes(), std::size_t{64} * 1000000);
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
    EXPECT_EQ(list.Last().LineNo, 100000);
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

// A cursor kept on the tail walks on into the points added since, across
// the blocks that start meanwhile, with the values they carry over.
TEST(PointList, CursorOnTheTailFollowsTheGrowingList)
{
    TD3FloatPointList list;
    list.Add(kRed, 1, 0, 0, 0, 100, false);
    auto tail = list.First();
    std::vector<std::int32_t> seen{tail->LineNo};
    std::int32_t next = 2;
    for (int growth : {1, 7, 50000, 3}) {
        for (int i = 0; i < growth; ++i, ++next)
            list.Add(kRed, next, next, 0, 0, 100, false);
        tail.follow();
        for (int i = 0; i < growth; ++i) {
            tail.Next();
            ASSERT_TRUE(tail);
            seen.push_back(tail->LineNo);
            ASSERT_EQ(tail->X, tail->LineNo);
        }
    }
    EXPECT_EQ(seen, lineNumbers(list));
    tail.Next();
    EXPECT_FALSE(tail);
}
