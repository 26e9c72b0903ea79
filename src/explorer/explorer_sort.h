#pragma once
// Sorting the Explorer list by a header click. The list holds texts only,
// so every key is read back from the texts of the clicked column; a text
// that does not read raises the conversion error and nothing is reordered.

#include "explorer/explorer_date_time.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnix {

// One list item as the sort sees it: the caption and the texts of "Date",
// "Size", "Description", "Program Time" and "Lines".
struct ListRow {
    std::string caption;
    std::array<std::string, 5> subItems;
};

// Which column sorts and which way; lives for the process.
struct ListSortState {
    // "Filename", "Date", "Filesize", "ProgTime", "Lines", or empty.
    std::string gSortKey;
    std::int32_t gSortDir = -1;
    std::int32_t gSortColumn = 0;

    // A click on the header of `column`: the same column again flips the
    // direction; the key follows the column.
    void lvFilesColumnClick(int column);
};

// The rows in sorted order, as indexes into `rows`. With direction +1 names,
// sizes and line counts ascend while dates and program times descend.
// Names sort by their leading number ("2_rough.nc" before "10_finish.nc",
// "3,5 x.nc" as 3.5) when both names have one, else as byte strings.
// Rows the key cannot order (a date or time without ":", "not calculated"
// lines, an empty caption, any row for the Description column) follow the
// ordered ones in their present order. Throws ConversionError for a size,
// date, program time or line count that does not read.
std::vector<std::size_t> lvFilesSortOrder(const std::vector<ListRow>& rows, const ListSortState& state,
                                          const ListDateFormat& dates);

}  // namespace tarnix
