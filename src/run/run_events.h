#pragma once
// What the run engine reports to the window. The fourth event, the yield,
// is the window's EventPump (common/sinks.h).

#include "run/cnc_debugger_state.h"

namespace tarnix {

class RunEvents {
public:
    virtual ~RunEvents() = default;
    // A breakpoint was set or removed on `line`; -1 after all were cleared.
    virtual void OnBreakpointChange(int line) = 0;
    // The current line or the state changed; read the engine's currentLine().
    // Each step relies on this to bring the caret to the line it executes.
    virtual void OnCurrentLineChange() = 0;
    // Called before the new state is in force.
    virtual void OnStateChange(TCNCDebuggerState oldState, TCNCDebuggerState newState) = 0;
};

}  // namespace tarnix
