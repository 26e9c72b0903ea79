#pragma once
// Builds the tool path of one program file: reads it line by line and hands
// every line to the interpreter of the program's kind, which appends points
// to the context's point list. Keeps the window alive while it reads.

#include "interpretation/gcode_interpreter.h"
#include "interpretation/interpreter_context.h"
#include "interpretation/roland_interpreter.h"

#include <chrono>
#include <functional>
#include <string>

namespace tarnix {

class ProgramLineReader;

class PathBuilder {
public:
    explicit PathBuilder(InterpreterContext& context);

    // The window is pumped at most this often while a build reads lines:
    // pumping after every line would cost more than interpreting it.
    std::chrono::milliseconds pumpInterval{8};

    // Puts the configured move colours back (after a random build).
    std::function<void()> ColorToGLColor = [] {};
    // Runs before each pump of a build: the view takes in the points added
    // since, so that the finished path is not converted and uploaded all at
    // once, freezing the window at the end of the build.
    std::function<void()> pointsAdded = [] {};

    // Builds the program at `path` into the point list; neither clears nor
    // draws. An empty path (no program chosen) only checks the colour scale.
    // A build requested while one runs returns at once. Throws
    // ConversionError for a bad colour scale or program word and
    // InputOutputError when the file cannot be read, OutOfMemoryError when
    // memory runs out (the points built so far stay); the builder stays usable.
    void MakePath(const std::string& path);

    // Replaces the point list by an empty one.
    void ClearPath();

    bool FBuildingPath() const { return building_; }

    // Lines the last build read, the one that failed included.
    std::int32_t linesRead() const { return linesRead_; }

private:
    void setSpeedScales();
    void pickRandomFeedColor();
    void readAndInterpret(ProgramLineReader& reader, long long maximum, long long step);
    void interpretLine(std::string_view line, std::int32_t lineNo);

    InterpreterContext& context_;
    GCodeInterpreter gcode_;
    RolandInterpreter roland_;
    bool building_ = false;
    std::int32_t linesRead_ = 0;
};

}  // namespace tarnix
