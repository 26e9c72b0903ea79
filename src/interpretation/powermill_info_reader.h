#pragma once
// Reads the information file PowerMill writes beside a part program (same
// base name, extension "inf"): a summary into the log pane, the tool radius
// and, for G-code programs, the program box.

#include "interpretation/interpreter_context.h"

#include <string>

namespace tarnix {

class PowerMillInfoReader {
public:
    explicit PowerMillInfoReader(InterpreterContext& context) : context_(context) {}

    // The information file of the program `programFileName`: its path up to
    // and including the last "." (anywhere in the path), then "inf".
    static std::string infoFileName(const std::string& programFileName);

    // A missing information file only logs "  Can't find info file".
    // Throws ConversionError at the first value that is no number (the lines
    // and values before it stay), InputOutputError when the file exists but
    // cannot be read.
    void GetPowerMillInfo(const std::string& programFileName);

private:
    void readLine(const std::string& decodedLine);

    InterpreterContext& context_;
};

}  // namespace tarnix
