#pragma once
// The information run: measures a whole program file in one pass (machine
// time, length, line count, extents, feed range), optionally from a first
// to a last line, and hands the results to the "File Information" dialog.
// The points the interpreters append join the current tool path.

#include "interpretation/file_info_fields.h"
#include "interpretation/gcode_interpreter.h"
#include "interpretation/interpreter_context.h"
#include "interpretation/roland_interpreter.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace tarnix {

class InfoRun {
public:
    explicit InfoRun(InterpreterContext& context);

    // The window's controls the run reads.
    std::string edFileName;    // full path of the program
    std::string FSelectedFile; // the name the dialog shows
    std::string edStartPoint;  // "First line": integer text or empty
    std::string edStopPoint;   // "Last  line": integer text or empty

    // The window is pumped at most this often while the run reads lines.
    std::chrono::milliseconds pumpInterval{8};

    // Shows the dialog modally and returns when it is closed, the view kept
    // drawn behind it. Not called when the application is quitting.
    std::function<void(const FileInfoFields&)> showFileInfo = [](const FileInfoFields&) {};
    // The tool path grew: the view should be drawn again once idle.
    std::function<void()> requestRepaint = [] {};
    // Runs before each pump: the view takes in the points the run added to
    // the path, as it does during a build (PathBuilder::pointsAdded).
    std::function<void()> pointsAdded = [] {};

    // Measures edFileName as the kind its first character names, else as
    // the kind set on the Config page, shows the dialog, adds the time to
    // FFullTime and writes status panels 1 and 2. Returns what the dialog showed, or
    // nothing when edFileName is empty (nothing changes then).
    // Throws ConversionError for a start, stop or rapid text that is no
    // integer and for a program word that is no number, InputOutputError
    // when the file cannot be read; the totals then keep what was summed,
    // and neither the dialog nor the panels are updated.
    std::optional<FileInfoFields> GetFileInfo();

private:
    void reset();
    void preScanLine(const std::string& line);
    void interpretLine(const std::string& line, std::int32_t lineNo);
    FileInfoFields fileInfoFields(const std::string& timeText, const std::string& lengthText) const;
    void showDialog(const FileInfoFields& info);

    InterpreterContext& context_;
    GCodeInterpreter gcode_;
    RolandInterpreter roland_;
    // The kind of the program being measured.
    ProgramKind kind_ = ProgramKind::Fanuc;
};

// "Set as box": the information run's X, Y and Z extents become the
// program's box; feeds and the rapid Z range are not copied.
void SetAsBox(const TInfoRunBox& infoBox, TProgramBox& programBox);

}  // namespace tarnix
