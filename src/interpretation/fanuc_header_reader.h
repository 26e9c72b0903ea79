#pragma once
// Reads what the start of a G-code program says about itself: the
// "AirHead" marker and the "(" comment header, whose ".tap" form (as
// PowerMill writes it) gives the tool diameter and the program box.

#include "interpretation/interpreter_context.h"

#include <string>

namespace tarnix {

class FanucHeaderReader {
public:
    explicit FanucHeaderReader(InterpreterContext& context) : context_(context) {}

    // Sets cbAirHead from the first 101 lines, then reads the comment header
    // when cbTap is set, discarding the header's errors. Does nothing for an
    // empty name or "Untitled". Throws InputOutputError when the marker scan
    // cannot read the file (cbAirHead then keeps its state).
    void GetFanucFileInfo(const std::string& fileName);

    // Echoes the "(" comments of the first 100 lines into the log pane; for
    // a ".tap" file also takes the tool radius and, for G-code, the box from
    // them. A missing file produces nothing. Throws InputOutputError when an
    // existing file cannot be read, ConversionError at the first value that
    // is no number (what was echoed and stored before it stays).
    void GetFanucTapInfo(const std::string& fileName);

private:
    void readHeaderLine(const std::string& decodedLine);

    InterpreterContext& context_;
};

}  // namespace tarnix
