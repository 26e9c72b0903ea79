// Real Roland programs by others through the interpreter and the scan.

#include "common/errors.h"
#include "interpretation/roland_interpreter.h"
#include "interpretation/whole_file_scanner.h"
#include "reader_fixture.h"

#include <cmath>
#include <fstream>

namespace tarnix::testing {
namespace {

std::string corpusFile(const std::string& name)
{
    return std::string(TARNIX_CORPUS) + "/rml/" + name;
}

class RolandCorpusTest : public ReaderFixture {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(corpusFile("")))
            GTEST_SKIP() << "no corpus at " << TARNIX_CORPUS;
    }

    // Simulates the commands of lines `first` to the end, as a run from that
    // line would; returns the line whose command failed, or 0.
    std::int32_t simulateFrom(const std::string& file, std::int32_t first)
    {
        RolandInterpreter interpreter(context);
        std::ifstream in(file, std::ios::binary);
        std::int32_t lineNo = 0;
        for (std::string line; std::getline(in, line);) {
            if (++lineNo < first)
                continue;
            std::size_t start = 0;
            for (std::size_t end; (end = line.find(';', start)) != std::string::npos; start = end + 1) {
                try {
                    interpreter.SimulateRolandStr(line.substr(start, end - start), lineNo);
                } catch (const ConversionError&) {
                    return lineNo;
                }
            }
        }
        return 0;
    }
};

TEST_F(RolandCorpusTest, SpeedCommandsWithALetterEndTheRun)
{
    // "VS2" of the first line is a V command whose speed is no number.
    EXPECT_EQ(simulateFrom(corpusFile("goodmanj_hello.t1616.echo_outline.rml"), 1), 1);
    EXPECT_EQ(simulateFrom(corpusFile("goodmanj_hello.t1616.echo_traces.rml"), 1), 1);
}

TEST_F(RolandCorpusTest, OutlineFromItsSecondLine)
{
    ASSERT_EQ(simulateFrom(corpusFile("goodmanj_hello.t1616.echo_outline.rml"), 2), 0);
    // Lines 2 to 34: 1 + 30 + 1 + 5 commands.
    EXPECT_EQ(context.FPathPoints->Count(), 37);
    // In steps: from the origin to the start, three passes around the
    // outline (three of its corner cuts are 31 by 21 steps, one 20 by 21),
    // two plunges of 61.
    const double corner = std::sqrt(31.0 * 31 + 21 * 21);
    const double outline = 5 + 29 + 1937 + corner + 3971 + corner + 1932 + corner + 3972;
    const double steps = std::sqrt(376.0 * 376 + 20 * 20 + 61 * 61) + 3 * outline + 2 * 61;
    EXPECT_NEAR(context.totals.FLength, 0.01 * steps, 1e-9);
    EXPECT_EQ(context.state.gZ, -183);
}

TEST_F(RolandCorpusTest, ScansGiveTheProgramsBoxes)
{
    WholeFileScanner scanner(context);
    scanner.GetRolandFileInfo(corpusFile("goodmanj_hello.t1616.echo_outline.rml"));
    const TProgramBox& box = context.programBox;
    EXPECT_EQ(box.gLineCount, 34);
    EXPECT_EQ(box.gMinX, 356);
    EXPECT_EQ(box.gMaxX, 4379);
    EXPECT_EQ(box.gMinY, 20);
    EXPECT_EQ(box.gMaxY, 2004);
    EXPECT_EQ(box.gMinZ, -183);
    EXPECT_EQ(box.gMaxZ, -61);

    scanner.GetRolandFileInfo(corpusFile("goodmanj_hello.t1616.echo_traces.rml"));
    EXPECT_EQ(box.gLineCount, 2051);
    EXPECT_EQ(status.panels[3], "Строк: 2051");
    EXPECT_EQ(box.gMinX, 356);
    EXPECT_EQ(box.gMaxX, 4033);
    EXPECT_EQ(box.gMinY, 147);
    EXPECT_EQ(box.gMaxY, 1948);
    EXPECT_EQ(box.gMinZ, -10);
    EXPECT_EQ(box.gMaxZ, -10);
    EXPECT_EQ(scroll.lines.at(scroll.lines.size() - 3), "V max =0 V min =0");
}

}  // namespace
}  // namespace tarnix::testing
