#include "interpretation/side_keywords.h"

#include "common/number_text.h"
#include "interpretation/reader_string_utils.h"

namespace tarnix {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

SideKeywordTable sideKeywordTable(std::string_view timeKeyword)
{
    return {"Фреза", "DIAMETER:", "LENGTH:", "Заготовка",
            "MIN X:", "MIN Y:", "MIN Z:", "MAX X:", "MAX Y:", "MAX Z:",
            "Статистика УП:", timeKeyword, "FEEDRATE", "PLUNGE RATE", "SPINDLE SPEED"};
}

std::string sideKeywordSearchText(std::string_view decodedLine)
{
    std::string text = commasToPoints(decodedLine);
    return upCaseStr(text);
}

std::optional<SideKeywordMatch> findSideKeyword(std::string_view searchText,
                                                const SideKeywordTable& table)
{
    for (std::size_t index = 0; index < table.size(); ++index) {
        const std::size_t at = searchText.find(table[index]);
        if (at != std::string_view::npos)
            return SideKeywordMatch{static_cast<SideKeyword>(index), searchText.substr(at)};
    }
    return std::nullopt;
}

double& boxLimit(TProgramBox& box, SideKeyword keyword)
{
    switch (keyword) {
    case SideKeyword::MinX: return box.gMinX;
    case SideKeyword::MinY: return box.gMinY;
    case SideKeyword::MinZ: return box.gMinZ;
    case SideKeyword::MaxX: return box.gMaxX;
    case SideKeyword::MaxY: return box.gMaxY;
    default: return box.gMaxZ;
    }
}

std::string_view fromCharacter(std::string_view text, std::size_t position)
{
    std::size_t at = 0;
    for (std::size_t skipped = 1; skipped < position && at < text.size(); ++skipped) {
        ++at;
        while (at < text.size() && isContinuationByte(text[at]))
            ++at;
    }
    return text.substr(at);
}

std::string_view withoutLastCharacter(std::string_view text)
{
    if (text.empty())
        return text;
    std::size_t at = text.size() - 1;
    while (at > 0 && isContinuationByte(text[at]))
        --at;
    return text.substr(0, at);
}

}  // namespace tarnix
