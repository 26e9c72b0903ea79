#include "interpretation/whole_file_scanner.h"

#include "common/number_format.h"
#include "common/number_text.h"
#include "interpretation/gcode_interpreter.h"
#include "interpretation/log_pane.h"
#include "interpretation/powermill_info_reader.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/scan_progress.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace tarnix {
namespace {

constexpr double kTravelSpeed = 64.0;

// A range that takes its first value whole.
struct ScanRange {
    double min = 0, max = 0;
    bool empty = true;

    void take(double value)
    {
        if (empty) {
            min = max = value;
            empty = false;
            return;
        }
        min = std::min(min, value);
        max = std::max(max, value);
    }

    // The travel speed neither opens the range nor raises its maximum, but
    // once the range is open it may lower the minimum.
    void takeSpeed(double value)
    {
        if (empty) {
            if (value != kTravelSpeed)
                take(value);
            return;
        }
        if (value < min)
            min = value;
        if (value > max && value != kTravelSpeed)
            max = value;
    }
};

struct RolandRanges {
    ScanRange x, y, z, v, f;
};

// "Z" x "," y "," z, the z running to the first ";" after it. A line with
// fewer than two "," lacks pieces, which convert as empty texts and fail.
void readZLine(std::string_view line, RolandRanges& ranges)
{
    const std::size_t first = line.find(',');
    const std::size_t second = first == std::string_view::npos ? first : line.find(',', first + 1);
    std::string_view x, y, z;
    if (first != std::string_view::npos)
        x = line.substr(1, first - 1);
    if (second != std::string_view::npos) {
        y = line.substr(first + 1, second - first - 1);
        const std::size_t end = line.find(';', second + 1);
        z = line.substr(second + 1, end == std::string_view::npos ? end : end - second - 1);
    }
    const double xValue = parseFloat(x);
    const double yValue = parseFloat(y);
    const double zValue = parseFloat(z);
    ranges.x.take(xValue);
    ranges.y.take(yValue);
    ranges.z.take(zValue);
}

// "V" or "F" and the speed up to the line's first ";".
double speedValue(std::string_view line)
{
    const std::size_t end = line.find(';');
    return parseFloat(line.substr(1, end == std::string_view::npos ? end : end - 1));
}

std::string lineCountText(const char* format, long long count)
{
    char text[64];
    std::snprintf(text, sizeof text, format, count);
    return text;
}

std::string rangeText(const char* axis, double max, double min)
{
    return std::string(axis) + " max =" + formatGeneral(max) + " " + axis +
           " min =" + formatGeneral(min);
}

std::int32_t clampedToInt32(long long count)
{
    return static_cast<std::int32_t>(std::min<long long>(count, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void WholeFileScanner::GetRolandFileInfo(const std::string& fileName)
{
    if (fileName.empty() || fileName == "Untitled")
        return;

    RolandRanges ranges;
    long long lines = 0;
    {
        ProgramLineReader reader(fileName);
        ScanProgress progress(context_.ProgressBar, reader.sizeInBytes());
        for (std::string line; reader.readLine(line); progress.lineDone()) {
            if (line.empty())
                continue;
            if (line.front() == 'Z')
                readZLine(line, ranges);
            else if (line.front() == 'V')
                ranges.v.takeSpeed(speedValue(line));
            else if (line.front() == 'F')
                ranges.f.takeSpeed(speedValue(line));
        }
        // Stored only once the whole file has been read: a failed scan leaves
        // the box as it was.
        TProgramBox& box = context_.programBox;
        box.gMinX = ranges.x.min;
        box.gMinY = ranges.y.min;
        box.gMinZ = ranges.z.min;
        box.gMaxX = ranges.x.max;
        box.gMaxY = ranges.y.max;
        box.gMaxZ = ranges.z.max;
        box.gMinF = ranges.f.min;
        box.gMaxF = ranges.f.max;
        progress.hide();
        lines = progress.lines();
    }
    context_.programBox.gLineCount = clampedToInt32(lines);

    if (context_.status != nullptr)
        context_.status->setPanel(3, lineCountText("Строк: %3lld", lines));
    appendToScroll(context_, "Lines: " + std::to_string(lines));
    appendToScroll(context_, rangeText("X", ranges.x.max, ranges.x.min));
    appendToScroll(context_, rangeText("Y", ranges.y.max, ranges.y.min));
    appendToScroll(context_, rangeText("Z", ranges.z.max, ranges.z.min));
    appendToScroll(context_, rangeText("V", ranges.v.max, ranges.v.min));
    // The F range is shown only while it lies within 1 to 64.
    if (ranges.f.max <= kTravelSpeed && ranges.f.min >= 1)
        appendToScroll(context_, rangeText("F", ranges.f.max, ranges.f.min));
    appendToScroll(context_, std::string(35, '='));

    PowerMillInfoReader(context_).GetPowerMillInfo(fileName);
}

void WholeFileScanner::GetFanucTapFileInfo(const std::string& fileName)
{
    TInterpreterState& s = context_.state;
    // Widened as a copy from the record's current values and stored only
    // once the whole file has been read: a failed scan leaves the box as it was.
    TProgramBox box = context_.programBox;
    long long lines = 0;
    {
        ProgramLineReader reader(fileName);
        ScanProgress progress(context_.ProgressBar, reader.sizeInBytes());
        s.gFeed = 0;
        GCodeInterpreter interpreter(context_);
        for (std::string line; reader.readLine(line);) {
            progress.lineDone();
            interpreter.ParseFanucStr(line, clampedToInt32(progress.lines()));
            box.gMinX = std::min(box.gMinX, s.gX);
            box.gMinY = std::min(box.gMinY, s.gY);
            box.gMinZ = std::min(box.gMinZ, s.gZ);
            box.gMaxX = std::max(box.gMaxX, s.gX);
            box.gMaxY = std::max(box.gMaxY, s.gY);
            box.gMaxZ = std::max(box.gMaxZ, s.gZ);
            if (box.gMinF > s.gFeed && s.gFeed != 0)
                box.gMinF = s.gFeed;
            // The rapid feed is no cutting feed; its setting is read only when needed.
            if (box.gMaxF < s.gFeed && s.gFeed != parseInt(context_.settings.edRapid))
                box.gMaxF = s.gFeed;
        }
        progress.hide();
        lines = progress.lines();
    }
    box.gLineCount = clampedToInt32(lines);
    context_.programBox = box;

    if (context_.status != nullptr)
        context_.status->setPanel(3, lineCountText("Lines: %3lld", lines));
    appendToScroll(context_, "Lines: " + std::to_string(lines));
    appendToScroll(context_, rangeText("X", box.gMaxX, box.gMinX));
    appendToScroll(context_, rangeText("Y", box.gMaxY, box.gMinY));
    appendToScroll(context_, rangeText("Z", box.gMaxZ, box.gMinZ));
    appendToScroll(context_, rangeText("F", box.gMaxF, box.gMinF));
    if (context_.events != nullptr)
        context_.events->pump();
}

}  // namespace tarnix
