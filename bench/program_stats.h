#pragma once
// Runs a program file through the interpreter the way path building does and
// describes the outcome as text: totals, extents and, on request, every
// point. The statistics tool prints it; the golden tests compare it.

#include "interpretation/interpreter_context.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tarnix {

struct ProgramRun {
    std::int32_t lines = 0;
    std::string error;  // the message that stopped the run, if any
    std::int32_t errorLine = 0;
    ProgramKind kind = ProgramKind::None;
};

// Applies "name=value" settings (edRapid, edCoeff, edFine, cbIncMode,
// cbLimitZ, FSpeedZ, programKind=Roland|Fanuc|None, ...). Throws std::invalid_argument for an unknown name.
void applySetting(TInterpreterSettings& settings, const std::string& assignment);

// Builds the file's path into `context` as the window does, from a fresh
// pass; the program kind comes from the file's first character. A build
// measures no Roland move: the time and length of a Roland program are then
// those the information run ("Info") measures.
ProgramRun runProgramFile(const std::string& path, InterpreterContext& context);

// The totals, extents and (with `withPoints`) the points as stable text. A
// Roland program has no extents or feed range: the text says so.
std::string describeRun(const ProgramRun& run, const InterpreterContext& context, bool withPoints);

}  // namespace tarnix
