#include "common/errors.h"
#include "interpretation/whole_file_scanner.h"
#include "reader_fixture.h"

namespace tarnix::testing {
namespace {

using Lines = std::vector<std::string>;

class WholeFileScannerTest : public ReaderFixture {
protected:
    // Scans a Roland program of `text` (with no information file) and
    // returns the summary it logged.
    Lines scanRoland(const std::string& text)
    {
        scroll.lines.clear();
        scanner.GetRolandFileInfo(folder.write("part.rol", text));
        EXPECT_EQ(scroll.lines.back(), "  Can't find info file");
        return Lines(scroll.lines.begin(), scroll.lines.end() - 1);
    }

    Lines summaryLine(const std::string& prefix) const
    {
        Lines found;
        for (const std::string& line : scroll.lines)
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        return found;
    }

    WholeFileScanner scanner{context};
};

TEST_F(WholeFileScannerTest, RolandProgramGivesBoxSummaryAndInformationFile)
{
    context.settings.programKind = ProgramKind::Roland;  // the box is stored all the same
    scanner.GetRolandFileInfo(readerData("roland_square.rol"));
    const TProgramBox& box = context.programBox;
    EXPECT_EQ(box.gMinX, -50);
    EXPECT_EQ(box.gMaxX, 100);
    EXPECT_EQ(box.gMinY, 0);
    EXPECT_EQ(box.gMaxY, 200);
    EXPECT_EQ(box.gMinZ, 300);
    EXPECT_EQ(box.gMaxZ, 2000);
    EXPECT_EQ(box.gMinF, 10);
    EXPECT_EQ(box.gMaxF, 10);
    EXPECT_EQ(box.gLineCount, 5);
    EXPECT_EQ(status.panels[3], "Строк:   5");
    const Lines summary(scroll.lines.begin(), scroll.lines.begin() + 8);
    EXPECT_EQ(summary, (Lines{"Lines: 5", "X max =100 X min =-50", "Y max =200 Y min =0",
                              "Z max =2000 Z min =300", "V max =15 V min =15",
                              "F max =10 F min =10", std::string(35, '='),
                              "=== Information from PowerMill INFO file ==="}));
    EXPECT_EQ(scroll.lines.size(), 17u);  // the information file's lines follow
    EXPECT_DOUBLE_EQ(box.gToolRadius, 3.175);
}

TEST_F(WholeFileScannerTest, TravelSpeedStaysOutOfTheSpeedRange)
{
    scanRoland("V64;\nV15;\n");
    EXPECT_EQ(summaryLine("V"), Lines{"V max =15 V min =15"});
    scanRoland("V15;\nV64;\nV10;V99;\n");
    EXPECT_EQ(summaryLine("V"), Lines{"V max =15 V min =10"});
    scanRoland("V100\nV64\n");  // once open, 64 may lower the minimum
    EXPECT_EQ(summaryLine("V"), Lines{"V max =100 V min =64"});
    scanRoland("V64;\n");
    EXPECT_EQ(summaryLine("V"), Lines{"V max =0 V min =0"});
}

TEST_F(WholeFileScannerTest, FRangeIsShownOnlyWithinOneToSixtyFour)
{
    scanRoland("F0.5;\nF10;\n");
    EXPECT_TRUE(summaryLine("F").empty());
    EXPECT_EQ(context.programBox.gMinF, 0.5);
    scanRoland("F10;\nF70;\n");
    EXPECT_TRUE(summaryLine("F").empty());
    scanRoland("F1;\nF64;\nF20;\n");
    EXPECT_EQ(summaryLine("F"), Lines{"F max =20 F min =1"});
}

TEST_F(WholeFileScannerTest, OnlyTheFirstCharacterOfALineDecides)
{
    const Lines summary = scanRoland("z1,2,3\n!PA;Z5,5,5;\n Z1,2,3\n\nPU4,4;\nZ7,8,9;Z100,100,100\n");
    EXPECT_EQ(summary.at(1), "X max =7 X min =7");
    EXPECT_EQ(summary.at(3), "Z max =9 Z min =9");

    // Without "Z" lines the box is stored from 0 to 0.
    EXPECT_EQ(scanRoland("!MC1;\n").at(2), "Y max =0 Y min =0");
    EXPECT_EQ(context.programBox.gMaxY, 0);
    EXPECT_EQ(context.programBox.gMinZ, 0);
}

TEST_F(WholeFileScannerTest, BadRolandLineLeavesEverythingAsItWas)
{
    folder.write("part.inf", "DIAMETER: 4\n");
    status.panels[3] = " Ready";
    for (const char* bad : {"Z1,2\n", "Z1,2,3,4\n", "Z1,a,3\n", "Z\n", "V\n", "F1.5.\n"}) {
        EXPECT_THROW(scanner.GetRolandFileInfo(folder.write("part.rol", std::string("Z5,5,5\n") + bad)),
                     ConversionError)
            << bad;
        EXPECT_FALSE(progress.visible) << bad;
    }
    EXPECT_EQ(context.programBox.gMaxX, -9999999);
    EXPECT_EQ(context.programBox.gLineCount, 0);
    EXPECT_EQ(context.programBox.gToolRadius, 0);  // no information file read
    EXPECT_EQ(status.panels[3], " Ready");
    EXPECT_TRUE(scroll.lines.empty());
}

TEST_F(WholeFileScannerTest, UntitledOrEmptyNameDoesNothing)
{
    scanner.GetRolandFileInfo("Untitled");
    scanner.GetRolandFileInfo("");
    EXPECT_TRUE(scroll.lines.empty());
    EXPECT_TRUE(progress.events.empty());
    EXPECT_THROW(scanner.GetRolandFileInfo(folder.file("missing.rol").string()), InputOutputError);
}

TEST_F(WholeFileScannerTest, LineCountIsRightAlignedInThreePlaces)
{
    std::string text;
    for (int i = 0; i < 250; ++i)
        text += "PU1,1;\n";
    scanRoland(text);
    EXPECT_EQ(status.panels[3], "Строк: 250");
    EXPECT_EQ(context.programBox.gLineCount, 250);
}

TEST_F(WholeFileScannerTest, ProgressMovesEveryHundredLinesAndDoublesWhenFull)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "V1;\n";  // 1200 bytes: a maximum of 9
    scanRoland(text);
    EXPECT_EQ(progress.events, (Lines{"show", "max 9", "pos 9", "max 18", "pos 18", "max 36",
                                      "pos 36", "max 72", "hide"}));
}

TEST_F(WholeFileScannerTest, GCodeScanWidensTheBoxAroundThePositions)
{
    TProgramBox& box = context.programBox;
    box.gMinX = -5;  // not reset first
    box.gMaxY = 500;
    scanner.GetFanucTapFileInfo(
        folder.write("part.nc", "G0 X10 Y20 Z30\nG1 X40 F100\nG1 Y-7 F3000\nG1 Z2 F0\n"));
    EXPECT_EQ(box.gMinX, -5);
    EXPECT_EQ(box.gMaxX, 40);
    EXPECT_EQ(box.gMinY, -7);
    EXPECT_EQ(box.gMaxY, 500);
    EXPECT_EQ(box.gMinZ, 2);
    EXPECT_EQ(box.gMaxZ, 30);
    EXPECT_EQ(box.gMinF, 100);   // a feed of 0 is left out
    EXPECT_EQ(box.gMaxF, 100);   // so is the rapid feed of the settings
    EXPECT_EQ(box.gLineCount, 4);
    EXPECT_EQ(status.panels[3], "Lines:   4");
    EXPECT_EQ(scroll.lines, (Lines{"Lines: 4", "X max =40 X min =-5", "Y max =500 Y min =-7",
                                   "Z max =30 Z min =2", "F max =100 F min =100"}));
    EXPECT_FALSE(progress.visible);
}

TEST_F(WholeFileScannerTest, FailedGCodeScanLeavesTheBox)
{
    context.settings.edRapid = "fast";
    EXPECT_THROW(scanner.GetFanucTapFileInfo(folder.write("part.nc", "G1 X40 F100\n")),
                 ConversionError);
    EXPECT_EQ(context.programBox.gMaxX, -9999999);
    EXPECT_TRUE(scroll.lines.empty());
    EXPECT_FALSE(progress.visible);
    EXPECT_THROW(scanner.GetFanucTapFileInfo(folder.file("missing.nc").string()), InputOutputError);
}

}  // namespace
}  // namespace tarnix::testing
