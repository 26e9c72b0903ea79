#include "run/start_point_scan.h"

#include "common/number_text.h"

namespace tarnix {
namespace {

// The characters after the first `letter` while `belongs` holds; empty when
// the line lacks the letter.
template <typename Belongs>
std::string_view runAfter(std::string_view line, char letter, Belongs belongs)
{
    const std::size_t at = line.find(letter);
    if (at == std::string_view::npos)
        return {};
    std::size_t end = at + 1;
    while (end < line.size() && belongs(line[end]))
        ++end;
    return line.substr(at + 1, end - at - 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool readGWord(std::string_view line, TInterpreterState& state)
{
    switch (parseInt(runAfter(line, 'G', isDigit))) {
    case 0: state.gMoveMode = 0; return true;
    case 1: state.gMoveMode = 1; return true;
    case 17: state.gPlane = 17; return true;
    case 18: state.gPlane = 18; return true;
    case 19: state.gPlane = 19; return true;
    case 90: state.gDistMode = 90; return true;
    case 91: state.gDistMode = 91; return true;
    default: return false;
    }
}

}  // namespace

bool readStartPointLine(char letter, std::string_view line, TInterpreterState& state)
{
    if (line.starts_with('('))
        return false;
    if (letter == 'G')
        return readGWord(line, state);
    const std::string_view number =
        runAfter(line, letter, [](char c) { return isDigit(c) || c == '.' || c == '-' || c == '+'; });
    if (number.empty())
        return false;
    double& axis = letter == 'X' ? state.gX : letter == 'Y' ? state.gY : state.gZ;
    axis = parseFloat(number);
    return true;
}

}  // namespace tarnix
