#include "common/errors.h"
#include "common/text_encoding.h"
#include "interpretation/powermill_info_reader.h"
#include "reader_fixture.h"

#include <unistd.h>

namespace tarnix::testing {
namespace {

const char* const kHeading = "=== Information from PowerMill INFO file ===";

using Lines = std::vector<std::string>;

class PowerMillInfoReaderTest : public ReaderFixture {
protected:
    // Reads an information file holding `text` and returns what it logged
    // after the heading.
    Lines read(const std::string& text)
    {
        folder.write("part.inf", text);
        scroll.lines.clear();
        reader.GetPowerMillInfo(folder.file("part.tap").string());
        EXPECT_EQ(scroll.lines.at(0), kHeading);
        return Lines(scroll.lines.begin() + 1, scroll.lines.end());
    }

    PowerMillInfoReader reader{context};
};

TEST(PowerMillInfoFileName, BaseNameUpToTheLastDotAnywhere)
{
    EXPECT_EQ(PowerMillInfoReader::infoFileName("/cnc/part.tap"), "/cnc/part.inf");
    EXPECT_EQ(PowerMillInfoReader::infoFileName("/cnc/part.nc"), "/cnc/part.inf");
    EXPECT_EQ(PowerMillInfoReader::infoFileName("/cnc.old/part"), "/cnc.inf");
    EXPECT_EQ(PowerMillInfoReader::infoFileName("/cnc/part"), "inf");
}

TEST_F(PowerMillInfoReaderTest, MissingFileLogsOneLineAndChangesNothing)
{
    reader.GetPowerMillInfo(folder.file("part.tap").string());
    EXPECT_EQ(scroll.lines, Lines{"  Can't find info file"});
    EXPECT_EQ(context.programBox.gToolRadius, 0);
    EXPECT_EQ(context.programBox.gMinX, 9999999);
}

TEST_F(PowerMillInfoReaderTest, ProgramWithoutDotReadsInfInTheCurrentFolder)
{
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    folder.write("inf", "DIAMETER: 2\n");
    reader.GetPowerMillInfo("/somewhere/part");
    std::filesystem::current_path(previous);
    EXPECT_EQ(scroll.lines, (Lines{kHeading, " Diameter: 2"}));
}

TEST_F(PowerMillInfoReaderTest, DiameterInAnyCaseWithCommaGivesTheRadius)
{
    EXPECT_EQ(read("  Diameter: 6,35\n"), Lines{" Diameter: 6.35"});
    EXPECT_DOUBLE_EQ(context.programBox.gToolRadius, 3.175);
}

TEST_F(PowerMillInfoReaderTest, BoxLimitsAreStoredForGCodeOnly)
{
    context.settings.programKind = ProgramKind::Roland;
    EXPECT_EQ(read("MIN X: 0\n"), Lines{" Min X: 0"});
    EXPECT_EQ(context.programBox.gMinX, 9999999);
    context.settings.programKind = ProgramKind::Fanuc;
    EXPECT_EQ(read("MIN X: 0\nmax z: 2.50\n"), (Lines{" Min X: 0", " Max Z: 2.5"}));
    EXPECT_EQ(context.programBox.gMinX, 0);
    EXPECT_EQ(context.programBox.gMaxZ, 2.5);
}

TEST_F(PowerMillInfoReaderTest, FirstKeywordOfTheTableDecides)
{
    EXPECT_EQ(read("Фреза DIAMETER: 8\nФРЕЗА\nLENGTH: 5 DIAMETER: 8\n"),
              (Lines{"ФРЕЗА:", " Diameter: 8"}));
    EXPECT_EQ(context.programBox.gToolRadius, 4);
}

TEST_F(PowerMillInfoReaderTest, TimeNeedsFourBlanksAndIsNotConverted)
{
    EXPECT_EQ(read("TIME: 1:20:00\n    time: 1:20:00,5\n"), Lines{" Time length : 1:20:00.5"});
}

TEST_F(PowerMillInfoReaderTest, RateValuesLoseTheirBlanks)
{
    EXPECT_EQ(read("FEEDRATE    : 1 200\nPLUNGE RATE : 3 00\nSPINDLE SPEED 18 000\n"),
              (Lines{" feedrate: 1200", " plunge rate: 300", " Spindle speed: 18000"}));
}

TEST_F(PowerMillInfoReaderTest, SpindleSpeedIsReadAfterItsColon)
{
    EXPECT_EQ(read("SPINDLE SPEED: 18000\nMIN X: 1\n"), (Lines{" Spindle speed: 18000", " Min X: 1"}));
    EXPECT_EQ(read("Spindle speed : 18 000\n"), Lines{" Spindle speed: 18000"});
    EXPECT_THROW(read("SPINDLE SPEED: \n"), ConversionError);
}

TEST_F(PowerMillInfoReaderTest, BadValueEndsTheReadingAtItsLine)
{
    context.programBox.gToolRadius = 7;
    folder.write("part.inf", "MIN Y: 1\nDIAMETER:\nMIN Z: 2\n");
    EXPECT_THROW(reader.GetPowerMillInfo(folder.file("part.nc").string()), ConversionError);
    EXPECT_EQ(scroll.lines, (Lines{kHeading, " Min Y: 1"}));
    EXPECT_EQ(context.programBox.gMinY, 1);
    EXPECT_EQ(context.programBox.gMinZ, 9999999);
    EXPECT_EQ(context.programBox.gToolRadius, 7);

    for (const char* bad : {"DIAMETER: 6 MM\n", "MIN X: 1 mm\n", "LENGTH:  \n", "FEEDRATE: 100\n"})
        EXPECT_THROW(read(bad), ConversionError) << bad;
}

TEST_F(PowerMillInfoReaderTest, Windows1251AndUtf8FilesReadAlike)
{
    context.settings.programKind = ProgramKind::Roland;
    reader.GetPowerMillInfo(readerData("roland_square.rol"));
    const Lines expected{kHeading,
                         "ФРЕЗА:",
                         " Diameter: 6.35",
                         " Length: 50",
                         "ЗАГОТОВКА:",
                         " Min X: -10",
                         " Max X: 120",
                         "СТАТИСТИКА УП: ",
                         " Time length : 0:12:30",
                         " feedrate: 1200"};
    EXPECT_EQ(scroll.lines, expected);
    EXPECT_DOUBLE_EQ(context.programBox.gToolRadius, 3.175);
    EXPECT_EQ(context.programBox.gMinX, 9999999);

    scroll.lines.clear();
    context.settings.programKind = ProgramKind::Fanuc;
    reader.GetPowerMillInfo(readerData("powermill_part.tap"));
    EXPECT_EQ(scroll.lines, (Lines{kHeading, "ФРЕЗА:", " Diameter: 8", " Length: 60.5",
                                   "ЗАГОТОВКА:", " Min X: -1", " Min Y: -2", " Min Z: -3",
                                   " Max X: 101", " Max Y: 102", " Max Z: 103",
                                   "СТАТИСТИКА УП: ", " Time length : 1:20:00",
                                   " feedrate: 1500", " plunge rate: 250",
                                   " Spindle speed: 12000"}));
    EXPECT_EQ(context.programBox.gMaxZ, 103);
}

TEST_F(PowerMillInfoReaderTest, LongFileIsReadToItsEnd)
{
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += encodeWindows1251("комментарий ") + std::to_string(i) + "\r\n";
    text += "DIAMETER: 12\r\n";
    EXPECT_EQ(read(text), Lines{" Diameter: 12"});
}

}  // namespace
}  // namespace tarnix::testing
