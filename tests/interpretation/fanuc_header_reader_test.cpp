#include "common/errors.h"
#include "common/text_encoding.h"
#include "interpretation/fanuc_header_reader.h"
#include "reader_fixture.h"

#include <fstream>
#include <iterator>

namespace tarnix::testing {
namespace {

const char* const kHeaderHeading = "====== Information from *.TAP PowerMill file ====";
const char* const kCommentHeading = "====== Information from file ====";

std::string linesOf(int count, const std::string& line)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\r\n";
    return text;
}

class FanucHeaderReaderTest : public ReaderFixture {
protected:
    // The tool radius a one-line ".tap" header gives, starting from 99.
    double radiusFrom(const std::string& line)
    {
        context.programBox.gToolRadius = 99;
        reader.GetFanucTapInfo(folder.write("part.tap", line + "\n"));
        return context.programBox.gToolRadius;
    }

    FanucHeaderReader reader{context};
};

TEST_F(FanucHeaderReaderTest, AirHeadMarkerCountsWithinOneHundredAndOneLines)
{
    context.settings.cbTap = false;
    reader.GetFanucFileInfo(folder.write("a.nc", linesOf(100, "G0") + "(AirHead)\n"));
    EXPECT_TRUE(context.settings.cbAirHead);
    reader.GetFanucFileInfo(folder.write("b.nc", linesOf(101, "G0") + "(AirHead)\n"));
    EXPECT_FALSE(context.settings.cbAirHead);
    reader.GetFanucFileInfo(folder.write("c.nc", "(airhead)\n"));
    EXPECT_FALSE(context.settings.cbAirHead);
    EXPECT_TRUE(scroll.lines.empty());  // no header without cbTap
}

TEST_F(FanucHeaderReaderTest, NoFileKeepsTheMarker)
{
    context.settings.cbAirHead = true;
    reader.GetFanucFileInfo("Untitled");
    reader.GetFanucFileInfo("");
    EXPECT_THROW(reader.GetFanucFileInfo(folder.file("missing.nc").string()), InputOutputError);
    EXPECT_TRUE(context.settings.cbAirHead);
    EXPECT_TRUE(scroll.lines.empty());
}

TEST_F(FanucHeaderReaderTest, HeaderErrorsAreDiscardedByTheLoader)
{
    const std::string file = folder.write("part.tap", "(MIN X: 1)\n(MIN X: abc)\n(MIN X: 3)\n");
    reader.GetFanucFileInfo(file);
    EXPECT_EQ(scroll.lines, (std::vector<std::string>{kHeaderHeading, "(MIN X: 1)", "(MIN X: abc)"}));
    EXPECT_EQ(context.programBox.gMinX, 1);
}

TEST_F(FanucHeaderReaderTest, OnlyLowerCaseTapReadsTheHeader)
{
    reader.GetFanucTapInfo(folder.write("part.TAP", "G0 X1 (DIAMETER: 8)\nG1\n"));
    EXPECT_EQ(scroll.lines, (std::vector<std::string>{kCommentHeading, "(DIAMETER: 8)"}));
    EXPECT_EQ(context.programBox.gToolRadius, 0);

    scroll.lines.clear();
    reader.GetFanucTapInfo(folder.write("part.tap", "G0 X1 (DIAMETER: 8)\nG1\n"));
    EXPECT_EQ(scroll.lines, (std::vector<std::string>{kHeaderHeading, "(DIAMETER: 8)"}));
    EXPECT_EQ(context.programBox.gToolRadius, 4);

    reader.GetFanucTapInfo(folder.file("missing.tap").string());
    reader.GetFanucTapInfo(folder.file("missing.nc").string());
    EXPECT_EQ(scroll.lines.size(), 2u);
}

TEST_F(FanucHeaderReaderTest, DiameterValueRules)
{
    EXPECT_EQ(radiusFrom("(DIAMETER: 6)"), 3);
    EXPECT_EQ(radiusFrom("(diameter: 6,5)"), 3.25);
    EXPECT_EQ(radiusFrom("(DIAMETER: 6 MM)"), 3);
    EXPECT_EQ(radiusFrom("(TOOL DIAMETER: 8)"), 4);
    EXPECT_EQ(radiusFrom("(DIAMETER: 6"), 99);     // no ")"
    EXPECT_EQ(radiusFrom("(DIAMETER:    )"), 99);  // blanks only
    EXPECT_EQ(radiusFrom("(Фреза DIAMETER: 8)"), 99);
    EXPECT_EQ(radiusFrom(encodeWindows1251("(Фреза DIAMETER: 8)")), 99);
    EXPECT_THROW(radiusFrom("(DIAMETER: 6MM)"), ConversionError);
}

TEST_F(FanucHeaderReaderTest, BoxLimitsAreUntrimmedAndStoredForGCodeOnly)
{
    const std::string file = folder.write("part.tap", "(MIN X: -10.5)\n(MAX Z:)\n(MIN Z: 4)\n");
    reader.GetFanucTapInfo(file);
    EXPECT_EQ(context.programBox.gMinX, -10.5);
    EXPECT_EQ(context.programBox.gMaxZ, -9999999);  // "(MAX Z:)" is skipped
    EXPECT_EQ(context.programBox.gMinZ, 4);

    context.settings.programKind = ProgramKind::Roland;
    reader.GetFanucTapInfo(folder.write("roland.tap", "(MIN X: 7)\n(DIAMETER: 2)\n"));
    EXPECT_EQ(context.programBox.gMinX, -10.5);
    EXPECT_EQ(context.programBox.gToolRadius, 1);
    // Converted before the kind is looked at.
    EXPECT_THROW(reader.GetFanucTapInfo(folder.write("roland.tap", "(MIN Y: x)\n")), ConversionError);
    EXPECT_THROW(reader.GetFanucTapInfo(folder.write("blank.tap", "(MIN X:  )\n")), ConversionError);
}

TEST_F(FanucHeaderReaderTest, BadValueEndsTheReadingAtItsLine)
{
    context.programBox.gMinX = 5;
    const std::size_t filesOpenBefore = openFileCount();
    const std::string file =
        folder.write("part.tap", "(FEEDRATE    : 1 200)\n(MIN X: abc)\n(MIN Y: 1)\n");
    EXPECT_THROW(reader.GetFanucTapInfo(file), ConversionError);
    EXPECT_EQ(scroll.lines,
              (std::vector<std::string>{kHeaderHeading, "(FEEDRATE    : 1 200)", "(MIN X: abc)"}));
    EXPECT_EQ(context.programBox.gMinX, 5);
    EXPECT_EQ(context.programBox.gMinY, 9999999);

    EXPECT_THROW(reader.GetFanucTapInfo(folder.write("feed.tap", "(FEEDRATE    : fast)\n")),
                 ConversionError);
    EXPECT_THROW(reader.GetFanucTapInfo(folder.write("rpm.tap", "(SPINDLE SPEED 1e)\n")),
                 ConversionError);
    reader.GetFanucTapInfo(folder.write("time.tap", "(TIME: soon)\n(PLUNGE RATE)\n"));
    EXPECT_EQ(openFileCount(), filesOpenBefore);
}

TEST_F(FanucHeaderReaderTest, OnlyTheFirstHundredLinesAreRead)
{
    reader.GetFanucTapInfo(folder.write("part.tap", linesOf(99, "G0") + "(DIAMETER: 4)\n(DIAMETER: 8)\n"));
    EXPECT_EQ(context.programBox.gToolRadius, 2);
    EXPECT_EQ(scroll.lines.back(), "(DIAMETER: 4)");
}

TEST_F(FanucHeaderReaderTest, PowerMillHeaderInWindows1251)
{
    const std::string file = readerData("powermill_part.tap");
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(isValidUtf8(bytes)) << "the fixture must stay in Windows-1251";

    reader.GetFanucTapInfo(file);
    ASSERT_GE(scroll.lines.size(), 3u);
    EXPECT_EQ(scroll.lines[1], "(Фреза концевая)");
    EXPECT_EQ(scroll.lines[4], "(Заготовка)");
    const TProgramBox& box = context.programBox;
    EXPECT_EQ(box.gToolRadius, 3);
    EXPECT_EQ(box.gMinX, -10.5);
    EXPECT_EQ(box.gMinY, -20);
    EXPECT_EQ(box.gMinZ, -5);
    EXPECT_EQ(box.gMaxX, 110.5);
    EXPECT_EQ(box.gMaxY, 80);
    EXPECT_EQ(box.gMaxZ, 25);

    // A second program without header information keeps the first one's box.
    reader.GetFanucTapInfo(folder.write("plain.tap", "%\nG0 X1\n"));
    EXPECT_EQ(box.gToolRadius, 3);
    EXPECT_EQ(box.gMaxX, 110.5);
}

}  // namespace
}  // namespace tarnix::testing
