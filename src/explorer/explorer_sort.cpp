#include "explorer/explorer_sort.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>

namespace tarnix {
namespace {

enum SubItem { kDate = 0, kSize = 1, kProgramTime = 3, kLines = 4 };

// What the comparison reads from one row, once per sort.
struct SortValue {
    bool ordered = true;
    std::optional<double> number;  // Filename: only when the name starts with one
    const std::string* caption = nullptr;
};

// Sizes may carry the archive listing's thousands separators and exceed
// 32 bits: the column is read as the list writes it.
double readSize(const std::string& text)
{
    std::string digits;
    for (char c : text)
        if (c != ',')
            digits += c;
    std::int64_t value = 0;
    const char* first = digits.data() + (digits.starts_with('+') ? 1 : 0);
    const char* last = digits.data() + digits.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (digits.empty() || error != std::errc() || end != last)
        throw invalidInteger(text);
    return static_cast<double>(value);
}

// "2_rough.nc" counts as 2 and "3,5 x.nc" as 3.5: the text before the first
// blank or "_", with "," read as the decimal point.
std::optional<double> leadingNumber(const std::string& caption)
{
    std::string key = caption.substr(0, caption.find_first_of(" _"));
    std::replace(key.begin(), key.end(), ',', '.');
    return key.empty() ? std::nullopt : tryParseFloat(key);
}

SortValue valueOf(const ListRow& row, const std::string& key, const ListDateFormat& dates)
{
    SortValue value;
    value.caption = &row.caption;
    const std::array<std::string, 5>& cells = row.subItems;
    if (row.caption.empty()) {
        value.ordered = false;
    } else if (key == "Filesize") {
        value.number = readSize(cells[kSize]);
    } else if (key == "Filename") {
        value.number = leadingNumber(row.caption);
    } else if (key == "Date") {
        value.ordered = cells[kDate].find(':') != std::string::npos;
        if (value.ordered)
            value.number = static_cast<double>(readListDate(cells[kDate], dates));
    } else if (key == "ProgTime") {
        value.ordered = cells[kProgramTime].find(':') != std::string::npos;
        if (value.ordered)
            value.number = readTimeOfDay(cells[kProgramTime]);
    } else if (key == "Lines") {
        value.ordered = cells[kLines].find("not") == std::string::npos;
        if (value.ordered)
            value.number = parseInt(cells[kLines]);
    } else {
        value.ordered = false;
    }
    return value;
}

// `lvFilesCompare` of two ordered rows: negative places `a` first.
int lvFilesCompare(const SortValue& a, const SortValue& b, const std::string& key, std::int32_t direction)
{
    int sign = 0;
    if (a.number && b.number)
        sign = *a.number < *b.number ? -1 : *a.number > *b.number ? 1 : 0;
    else
        sign = a.caption->compare(*b.caption) < 0 ? -1 : *a.caption == *b.caption ? 0 : 1;
    // Dates and program times run the other way: newest and longest first.
    const bool newestFirst = key == "Date" || key == "ProgTime";
    return newestFirst ? sign * -direction : sign * direction;
}

}  // namespace

void ListSortState::lvFilesColumnClick(int column)
{
    if (column == gSortColumn)
        gSortDir = gSortDir == -1 ? 1 : -1;
    static const std::array<const char*, 6> keys{"Filename", "Date", "Filesize", "", "ProgTime", "Lines"};
    gSortKey = column >= 0 && column < static_cast<int>(keys.size()) ? keys[static_cast<std::size_t>(column)] : "";
    gSortColumn = column;
}

std::vector<std::size_t> lvFilesSortOrder(const std::vector<ListRow>& rows, const ListSortState& state,
                                          const ListDateFormat& dates)
{
    std::vector<SortValue> values;
    values.reserve(rows.size());
    for (const ListRow& row : rows)
        values.push_back(valueOf(row, state.gSortKey, dates));

    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
        const SortValue& a = values[i];
        const SortValue& b = values[j];
        if (a.ordered != b.ordered)
            return a.ordered;
        return a.ordered && lvFilesCompare(a, b, state.gSortKey, state.gSortDir) < 0;
    });
    return order;
}

}  // namespace tarnix
