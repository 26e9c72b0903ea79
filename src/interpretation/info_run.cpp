#include "interpretation/info_run.h"

#include "common/number_format.h"
#include "common/number_text.h"
#include "common/time_length_text.h"
#include "common/time_sliced_pump.h"
#include "interpretation/roland_commands.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/program_loader.h"
#include "interpretation/status_bar_writer.h"

#include <algorithm>
#include <exception>

namespace tarnix {
namespace {

// The progress bar of one run: its maximum starts as an estimate of the
// line count and grows by half whenever the lines reach it. Positions are
// clamped to the maximum, as not every bar does that itself; the bar is
// hidden however the run ends.
class InfoRunProgress {
public:
    InfoRunProgress(ProgressSink* bar, long long fileSizeInBytes)
        : bar_(bar), maximum_(fileSizeInBytes / 128)
    {
        if (bar_ == nullptr)
            return;
        bar_->setMaximum(maximum_);
        bar_->setVisible(true);
    }
    ~InfoRunProgress()
    {
        if (bar_ != nullptr)
            bar_->setVisible(false);
    }
    InfoRunProgress(const InfoRunProgress&) = delete;
    InfoRunProgress& operator=(const InfoRunProgress&) = delete;

    void showLine(std::int32_t lineNo)
    {
        if (bar_ != nullptr && lineNo % 100 == 0)
            bar_->setPosition(std::min<long long>(lineNo, maximum_));
    }
    void growFor(std::int32_t lineNo)
    {
        if (bar_ != nullptr && lineNo >= maximum_) {
            maximum_ += maximum_ / 2;
            bar_->setMaximum(maximum_);
        }
    }

private:
    ProgressSink* bar_;
    long long maximum_;
};

bool isSkipped(const std::string& line) { return line.empty() || line.front() == '('; }

bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'; }

// The number right after the first upper-case `letter` of `line`: digits,
// ".", "-" and "+" as far as they go. Nothing when the letter is missing,
// the text is empty or does not convert.
std::optional<double> numberAfter(const std::string& line, char letter)
{
    const std::size_t at = line.find(letter);
    if (at == std::string::npos)
        return std::nullopt;
    std::size_t end = at + 1;
    while (end < line.size() && isNumberChar(line[end]))
        ++end;
    if (end == at + 1)
        return std::nullopt;
    return tryParseFloat(std::string_view(line).substr(at + 1, end - at - 1));
}

std::int32_t optionalLineNumber(const std::string& text)
{
    return text.empty() ? 0 : parseInt(text);
}

}  // namespace

InfoRun::InfoRun(InterpreterContext& context)
    : context_(context), gcode_(context), roland_(context)
{
}

// Position, plane, distance mode, feed, extents and the previous point start
// afresh; the move mode and the other modal values carry over.
void InfoRun::reset()
{
    TInterpreterState& s = context_.state;
    TRunTotals& totals = context_.totals;
    totals.FLineNo = 0;
    totals.FFirstMove = true;
    s.gX = s.gY = s.gZ = 0;
    s.gPlane = 17;
    s.gDistMode = 90;
    s.gFeed = kind_ == ProgramKind::Fanuc ? parseInt(context_.settings.edRapid) : 64;
    context_.infoBox.reset();
    totals.FPrevX = totals.FPrevY = totals.FPrevZ = 0;
}

std::optional<FileInfoFields> InfoRun::GetFileInfo()
{
    if (edFileName.empty())
        return std::nullopt;
    // A series of programs may mix kinds: the one loaded last decides only
    // for programs that do not name theirs.
    kind_ = programKindOf(edFileName).value_or(context_.settings.programKind);
    reset();
    ProgramLineReader reader(edFileName);
    const std::int32_t stopLine = optionalLineNumber(edStopPoint);
    const std::int32_t startLine = optionalLineNumber(edStartPoint);

    TRunTotals& totals = context_.totals;
    TInterpreterState& s = context_.state;
    totals.FFirstMove = true;
    totals.FTime = 0;
    totals.FLength = 0;
    s.gSavedFeed = 0;
    s.gSavedFeedZ = 0;

    InfoRunProgress progress(context_.ProgressBar, reader.sizeInBytes());
    TimeSlicedPump pump(context_.events, pumpInterval, pointsAdded);
    std::int32_t& lineNo = totals.FLineNo;
    std::string line;

    // Lines before the first line are only scanned for the position and
    // move mode the measurement starts from.
    while (lineNo < startLine && reader.readLine(line)) {
        ++lineNo;
        if (isSkipped(line))
            continue;
        if (pump.poll())
            break;
        progress.showLine(lineNo);
        if (kind_ == ProgramKind::Fanuc)
            preScanLine(line);
    }

    while (reader.readLine(line)) {
        ++lineNo;
        if (!isSkipped(line)) {
            progress.showLine(lineNo);
            progress.growFor(lineNo);
            if (lineNo >= startLine)
                interpretLine(line, lineNo);
            if (pump.poll())
                break;
        }
        if (lineNo == stopLine)
            break;
    }

    const std::string timeText = formatTimeText(totals.FTime);
    const std::string lengthText = formatLengthText(totals.FLength);
    StatusSink* status = context_.status;
    if (status != nullptr)
        status->setPanel(2, lineTimeLengthText(static_cast<long long>(lineNo) - startLine,
                                               totals.FTime, totals.FLength));

    const FileInfoFields info = fileInfoFields(timeText, lengthText);
    showDialog(info);

    totals.FFullTime += totals.FTime;
    if (status != nullptr) {
        status->setBlockLabel("");
        status->setPanel(1, "Full Time " + formatTimeText(totals.FFullTime));
    }
    return info;
}

void InfoRun::preScanLine(const std::string& line)
{
    TInterpreterState& s = context_.state;
    if (auto z = numberAfter(line, 'Z'))
        s.gZ = *z;
    if (auto x = numberAfter(line, 'X'))
        s.gX = *x;
    if (auto y = numberAfter(line, 'Y'))
        s.gY = *y;
    // A substring test: G01, G02 and G03 count as rapid here too.
    s.gMoveMode = line.find("G0") != std::string::npos ? 0 : 1;
}

void InfoRun::interpretLine(const std::string& line, std::int32_t lineNo)
{
    switch (kind_) {
    case ProgramKind::Fanuc:
        gcode_.ParseFanucStr(line, lineNo);
        break;
    case ProgramKind::Roland:
        // The rest after the last ";" is read too, even when it is empty.
        forEachRolandCommand(line, true, [&](std::string_view command) { roland_.SimulateRolandStr(command, lineNo); });
        break;
    case ProgramKind::None:
        break;
    }
}

FileInfoFields InfoRun::fileInfoFields(const std::string& timeText, const std::string& lengthText) const
{
    const TInfoRunBox& box = context_.infoBox;
    auto withRapid = [](double feedZ, double rapidZ) {
        return formatGeneral(feedZ) + "  G0(" + formatGeneral(rapidZ) + ")";
    };
    FileInfoFields info;
    info.edName = FSelectedFile;
    info.edTime = timeText;
    info.edLength = lengthText;
    info.lblLines = std::to_string(context_.totals.FLineNo);
    info.edMinX = formatGeneral(box.gInfoMinX);
    info.edMaxX = formatGeneral(box.gInfoMaxX);
    info.edMinY = formatGeneral(box.gInfoMinY);
    info.edMaxY = formatGeneral(box.gInfoMaxY);
    info.edMinZ = withRapid(box.gInfoMinZ, box.gInfoMinZG0);
    info.edMaxZ = withRapid(box.gInfoMaxZ, box.gInfoMaxZG0);
    info.edMinF = formatGeneral(box.gInfoMinF);
    info.edMaxF = formatGeneral(box.gInfoMaxF);
    return info;
}

// An error from the dialog does not stop the run from being counted.
void InfoRun::showDialog(const FileInfoFields& info)
{
    const bool quitting = context_.events != nullptr && context_.events->terminating();
    try {
        if (!quitting)
            showFileInfo(info);
    } catch (const std::exception&) {
    }
    requestRepaint();
}

void SetAsBox(const TInfoRunBox& infoBox, TProgramBox& programBox)
{
    programBox.gMaxX = infoBox.gInfoMaxX;
    programBox.gMinX = infoBox.gInfoMinX;
    programBox.gMaxY = infoBox.gInfoMaxY;
    programBox.gMinY = infoBox.gInfoMinY;
    programBox.gMaxZ = infoBox.gInfoMaxZ;
    programBox.gMinZ = infoBox.gInfoMinZ;
}

}  // namespace tarnix
