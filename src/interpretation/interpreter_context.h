#pragma once
// Everything a pass over program text reads and writes besides the text:
// the modal state, the totals, the extents, the settings, the tool path and
// the window's sinks. The window owns one for the whole process; the
// interpreters, path building, the information run and the run engine share it.

#include "common/sinks.h"
#include "interpretation/block_converter.h"
#include "interpretation/info_run_box.h"
#include "interpretation/interpreter_settings.h"
#include "interpretation/interpreter_state.h"
#include "interpretation/program_box.h"
#include "interpretation/run_totals.h"
#include "points/point_list.h"

#include <functional>
#include <memory>
#include <string>

namespace tarnix {

struct InterpreterContext {
    TInterpreterState state;
    TRunTotals totals;
    TInfoRunBox infoBox;
    TInterpreterSettings settings;
    TProgramBox programBox;
    // The converter of transformation runs, when one is attached.
    BlockConverter* converter = nullptr;
    std::unique_ptr<TD3FloatPointList> FPathPoints = std::make_unique<TD3FloatPointList>();

    // The block as the G-code interpreter understood it (shown in lbBlock);
    // written for the blocks that show it or are converted.
    std::string FBlockText;
    // An F word has been read; never cleared.
    bool FFeedWordSeen = false;
    // The Z-feed limit lowered gFeed and saved the feed here.
    double FSavedFeed = 0;
    bool FZFeedLimited = false;

    // The window's side. Null sinks ignore what they are given.
    StatusSink* status = nullptr;
    LineSink* FOutEdit = nullptr;  // collects comment-only and converted lines
    LineSink* Scroll = nullptr;          // the Explorer page's log pane
    ProgressSink* ProgressBar = nullptr; // the main progress bar
    EventPump* events = nullptr;         // pumps the window's pending messages
    MessageSink* messages = nullptr;     // information boxes (the converter's arc warning)
    // The editor's caret line, counted from 1 (status panel 2).
    std::function<int()> caretLine = [] { return 1; };
    // The run engine reports a run in progress: extents are then left alone.
    std::function<bool()> runActive = [] { return false; };
};

}  // namespace tarnix
