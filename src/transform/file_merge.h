#pragma once
// Copies one program into a merged program: empty lines are skipped, "%"
// lines of every program but the first are dropped, the program-end codes
// of every program but the last are cut off, and a tool other than the
// first program's can make the user give up the merge.

#include "common/sinks.h"
#include "transform/merge_output_file.h"

#include <functional>
#include <string>

namespace tarnix {

enum class MergeOutcome {
    Copied,
    // The user answered Yes to the tool question.
    GivenUp,
    // The application is closing.
    Terminated,
};

class FileMerge {
public:
    // The question ending in ". Exit now?"; true for Yes.
    using ExitQuestion = std::function<bool(const std::string& question)>;

    FileMerge(ProgressSink& progress, EventPump& events, ExitQuestion askExitNow);

    // Copies the program `FileName` into `F`. With `makingArray` the tool
    // question is never asked. Throws InputOutputError when the program
    // cannot be read.
    MergeOutcome merge(bool First, bool Last, const std::string& FileName, MergeOutputFile& F, bool makingArray);

    // The first program's tool word and tool id, kept until the next
    // merge's first program.
    const std::string& mergeTool() const { return gMergeTool; }
    const std::string& mergeToolId() const { return gMergeToolId; }

private:
    // True when the user gives up on `current`, which differs from `first`.
    bool askAboutTool(const std::string& FileName, const std::string& current, const std::string& first);

    ProgressSink& progress_;
    EventPump& events_;
    ExitQuestion askExitNow_;
    std::string gMergeTool;
    std::string gMergeToolId;
    // The first program's closing "%" line, written after the last program.
    std::string closingPercent_;
    // Runs on over every merge: the progress continues from where it was.
    long long FLineNo = 0;
};

}  // namespace tarnix
