// Sorting the list by a header click: the keys, their directions and the
// rows a key cannot order.

#include "common/errors.h"
#include "explorer/explorer_sort.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

const ListDateFormat kDates = ListDateFormat::fromPatterns("dd/MM/yyyy", "HH:mm:ss");

ListRow row(std::string name, std::string date = "", std::string size = "0", std::string time = "not calculated",
            std::string lines = "not calculated")
{
    return {std::move(name), {std::move(date), std::move(size), "", std::move(time), std::move(lines)}};
}

std::vector<std::string> sortedNames(const std::vector<ListRow>& rows, const ListSortState& state)
{
    std::vector<std::string> names;
    for (std::size_t i : lvFilesSortOrder(rows, state, kDates))
        names.push_back(rows[i].caption);
    return names;
}

ListSortState sortedBy(const char* key, int direction) { return {key, direction, 0}; }

TEST(SortHeaderClick, OtherColumnKeepsTheDirectionAndTheSameColumnFlipsIt)
{
    ListSortState state;
    state.lvFilesColumnClick(2);
    EXPECT_EQ(state.gSortKey, "Filesize");
    EXPECT_EQ(state.gSortDir, -1);
    state.lvFilesColumnClick(2);
    EXPECT_EQ(state.gSortDir, 1);
    state.lvFilesColumnClick(0);
    EXPECT_EQ(state.gSortKey, "Filename");
    EXPECT_EQ(state.gSortDir, 1);
}

TEST(SortHeaderClick, FirstClickOnNameSortsAscending)
{
    ListSortState state;
    state.lvFilesColumnClick(0);
    EXPECT_EQ(state.gSortDir, 1);
    EXPECT_EQ(sortedNames({row("b.nc"), row("a.nc")}, state), (std::vector<std::string>{"a.nc", "b.nc"}));
}

TEST(SortByName, LeadingNumbersSortAsNumbers)
{
    const std::vector<ListRow> rows{row("10_finish.nc"), row("3,5 x.nc"), row("2_rough.nc"), row("4_drill.nc")};
    EXPECT_EQ(sortedNames(rows, sortedBy("Filename", 1)),
              (std::vector<std::string>{"2_rough.nc", "3,5 x.nc", "4_drill.nc", "10_finish.nc"}));
    EXPECT_EQ(sortedNames(rows, sortedBy("Filename", -1)),
              (std::vector<std::string>{"10_finish.nc", "4_drill.nc", "3,5 x.nc", "2_rough.nc"}));
}

TEST(SortByName, NamesWithoutASeparatedNumberSortAsBytes)
{
    const std::vector<ListRow> rows{row("part10.nc"), row("12.nc"), row("b.nc"), row("B.nc")};
    EXPECT_EQ(sortedNames(rows, sortedBy("Filename", 1)),
              (std::vector<std::string>{"12.nc", "B.nc", "b.nc", "part10.nc"}));
}

TEST(SortBySize, SizesAscendWithPlusOneAndReadThousandsSeparators)
{
    const std::vector<ListRow> rows{row("a", "", "1,234,567"), row("b", "", "999"), row("c", "", "5000000000")};
    EXPECT_EQ(sortedNames(rows, sortedBy("Filesize", 1)), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(sortedNames(rows, sortedBy("Filesize", -1)), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(SortBySize, SizeThatIsNoNumberIsAConversionError)
{
    EXPECT_THROW(lvFilesSortOrder({row("a", "", "12 kB"), row("b")}, sortedBy("Filesize", 1), kDates),
                 ConversionError);
}

TEST(SortByDate, NewestFirstWithPlusOne)
{
    const std::vector<ListRow> rows{row("old", "01/02/2023 10:00:00"), row("new", "05/01/2024 09:00:00"),
                                    row("mid", "01/02/2023 10:00:01")};
    EXPECT_EQ(sortedNames(rows, sortedBy("Date", 1)), (std::vector<std::string>{"new", "mid", "old"}));
    EXPECT_EQ(sortedNames(rows, sortedBy("Date", -1)), (std::vector<std::string>{"old", "mid", "new"}));
}

TEST(SortByDate, MidnightDatesWithoutTimeFollowUnordered)
{
    const std::vector<ListRow> rows{row("midnight", "09/09/2030"), row("old", "01/02/2023 10:00:00"),
                                    row("new", "05/01/2024 09:00:00")};
    EXPECT_EQ(sortedNames(rows, sortedBy("Date", 1)), (std::vector<std::string>{"new", "old", "midnight"}));
}

TEST(SortByDate, UnreadableDateIsAConversionError)
{
    EXPECT_THROW(lvFilesSortOrder({row("a", "2023-02-01 10:00:00"), row("b", "01/02/2023 10:00:00")},
                                  sortedBy("Date", 1), kDates),
                 ConversionError);
}

TEST(SortByProgramTime, LongestFirstWithPlusOneAndUncalculatedLast)
{
    const std::vector<ListRow> rows{row("none"), row("short", "", "0", " 0:10: 0"), row("long", "", "0", " 2: 0: 0")};
    EXPECT_EQ(sortedNames(rows, sortedBy("ProgTime", 1)), (std::vector<std::string>{"long", "short", "none"}));
    EXPECT_EQ(sortedNames(rows, sortedBy("ProgTime", -1)), (std::vector<std::string>{"short", "long", "none"}));
}

TEST(SortByLines, CountsAscendWithPlusOneAndUncalculatedKeepTheirOrder)
{
    const std::vector<ListRow> rows{row("x"), row("many", "", "0", "", "900"), row("y"),
                                    row("few", "", "0", "", "12")};
    EXPECT_EQ(sortedNames(rows, sortedBy("Lines", 1)), (std::vector<std::string>{"few", "many", "x", "y"}));
}

TEST(SortByDescription, OrderIsLeftAsItIs)
{
    const std::vector<ListRow> rows{row("b"), row("a"), row("c")};
    EXPECT_EQ(sortedNames(rows, sortedBy("", 1)), (std::vector<std::string>{"b", "a", "c"}));
}

}  // namespace
}  // namespace tarnix
