#include "interpretation/status_bar_writer.h"

#include "common/number_format.h"
#include "common/time_length_text.h"

namespace tarnix {

std::string lineTimeLengthText(long long line, double seconds, double millimetres)
{
    return "Line " + std::to_string(line) + "  Time " + formatTimeText(seconds) +
           "  Length(m) " + formatLengthText(millimetres);
}

void SetStatusBar(InterpreterContext& context, int mode)
{
    if (context.status == nullptr)
        return;
    const TInterpreterState& s = context.state;
    switch (mode) {
    case -1:
        for (int panel = 0; panel <= 2; ++panel)
            context.status->setPanel(panel, "");
        break;
    case 0:
        context.status->setPanel(0, formatGeneral(s.gX) + ", " + formatGeneral(s.gY) + ", " +
                                        formatGeneral(s.gZ));
        break;
    case 1: {
        const char* labels[3];
        if (context.settings.programKind == ProgramKind::Roland) {
            labels[0] = "V:"; labels[1] = ", F:"; labels[2] = ", S:";
        } else if (context.settings.programKind == ProgramKind::Fanuc) {
            labels[0] = "F:"; labels[1] = ", Fz:"; labels[2] = ", S:";
        } else {
            break;
        }
        context.status->setPanel(1, labels[0] + formatGeneral(s.gFeed) + labels[1] +
                                        formatGeneral(s.gFeedZ) + labels[2] +
                                        formatGeneral(s.gSpindle));
        break;
    }
    case 2:
        context.status->setPanel(2, lineTimeLengthText(context.caretLine(), context.totals.FTime,
                                                       context.totals.FLength));
        break;
    default:
        break;
    }
}

}  // namespace tarnix
