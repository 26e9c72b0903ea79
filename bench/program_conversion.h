#pragma once
// Converts a program file the way a transformation run does: the options
// stand for the transformation panel's and the Config page's controls, the
// run set-up is a fresh transformation run's, and every line of the file is
// executed in order with the pause-on-change boxes off. The convert_program
// tool prints the result; the golden and property tests compare it.

#include "conversion/gcode_converter.h"
#include "interpretation/interpreter_context.h"

#include <string>
#include <vector>

namespace tarnix {

struct ConversionOptions {
    TTransformPanel panel;
    // "Const speed", "Limited speed Z", "Const speed  Z" and their edits.
    bool cbConstSpeedF = false, cbLimitZ = false, cbConstFz = false;
    std::string edSpeedX, edSpeedZ;
    std::string zSafe = "50";  // the answer to "Inpus Z safe value"
    // Config page.
    std::string edRapid = "3000", edCoeff = "1", edFine = "2";
    bool cbIncMode = false;
};

// Reads the options that precede the file name. Throws std::invalid_argument
// for an unknown option or a missing value.
ConversionOptions parseConversionOptions(const std::vector<std::string>& arguments, std::string& file);

// The options as the tool's --help lists them.
std::string conversionUsage();

// Sets the converter's context's settings and the transformation command's
// values from the options, the way the window converts its controls. Throws
// ConversionError for a text that is not a number.
void applyConversionOptions(const ConversionOptions& options, GCodeConverter& converter);

struct Conversion {
    std::vector<std::string> lines;  // what the output collector holds
    std::string error;               // the error that stopped the run, if any
    std::int32_t errorLine = 0;      // its line, 0 when the set-up failed
};

// Runs `path` with the converter on from a fresh run's set-up. The
// converter's context's FOutEdit is replaced by the conversion's own
// collector; its `messages` sink (the arc warning) is left to the caller.
Conversion convertProgramFile(const std::string& path, const ConversionOptions& options,
                              GCodeConverter& converter);

}  // namespace tarnix
