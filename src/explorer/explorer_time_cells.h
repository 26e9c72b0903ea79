#pragma once
// The "Program Time" cells of the Explorer list read back as times of day,
// for "Time selected" and the report's total.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

// Hours, minutes and seconds separated by ":", blanks allowed before each
// number: " 1: 0:30" is 3630 seconds, "26: 0: 0" a program of more than a
// day. Anything else ("not calculated", an empty cell) is no time.
std::optional<std::int64_t> readTimeCell(std::string_view cell);

// The seconds of the cells that read as times; the others add nothing.
std::int64_t sumTimeCells(const std::vector<std::string>& cells);

// Status panel 1 after "Time selected": "Full Time " and the sum of the
// selected items' time cells.
std::string TimeSelectedText(const std::vector<std::string>& selectedTimeCells);

}  // namespace tarnix
