#pragma once
// A G-code interpreter wired to recorders, starting a pass the way path
// building does: plane 17, absolute distances, first move pending.

#include "interpretation/gcode_interpreter.h"
#include "recording_sinks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace tarnix::testing {

class GCodeFixture : public ::testing::Test {
protected:
    GCodeFixture()
    {
        context.status = &status;
        context.FOutEdit = &output;
    }

    bool run(const std::string& block) { return interpreter.ParseFanucStr(block, ++lineNo); }

    void runAll(std::initializer_list<const char*> blocks)
    {
        for (const char* block : blocks)
            run(block);
    }

    // Starts measuring from the current position, as if a move had been made.
    void pastFirstMove() { context.totals.FFirstMove = false; }

    std::vector<const TPathPoint*> points() const
    {
        std::vector<const TPathPoint*> result;
        const TPathPoint* point = context.FPathPoints->First();
        for (std::int32_t i = 0; i < context.FPathPoints->Count(); ++i, point = point->Next)
            result.push_back(point);
        return result;
    }

    InterpreterContext context;
    RecordingStatus status;
    RecordingLines output;
    GCodeInterpreter interpreter{context};
    std::int32_t lineNo = 0;
};

}  // namespace tarnix::testing
