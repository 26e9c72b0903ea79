#include "common/errors.h"
#include "run/start_point_scan.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

TEST(StartPointScan, CoordinatesComeFromTheRunAfterTheFirstLetter)
{
    const struct { char letter; const char* line; bool taken; double x, y, z; } cases[] = {
        {'X', "N10 G1 X12.5 Y3", true, 12.5, 0, 0},
        {'Y', "G91 Y-3", true, 0, -3, 0},
        {'Z', "Z+.5F100", true, 0, 0, 0.5},
        {'X', "X5 X7", true, 5, 0, 0},
        {'X', "(X99)", false, 0, 0, 0},
        {'X', "G0 X Y2", false, 0, 0, 0},
        {'X', "g0 x4", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        TInterpreterState state;
        EXPECT_EQ(readStartPointLine(c.letter, c.line, state), c.taken) << c.line;
        EXPECT_EQ(state.gX, c.x) << c.line;
        EXPECT_EQ(state.gY, c.y) << c.line;
        EXPECT_EQ(state.gZ, c.z) << c.line;
    }
}

TEST(StartPointScan, TheFirstGWordSetsTheModeItNames)
{
    const struct { const char* line; int moveMode, plane, distMode; } cases[] = {
        {"G18 G91", 0, 18, 90}, {"N5 G91 X1", 0, 17, 91}, {"G01", 1, 17, 90},
        {"G54 G18", 0, 17, 90}, {"(G19)", 0, 17, 90},
    };
    for (const auto& c : cases) {
        TInterpreterState state;
        readStartPointLine('G', c.line, state);
        EXPECT_EQ(state.gMoveMode, c.moveMode) << c.line;
        EXPECT_EQ(state.gPlane, c.plane) << c.line;
        EXPECT_EQ(state.gDistMode, c.distMode) << c.line;
    }
}

TEST(StartPointScan, MalformedNumbersRaise)
{
    TInterpreterState state;
    EXPECT_THROW(readStartPointLine('X', "X1.2.3", state), ConversionError);
    EXPECT_THROW(readStartPointLine('G', "GOTO 5", state), ConversionError);
}

}  // namespace
}  // namespace tarnix
