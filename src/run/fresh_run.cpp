#include "run/fresh_run.h"

#include "common/number_text.h"

namespace tarnix {

void startFreshRun(InterpreterContext& context, bool transforming)
{
    TInterpreterState& s = context.state;
    TRunTotals& totals = context.totals;
    totals.FTime = totals.FLength = 0;
    s.gSavedFeed = s.gSavedFeedZ = 0;
    s.gX = s.gY = s.gZ = s.gI = s.gJ = s.gK = 0;
    if (context.converter != nullptr)
        context.converter->startRun(transforming);
    // A Roland program starts at its travel speed.
    s.gFeed = context.settings.programKind == ProgramKind::Fanuc ? parseInt(context.settings.edRapid) : 64.0;
    s.gPlane = 17;
    s.gDistMode = 90;
    totals.FPrevX = totals.FPrevY = totals.FPrevZ = 0;
    totals.FFirstMove = true;
}

}  // namespace tarnix
