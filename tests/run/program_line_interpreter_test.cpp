#include "run/program_line_interpreter.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnix {
namespace {

std::vector<int> pointLines(const InterpreterContext& context)
{
    std::vector<int> lines;
    for (auto p = context.FPathPoints->First(); p; p.Next())
        lines.push_back(p->LineNo);
    return lines;
}

TEST(ProgramLineInterpreter, RolandLinesRunCommandByCommandWithoutTheUnfinishedTail)
{
    const struct { const char* line; std::size_t points; double z; } cases[] = {
        {"Z100,200,300", 1, 300}, {"V15;Z1,2,3;", 2, 3}, {"Z1,2,3;Z4,5", 1, 3}, {"", 1, 0}};
    for (const auto& c : cases) {
        InterpreterContext context;
        context.settings.programKind = ProgramKind::Roland;
        ProgramLineInterpreter interpreter(context);
        EXPECT_TRUE(interpreter.executeLine(c.line, 4)) << c.line;
        EXPECT_EQ(pointLines(context), std::vector<int>(c.points, 4)) << c.line;
        EXPECT_EQ(context.state.gZ, c.z) << c.line;
    }
}

TEST(ProgramLineInterpreter, APauseAskedByAnyRolandCommandStillRunsTheRest)
{
    InterpreterContext context;
    context.settings.programKind = ProgramKind::Roland;
    context.settings.cbFchange = true;
    ProgramLineInterpreter interpreter(context);
    EXPECT_FALSE(interpreter.executeLine("V15;Z10,20,30;", 2));
    EXPECT_EQ(context.state.gFeed, 15);
    EXPECT_EQ(context.state.gX, 10);
}

TEST(ProgramLineInterpreter, GCodeGoesToTheGCodeInterpreterAndNoKindExecutesNothing)
{
    InterpreterContext context;
    ProgramLineInterpreter interpreter(context);
    EXPECT_TRUE(interpreter.executeLine("G1 X5 F100", 3));
    EXPECT_EQ(context.state.gX, 5);
    context.settings.programKind = ProgramKind::None;
    EXPECT_TRUE(interpreter.executeLine("G1 X9", 4));
    EXPECT_EQ(context.state.gX, 5);
}

}  // namespace
}  // namespace tarnix
