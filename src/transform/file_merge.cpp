#include "transform/file_merge.h"

#include "common/text_encoding.h"
#include "interpretation/program_line_reader.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tarnix {
namespace {

constexpr std::string_view kToolIdKey = "Tool Id:";

std::string trimmed(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// Where the end code `code` stands as a word of its own: "M2" is not the
// start of "M25", nor "M30" of "M300".
std::size_t findEndCode(std::string_view line, std::string_view code)
{
    for (std::size_t at = line.find(code); at != std::string_view::npos; at = line.find(code, at + 1)) {
        const std::size_t after = at + code.size();
        if (after == line.size() || !std::isdigit(static_cast<unsigned char>(line[after])))
            return at;
    }
    return std::string_view::npos;
}

// Cuts the line before its program-end code: "M02", else "M2"; then "M30".
void cutEndCodes(std::string& line)
{
    std::size_t at = findEndCode(line, "M02");
    if (at == std::string::npos)
        at = findEndCode(line, "M2");
    if (at != std::string::npos)
        line.resize(at);
    at = findEndCode(line, "M30");
    if (at != std::string::npos)
        line.resize(at);
}

}  // namespace

FileMerge::FileMerge(ProgressSink& progress, EventPump& events, ExitQuestion askExitNow)
    : progress_(progress), events_(events), askExitNow_(std::move(askExitNow))
{
}

bool FileMerge::askAboutTool(const std::string& FileName, const std::string& current, const std::string& first)
{
    return askExitNow_("File: " + decodeProgramText(FileName) + ". Possibly different tool: \n\r Current - " +
                       decodeProgramText(current) + " Previouse -" + decodeProgramText(first) + ". Exit now?");
}

MergeOutcome FileMerge::merge(bool First, bool Last, const std::string& FileName, MergeOutputFile& F,
                              bool makingArray)
{
    ProgramLineReader input(FileName);
    const long long blocks = (input.sizeInBytes() + 127) / 128;
    progress_.setMaximum(blocks);
    progress_.setVisible(true);

    if (First)
        closingPercent_.clear();
    bool copiedFromThisProgram = false;
    std::string S;
    while (input.readLine(S)) {
        ++FLineNo;
        if (S.empty())
            continue;
        const bool comment = S.find('(') != std::string::npos;
        const std::size_t toolAt = comment ? std::string::npos : S.find('T');
        const std::size_t toolIdAt = comment ? S.find(kToolIdKey) : std::string::npos;
        if (First) {
            // A "%" that closes the first program would end the tape in the
            // middle: a control stops reading there and never cuts the
            // programs after it. It moves to the end of the merged program.
            if (!Last && S.front() == '%' && copiedFromThisProgram) {
                closingPercent_ = S;
                continue;
            }
            if (toolAt != std::string::npos)
                gMergeTool = trimmed(std::string_view(S).substr(toolAt));
            if (toolIdAt != std::string::npos)
                gMergeToolId = trimmed(std::string_view(S).substr(toolIdAt + kToolIdKey.size()));
        } else {
            if (S.front() == '%')
                continue;
            if (!makingArray) {
                if (toolAt != std::string::npos) {
                    const std::string tool = trimmed(std::string_view(S).substr(toolAt));
                    if (tool != gMergeTool && askAboutTool(FileName, tool, gMergeTool))
                        return MergeOutcome::GivenUp;
                }
                if (toolIdAt != std::string::npos) {
                    const std::string toolId = trimmed(std::string_view(S).substr(toolIdAt + kToolIdKey.size()));
                    if (!toolId.empty() && !gMergeToolId.empty() && toolId != gMergeToolId &&
                        askAboutTool(FileName, toolId, gMergeToolId))
                        return MergeOutcome::GivenUp;
                }
            }
        }
        if (!Last)
            cutEndCodes(S);
        events_.pump();
        if (events_.terminating())
            return MergeOutcome::Terminated;
        if (FLineNo % 100 == 0)
            progress_.setPosition(std::min(FLineNo, blocks));
        if (S.empty() || (S == "M30" && F.previousLine() == "M30"))
            continue;
        F.writeLine(S);
        copiedFromThisProgram = true;
    }
    if (Last && !First && !closingPercent_.empty())
        F.writeLine(closingPercent_);
    return MergeOutcome::Copied;
}

}  // namespace tarnix
