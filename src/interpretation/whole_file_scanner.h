#pragma once
// Whole-file scans: read a part program from its first line to its last and
// report its extents in the log pane, status panel 3 and the program box.

#include "interpretation/interpreter_context.h"

#include <string>

namespace tarnix {

class WholeFileScanner {
public:
    explicit WholeFileScanner(InterpreterContext& context) : context_(context) {}

    // Scans a Roland program: the X, Y, Z ranges of its "Z" lines and the
    // ranges of its "V" and "F" speeds (64, the travel speed, left out),
    // stored as the program box whatever the program kind, a summary in the
    // log pane, then the PowerMill information file. Does nothing for an
    // empty name or "Untitled". Throws InputOutputError when the file cannot
    // be read and ConversionError at the first value that is no number; the
    // box, panel 3 and the log pane then keep what they had.
    void GetRolandFileInfo(const std::string& fileName);

    // Runs every line of a G-code program through the G-code interpreter and
    // widens the program box around the positions it reaches. Errors as for
    // GetRolandFileInfo, the interpreter's included.
    void GetFanucTapFileInfo(const std::string& fileName);

private:
    InterpreterContext& context_;
};

}  // namespace tarnix
