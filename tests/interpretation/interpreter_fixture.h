#pragma once
// A G-code interpreter wired to recorders, starting a pass the way path
// building does: plane 17, absolute distances, first move pending.

#include "interpretation/gcode_interpreter.h"
#include "recording_sinks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <deque>
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

    // The list's points, unpacked into copies that live as long as the
    // fixture, so earlier answers stay valid after later calls.
    std::vector<const TPathPoint*> points() const
    {
        std::vector<const TPathPoint*> result;
        for (auto point = context.FPathPoints->First(); point; point.Next())
            result.push_back(&pointCopies_.emplace_back(*point));
        return result;
    }

    InterpreterContext context;
    RecordingStatus status;
    RecordingLines output;
    GCodeInterpreter interpreter{context};
    std::int32_t lineNo = 0;

private:
    mutable std::deque<TPathPoint> pointCopies_;
};

}  // namespace tarnix::testing
