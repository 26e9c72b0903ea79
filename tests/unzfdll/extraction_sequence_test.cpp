// What the library extracts and the callbacks it makes on the way: totals
// first, then each file's start and progress, the end last.

#include "library_run.h"

#include <sys/stat.h>

namespace tarnix::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kArchived = 1577959200;  // an even second: the zip format keeps two-second steps

class ExtractionSequenceTest : public ::testing::Test {
protected:
    ExtractionFolder scratch;
    fs::path archive = scratch / "job.zip";
    fs::path out = scratch / "out";
    LibraryRun run;

    void SetUp() override { fs::create_directory(out); }
};

TEST_F(ExtractionSequenceTest, PlainArchiveReportsTotalsThenEachFileAndTheEnd)
{
    const std::string big(100000, 'X');
    TestArchive(archive).add("a.nc", "G0 X1\n").modified(kArchived).add("b.nc", big).close();

    EXPECT_EQ(run(archive, out), 2);

    EXPECT_EQ(run.transcript(),
              "5 0 2\n"
              "6 0 100006\n"
              "1 0 6 a.nc\n"
              "2 0 6\n"
              "1 0 100000 b.nc\n"
              "2 0 100000\n"
              "3 0 0\n");
    EXPECT_EQ(readFile(out / "a.nc"), "G0 X1\n");
    EXPECT_EQ(readFile(out / "b.nc"), big);
    struct stat status {};
    ASSERT_EQ(::stat((out / "a.nc").c_str(), &status), 0);
    EXPECT_EQ(status.st_mtime, kArchived);
}

TEST_F(ExtractionSequenceTest, FolderNamesAreDroppedOrKeptAsTheCommandSays)
{
    TestArchive(archive).folder("dir").add("dir/sub/part.nc", "M30\n").add("top.nc", "%\n").close();
    const std::string expected = "5 0 2\n6 0 6\n1 0 4 dir/sub/part.nc\n2 0 4\n1 0 2 top.nc\n2 0 2\n3 0 0\n";

    EXPECT_EQ(run(archive, out), 2);
    EXPECT_EQ(run.transcript(), expected);
    EXPECT_EQ(readFile(out / "part.nc"), "M30\n");
    EXPECT_TRUE(fs::exists(out / "top.nc"));
    EXPECT_FALSE(fs::exists(out / "dir"));

    LibraryRun withFolders;
    withFolders.junkFolderNames = false;
    fs::remove_all(out);
    fs::create_directory(out);
    EXPECT_EQ(withFolders(archive, out), 2);
    EXPECT_EQ(withFolders.transcript(), expected);
    EXPECT_EQ(readFile(out / "dir/sub/part.nc"), "M30\n");
    EXPECT_TRUE(fs::exists(out / "top.nc"));
    EXPECT_FALSE(fs::exists(out / "part.nc"));
}

TEST_F(ExtractionSequenceTest, NamesOfAnArchiveMadeOnDosAreReadInTheOemCodePage)
{
    TestArchive(archive).add("\x8F\x90\x8E\x83.nc", "%\n").madeOn(ZIP_OPSYS_DOS).close();

    EXPECT_EQ(run(archive, out), 1);

    EXPECT_EQ(readFile(out / "ПРОГ.nc"), "%\n");
    EXPECT_NE(run.transcript().find("1 0 2 ПРОГ.nc\n"), std::string::npos);
}

TEST_F(ExtractionSequenceTest, NamesAreDecodedForTheSameArchiversAsTheDirectoryListerDecodesThem)
{
    const struct {
        std::uint8_t host, version;
        const char* written;
    } cases[] = {{0, 20, "ПРОГ.nc"}, {6, 20, "ПРОГ.nc"}, {11, 50, "ПРОГ.nc"}, {11, 20, "\x8F\x90\x8E\x83.nc"},
                 {3, 63, "\x8F\x90\x8E\x83.nc"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "host " << +c.host << " version " << +c.version);
        TestArchive(archive).add("\x8F\x90\x8E\x83.nc", "%\n").close();
        // libzip writes its own "version made by"; the first directory
        // header is given the archiver's.
        std::string bytes = readFile(archive);
        const std::size_t header = bytes.find("PK\x01\x02");
        ASSERT_NE(header, std::string::npos);
        bytes[header + 4] = static_cast<char>(c.version);
        bytes[header + 5] = static_cast<char>(c.host);
        writeFile(archive, bytes);
        fs::remove_all(out);
        fs::create_directory(out);

        EXPECT_EQ(run(archive, out), 1);
        EXPECT_EQ(readFile(out / c.written), "%\n");
    }
}

}  // namespace
}  // namespace tarnix::testing
