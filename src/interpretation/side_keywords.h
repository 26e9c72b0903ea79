#pragma once
// The keyword lines shared by ".tap" comment headers and PowerMill
// information files. A line is searched in its decoded form with "," turned
// into "." and its ASCII letters upper-cased; the Cyrillic section words
// keep their case, so they match only as written. The first keyword of the
// table found anywhere in the line decides.

#include "interpretation/program_box.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

// In the order they are tested.
enum class SideKeyword {
    Cutter, Diameter, Length, Stock,
    MinX, MinY, MinZ, MaxX, MaxY, MaxZ,
    Statistics, Time, FeedRate, PlungeRate, SpindleSpeed,
};

using SideKeywordTable = std::array<std::string_view, 15>;

// The header and the information file differ only in the time keyword.
SideKeywordTable sideKeywordTable(std::string_view timeKeyword);

struct SideKeywordMatch {
    SideKeyword keyword;
    // The line from the keyword's first character to its end.
    std::string_view text;
};

// The decoded line as the keywords are searched in.
std::string sideKeywordSearchText(std::string_view decodedLine);

std::optional<SideKeywordMatch> findSideKeyword(std::string_view searchText,
                                                const SideKeywordTable& table);

// The box field a "MIN X:" to "MAX Z:" keyword sets; `keyword` must be one of them.
double& boxLimit(TProgramBox& box, SideKeyword keyword);

// Positions count characters, not bytes: a decoded Windows-1251 line holds
// each Cyrillic letter in two bytes, where the file held one.
// The text from character `position` (counted from 1) on; empty past the end.
std::string_view fromCharacter(std::string_view text, std::size_t position);
// The text without its last character.
std::string_view withoutLastCharacter(std::string_view text);

}  // namespace tarnix
