#include "interpretation/powermill_info_reader.h"

#include "common/number_format.h"
#include "common/number_text.h"
#include "common/text_encoding.h"
#include "interpretation/log_pane.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/reader_string_utils.h"
#include "interpretation/side_keywords.h"

namespace tarnix {
namespace {

// The labels of the values, in the order of SideKeyword; the section words
// have none.
constexpr std::string_view kLabels[] = {
    "", " Diameter: ", " Length: ", "",
    " Min X: ", " Min Y: ", " Min Z: ", " Max X: ", " Max Y: ", " Max Z: ",
    "", "", " feedrate: ", " plunge rate: ", " Spindle speed: ",
};

// The spindle speed follows its keyword directly in some files and after a
// colon in others ("SPINDLE SPEED: 18000"); the number is what follows it.
std::string afterColon(const std::string& value)
{
    return value.starts_with(':') ? value.substr(1) : value;
}

}  // namespace

std::string PowerMillInfoReader::infoFileName(const std::string& programFileName)
{
    const std::size_t dot = programFileName.rfind('.');
    return (dot == std::string::npos ? std::string() : programFileName.substr(0, dot + 1)) + "inf";
}

void PowerMillInfoReader::GetPowerMillInfo(const std::string& programFileName)
{
    const std::string infoName = infoFileName(programFileName);
    if (!ProgramLineReader::exists(infoName)) {
        appendToScroll(context_, "  Can't find info file");
        return;
    }
    ProgramLineReader reader(infoName);
    appendToScroll(context_, "=== Information from PowerMill INFO file ===");
    for (std::string line; reader.readLine(line);)
        readLine(decodeProgramText(line));
}

void PowerMillInfoReader::readLine(const std::string& decodedLine)
{
    static const SideKeywordTable table = sideKeywordTable("    TIME:");
    const std::string text = sideKeywordSearchText(decodedLine);
    const std::optional<SideKeywordMatch> match = findSideKeyword(text, table);
    if (!match)
        return;

    const std::string_view k = match->text;
    double value = 0;
    switch (match->keyword) {
    case SideKeyword::Cutter:
        appendToScroll(context_, "ФРЕЗА:");
        return;
    case SideKeyword::Stock:
        appendToScroll(context_, "ЗАГОТОВКА:");
        return;
    case SideKeyword::Statistics:
        appendToScroll(context_, "СТАТИСТИКА УП: ");
        return;
    case SideKeyword::Time:
        // From the colon on, as it stands after the commas and letters changed.
        appendToScroll(context_, " Time length " + std::string(fromCharacter(k, 9)));
        return;
    case SideKeyword::Diameter:
        value = parseFloat(fromCharacter(k, 10));
        break;
    case SideKeyword::Length:
        value = parseFloat(fromCharacter(k, 8));
        break;
    case SideKeyword::FeedRate:
    case SideKeyword::PlungeRate:
        value = parseFloat(DelSpaceInStr(std::string(fromCharacter(k, 14))));
        break;
    case SideKeyword::SpindleSpeed:
        value = parseFloat(afterColon(DelSpaceInStr(std::string(fromCharacter(k, 14)))));
        break;
    default:  // the box limits
        value = parseFloat(fromCharacter(k, 7));
        break;
    }

    appendToScroll(context_, std::string(kLabels[static_cast<int>(match->keyword)]) +
                                 formatGeneral(value));
    switch (match->keyword) {
    case SideKeyword::Diameter:
        context_.programBox.gToolRadius = value / 2;
        break;
    case SideKeyword::MinX:
    case SideKeyword::MinY:
    case SideKeyword::MinZ:
    case SideKeyword::MaxX:
    case SideKeyword::MaxY:
    case SideKeyword::MaxZ:
        if (context_.settings.programKind == ProgramKind::Fanuc)
            boxLimit(context_.programBox, match->keyword) = value;
        break;
    default:
        break;
    }
}

}  // namespace tarnix
