#include "explorer/explorer_time_cells.h"

#include "common/time_length_text.h"

#include <charconv>

namespace tarnix {
namespace {

// Far more than any program runs, and small enough that any number of
// cells sums without overflow.
constexpr std::int64_t kMaxHours = 1'000'000'000;

// Blanks, then digits up to the next character; false when there are none
// or the number exceeds `limit`.
bool readPart(std::string_view& text, std::int64_t limit, std::int64_t& value)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    std::int64_t number = 0;
    auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop == text.data() || text.front() == '-' || number > limit)
        return false;
    text.remove_prefix(static_cast<std::size_t>(stop - text.data()));
    value = number;
    return true;
}

bool readSeparator(std::string_view& text)
{
    if (text.empty() || text.front() != ':')
        return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::optional<std::int64_t> readTimeCell(std::string_view cell)
{
    std::int64_t hours = 0, minutes = 0, seconds = 0;
    // The cells show hours past 23 for long programs: they count in full.
    if (!readPart(cell, kMaxHours, hours) || !readSeparator(cell) || !readPart(cell, 59, minutes) ||
        !readSeparator(cell) || !readPart(cell, 59, seconds) || !cell.empty())
        return std::nullopt;
    return (hours * 60 + minutes) * 60 + seconds;
}

std::int64_t sumTimeCells(const std::vector<std::string>& cells)
{
    std::int64_t total = 0;
    for (const std::string& cell : cells)
        total += readTimeCell(cell).value_or(0);
    return total;
}

std::string TimeSelectedText(const std::vector<std::string>& selectedTimeCells)
{
    return "Full Time " + formatTimeText(static_cast<double>(sumTimeCells(selectedTimeCells)));
}

}  // namespace tarnix
