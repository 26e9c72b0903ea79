#include "path/path_builder.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "common/time_sliced_pump.h"
#include "interpretation/roland_commands.h"
#include "interpretation/program_line_reader.h"

#include <chrono>
#include <new>
#include <random>

namespace tarnix {
namespace {

// The progress bar counts in units of 128 bytes.
constexpr long long kProgressUnit = 128;

// Clears the busy flag and hides the progress bar however the build ends.
class BuildGuard {
public:
    BuildGuard(bool& building, ProgressSink* progress) : building_(building), progress_(progress)
    {
        building_ = true;
    }
    ~BuildGuard()
    {
        building_ = false;
        if (progress_ != nullptr)
            progress_->setVisible(false);
    }

private:
    bool& building_;
    ProgressSink* progress_;
};

}  // namespace

PathBuilder::PathBuilder(InterpreterContext& context)
    : context_(context), gcode_(context), roland_(context)
{
}

void PathBuilder::ClearPath()
{
    context_.FPathPoints = std::make_unique<TD3FloatPointList>();
}

void PathBuilder::setSpeedScales()
{
    // Computed in extended precision; a divisor of zero gives an infinite
    // scale, which only makes the colour saturate.
    TInterpreterSettings& settings = context_.settings;
    long double maximum = parseInt(settings.edMax);
    long double minimum = parseInt(settings.edMin);
    settings.gSpeedScale1 = static_cast<double>(0.9L / (maximum - minimum));
    settings.gSpeedScale2 = static_cast<double>(0.9L / (maximum / 2 - minimum));
    settings.gSpeedScale3 = static_cast<double>(0.9L / (maximum / 3 - minimum));
}

void PathBuilder::pickRandomFeedColor()
{
    static std::mt19937 generator(
        static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> step(0, 4);
    for (float& component : context_.settings.FG1ColorGL)
        component = static_cast<float>(step(generator) / 10.0 + 0.2);
}

void PathBuilder::MakePath(const std::string& path)
{
    if (building_)
        return;
    setSpeedScales();
    if (path.empty())
        return;
    if (context_.settings.FColorRandom)
        pickRandomFeedColor();
    else
        ColorToGLColor();

    TInterpreterState& state = context_.state;
    state.gX = state.gY = state.gZ = 0;
    state.gI = state.gJ = state.gK = 0;
    state.gPlane = 17;
    state.gDistMode = 90;

    ProgramLineReader reader(path);
    ProgressSink* progress = context_.ProgressBar;
    BuildGuard guard(building_, progress);

    const long long size = reader.sizeInBytes() / kProgressUnit;
    const long long step = std::max(1LL, size / 100);
    if (progress != nullptr) {
        progress->setMaximum(size);
        progress->setVisible(true);
    }

    try {
        readAndInterpret(reader, size, step);
    } catch (const std::bad_alloc&) {
        // A small program can ask for millions of points. The point list
        // only grows by whole records, so what was built stays drawable.
        throw OutOfMemoryError("Out of memory at line " + std::to_string(linesRead_) + " of \"" + path +
                               "\": the path is shown as far as it was built.");
    }
    if (context_.events != nullptr)
        context_.events->pump();
}

void PathBuilder::readAndInterpret(ProgramLineReader& reader, long long maximum, long long step)
{
    ProgressSink* progress = context_.ProgressBar;
    TimeSlicedPump pump(context_.events, pumpInterval, pointsAdded);
    std::string_view line;
    std::int32_t& lineNo = linesRead_;
    lineNo = 0;
    long long nextPosition = step;
    while (reader.readLine(line)) {
        ++lineNo;
        // The bar counts the bytes read against the file's size, so it only
        // moves forwards, however long the lines are; it moves every
        // hundredth of the file.
        if (progress != nullptr) {
            const long long position = std::min(reader.bytesRead() / kProgressUnit, maximum);
            if (position >= nextPosition) {
                progress->setPosition(position);
                nextPosition = position + step;
            }
        }
        interpretLine(line, lineNo);
        if (pump.poll())
            break;
    }
}

void PathBuilder::interpretLine(std::string_view line, std::int32_t lineNo)
{
    switch (context_.settings.programKind) {
    case ProgramKind::Fanuc:
        gcode_.ParseFanucStr(line, lineNo);
        break;
    case ProgramKind::Roland:
        forEachRolandCommand(line, false, [&](std::string_view command) { roland_.ParseRolandStr(command, lineNo); });
        break;
    case ProgramKind::None:
        break;
    }
}

}  // namespace tarnix
