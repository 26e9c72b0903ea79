#include "interpretation/fanuc_header_reader.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_encoding.h"
#include "interpretation/log_pane.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/reader_string_utils.h"
#include "interpretation/side_keywords.h"

namespace tarnix {
namespace {

constexpr int kMarkerScanLines = 101;
constexpr int kHeaderLines = 100;

// The extension as the file-name functions give it: from the last "." of the
// name part, the dot included.
std::string fileNameExtension(const std::string& fileName)
{
    const std::size_t nameStart = fileName.rfind('/');
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return {};
    return fileName.substr(dot);
}

// The text of `k` from character `position` up to its first ")"; empty
// when no ")" follows.
std::string_view valueBeforeParenthesis(std::string_view k, std::size_t position)
{
    const std::size_t close = k.find(')');
    if (close == std::string_view::npos)
        return {};
    return fromCharacter(k.substr(0, close), position);
}

// Blanks trimmed at both ends, then only the text before an inner blank:
// "DIAMETER: 6 MM)" reads as 6.
std::string_view firstBlankSeparatedWord(std::string_view value)
{
    const std::size_t start = value.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    value.remove_prefix(start);
    return value.substr(0, value.find(' '));
}

}  // namespace

void FanucHeaderReader::GetFanucFileInfo(const std::string& fileName)
{
    if (fileName.empty() || fileName == "Untitled")
        return;

    bool marker = false;
    {
        ProgramLineReader reader(fileName);
        std::string line;
        for (int count = 0; count < kMarkerScanLines && reader.readLine(line); ++count)
            if (line.find("AirHead") != std::string::npos)
                marker = true;
    }
    context_.settings.cbAirHead = marker;

    if (!context_.settings.cbTap)
        return;
    try {
        GetFanucTapInfo(fileName);
    } catch (const TarnixError&) {
        // A faulty header only ends the header; the program still loads.
    }
}

void FanucHeaderReader::GetFanucTapInfo(const std::string& fileName)
{
    if (!ProgramLineReader::exists(fileName))
        return;
    const bool headerMode = fileNameExtension(fileName) == ".tap";
    ProgramLineReader reader(fileName);
    appendToScroll(context_, headerMode ? "====== Information from *.TAP PowerMill file ===="
                                        : "====== Information from file ====");

    std::string line;
    for (int count = 0; count < kHeaderLines && reader.readLine(line); ++count) {
        const std::string decoded = decodeProgramText(line);
        const std::size_t open = decoded.find('(');
        if (open != std::string::npos)
            appendToScroll(context_, decoded.substr(open));
        if (headerMode)
            readHeaderLine(decoded);
    }
}

void FanucHeaderReader::readHeaderLine(const std::string& decodedLine)
{
    static const SideKeywordTable table = sideKeywordTable("TIME:");
    const std::string text = sideKeywordSearchText(decodedLine);
    const std::optional<SideKeywordMatch> match = findSideKeyword(text, table);
    if (!match)
        return;

    std::string_view value;
    switch (match->keyword) {
    case SideKeyword::Diameter:
        value = firstBlankSeparatedWord(valueBeforeParenthesis(match->text, 10));
        if (!value.empty())
            context_.programBox.gToolRadius = parseFloat(value) / 2;
        break;
    case SideKeyword::Length:
        value = firstBlankSeparatedWord(valueBeforeParenthesis(match->text, 8));
        if (!value.empty())
            parseFloat(value);  // must be a number; the length is not kept
        break;
    case SideKeyword::MinX:
    case SideKeyword::MinY:
    case SideKeyword::MinZ:
    case SideKeyword::MaxX:
    case SideKeyword::MaxY:
    case SideKeyword::MaxZ:
        // Not trimmed: blanks alone between ":" and ")" are a conversion error.
        value = valueBeforeParenthesis(match->text, 7);
        if (!value.empty()) {
            const double limit = parseFloat(value);
            if (context_.settings.programKind == ProgramKind::Fanuc)
                boxLimit(context_.programBox, match->keyword) = limit;
        }
        break;
    case SideKeyword::FeedRate:
    case SideKeyword::PlungeRate:
    case SideKeyword::SpindleSpeed: {
        // From the 14th character to the last but one (the closing ")").
        const std::string digits =
            DelSpaceInStr(std::string(withoutLastCharacter(fromCharacter(match->text, 14))));
        if (!digits.empty())
            parseFloat(digits);  // must be a number; it is not kept
        break;
    }
    default:
        break;
    }
}

}  // namespace tarnix
