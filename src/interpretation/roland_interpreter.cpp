#include "interpretation/roland_interpreter.h"

#include "common/number_format.h"
#include "common/number_text.h"
#include "common/text_encoding.h"
#include "interpretation/status_bar_writer.h"

#include <cmath>

namespace tarnix {
namespace {

// The speed that marks a travel move, compared exactly.
constexpr double kTravelSpeed = 64.0;
// Scene units per machine step.
constexpr long double kSceneScale = 0.0001L;

}  // namespace

double RolandInterpreter::GetNum(std::string_view text)
{
    if (!text.empty() && text.front() == 'Z')
        text.remove_prefix(1);
    return parseFloat(text);
}

bool RolandInterpreter::ParseRolandStr(std::string_view command, std::int32_t lineNo)
{
    TInterpreterState& s = context_.state;
    const TInterpreterSettings& settings = context_.settings;
    bool result = true;

    const char kind = command.empty() ? '\0' : command.front();
    if (kind == 'F') {
        s.gFeedZ = parseFloat(command.substr(1));
        result = !settings.cbFchange;
    } else if (kind == 'V') {
        s.gFeed = parseFloat(command.substr(1));
        result = !settings.cbFchange;
    } else if (kind == 'Z') {
        readZCommand(command);
    }

    // The state changes first, so a speed command's point already carries
    // the new speed's colour.
    const bool travel = s.gFeed == kTravelSpeed || s.gFeedZ == kTravelSpeed;
    const GLColor& color = travel ? settings.FG0ColorGL : settings.FG1ColorGL;
    context_.FPathPoints->Add(color, lineNo, kSceneScale * s.gX, kSceneScale * s.gY,
                              kSceneScale * s.gZ, s.gFeed, travel);
    return result;
}

// "Z" x "," y "," z: every piece before a comma goes to X (the first) or Y
// (any later one), the piece after the last comma to Z. Axes not named keep
// their values.
void RolandInterpreter::readZCommand(std::string_view command)
{
    TInterpreterState& s = context_.state;
    std::string_view rest = command;
    int piece = 0;
    for (std::size_t comma = rest.find(','); comma != std::string_view::npos;
         comma = rest.find(',')) {
        const double value = GetNum(rest.substr(0, comma));
        (piece == 0 ? s.gX : s.gY) = value;
        rest.remove_prefix(comma + 1);
        ++piece;
    }
    s.gZ = GetNum(rest);
}

bool RolandInterpreter::SimulateRolandStr(std::string_view command, std::int32_t lineNo)
{
    const bool result = ParseRolandStr(command, lineNo);

    const TInterpreterState& s = context_.state;
    TRunTotals& totals = context_.totals;
    const double dx = s.gX - totals.FPrevX;
    const double dy = s.gY - totals.FPrevY;
    const double dz = s.gZ - totals.FPrevZ;
    // 0.01 × the distance in steps; the speed counts in those units per second.
    const double length = std::sqrt(0.0001 * dx * dx + 0.0001 * dy * dy + 0.0001 * dz * dz);
    totals.FLength += length;
    totals.FTime += s.gFeed != 0 ? length / s.gFeed : length / 0.5;

    const TInterpreterSettings& settings = context_.settings;
    if ((settings.cbDelay && settings.tbDelay != 0) || !result)
        showStatus(command);

    totals.FPrevX = s.gX;
    totals.FPrevY = s.gY;
    totals.FPrevZ = s.gZ;
    totals.FFirstMove = false;
    return result;
}

void RolandInterpreter::showStatus(std::string_view command)
{
    StatusSink* status = context_.status;
    if (status == nullptr)
        return;
    const TInterpreterState& s = context_.state;
    SetStatusBar(context_, 0);
    status->setPanel(1, "V:" + formatGeneral(s.gFeed) + ", F:" + formatGeneral(s.gFeedZ) +
                            ", S:" + formatGeneral(s.gSpindle));
    status->setBlockLabel(decodeProgramText(command));
    SetStatusBar(context_, 2);
}

}  // namespace tarnix
