#include "common/errors.h"
#include "support/scratch_folder.h"
#include "explorer/explorer_report.h"
#include "explorer/explorer_time_cells.h"

#include <gtest/gtest.h>

#include <optional>

namespace tarnix {
namespace {

using testing::ScratchFolder;
using testing::readFile;
using testing::writeFile;

std::string expected(const std::string& name)
{
    return readFile(std::string(TARNIX_EXPLORER_DATA) + "/" + name);
}

TEST(TimeCells, HoursMinutesAndSecondsAreRead)
{
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {" 0:10: 0", 600},
        {" 1: 0:30", 3630},
        {"23:59:59", 86399},
        {"1:2:3", 3723},
        // A program of a day or more is measured as such and counts too.
        {"24: 0: 0", 86400},
        {"100: 0: 1", 360001},
        {"99999999999999999999: 0: 0", std::nullopt},
        {" 0:60: 0", std::nullopt},
        {"not calculated", std::nullopt},
        {"", std::nullopt},
        {" 1: 2", std::nullopt},
        {" 1: 2: 3 ", std::nullopt},
        {"-1: 2: 3", std::nullopt},
    };
    for (const auto& [cell, seconds] : cases)
        EXPECT_EQ(readTimeCell(cell), seconds) << '"' << cell << '"';
}

TEST(TimeCells, TimeSelectedSumsTheReadableCells)
{
    EXPECT_EQ(TimeSelectedText({" 0:10: 0", " 1: 0:30"}), "Full Time  1:10:30");
    EXPECT_EQ(TimeSelectedText({" 0:10: 0", "not calculated", ""}), "Full Time  0:10: 0");
    EXPECT_EQ(TimeSelectedText({}), "Full Time  0: 0: 0");
    EXPECT_EQ(TimeSelectedText({"25: 0: 0", " 0:30: 0"}), "Full Time 25:30: 0");
}

TEST(ExplorerReport, TotalCountsCellsOfADayOrMore)
{
    const std::string report = MakeReportText({{"long.nc", "", "", "30: 0: 5", "9"}, {"short.nc", "", "", " 0: 0:10", "2"}});
    EXPECT_TRUE(report.ends_with("\r\nFull Time 30: 0:15\r\n")) << report;
}

TEST(ExplorerReport, MatchesTheExpectedBytes)
{
    const std::string longName =
        "roughing_pass_of_the_left_mould_half_with_the_twelve_millimetre_ball_cutter.nc";
    const std::pair<std::vector<ReportRow>, const char*> cases[] = {
        {{}, "report_empty.txt"},
        {{{longName, "12.03.2024 10:15", "2048", " 0:10: 0", "1200"},
          {"short.nc", "13.03.2024 08:00", "512", "not calculated", "not calculated"},
          {"finish.nc", "14.03.2024 17:45", "1048576", " 1: 0:30", "169000"}},
         "report_long_name.txt"},
    };
    for (const auto& [rows, file] : cases)
        EXPECT_EQ(MakeReportText(rows), expected(file)) << file;
}

TEST(ExplorerReport, PadsNamesByCharacters)
{
    const std::string text = MakeReportText({{"деталь.nc", "", "", "", ""}});
    const std::size_t start = text.find("\r\n ", text.find("---")) + 2;
    const std::string line = text.substr(start, text.find("\r\n", start) - start);
    EXPECT_EQ(line.size(), 142u + 6);  // six letters of two bytes each
}

TEST(ExplorerReport, ReplacesTheEarlierReportLeavingNothingElse)
{
    ScratchFolder folder;
    writeFile(folder.file("Report.txt"), "old");
    const std::string folderPath = folder.file("").string();
    const std::string path = WriteReport(folderPath, {});
    EXPECT_EQ(path, folder.file("Report.txt").string());
    EXPECT_EQ(readFile(path), expected("report_empty.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folderPath),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ExplorerReport, FailureRaisesAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    const std::string folderPath = folder.file("").string();
    EXPECT_THROW(WriteReport(folderPath + "missing/", {}), InputOutputError);
    // A folder in the report's place cannot be replaced by a file.
    std::filesystem::create_directories(folder.file("Report.txt") / "kept");
    EXPECT_THROW(WriteReport(folderPath, {}), InputOutputError);
    EXPECT_TRUE(std::filesystem::exists(folder.file("Report.txt") / "kept"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folderPath),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace tarnix
