// Taking a new archive name: the drive check, creating a missing archive,
// and the contents-changed event.

#include "zip_test_fixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnix::testing {
namespace {

std::string cannotCreate(const std::string& file) { return "Unable to create \n\"" + file + "\""; }

TEST_F(ZipArchiveTest, MissingArchiveIsCreatedHoldingOnlyAnEmptyEndRecord)
{
    zip.SetZipFileName(path("new.zip"));

    std::ifstream created(path("new.zip"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(created), {}),
              std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    EXPECT_EQ(zip.Count(), 0);
    EXPECT_EQ(announcements, 1);
}

TEST_F(ZipArchiveTest, ArchiveThatCannotBeCreatedIsReportedWithoutEvent)
{
    const std::string inMissingFolder = path("no/such/folder/new.zip");
    EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(inMissingFolder); }), cannotCreate(inMissingFolder));

    // A pipe is no archive. A reader is kept on it so that a regression
    // which opens it for writing fails here instead of waiting forever.
    ASSERT_EQ(::mkfifo(path("pipe.zip").c_str(), 0600), 0);
    const int reader = ::open(path("pipe.zip").c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(path("pipe.zip")); }), cannotCreate(path("pipe.zip")));
    ::close(reader);
    EXPECT_EQ(announcements, 0);
}

TEST_F(ZipArchiveTest, UnreadableDriveIsReportedBeforeAnythingIsCreated)
{
    volumes.label.reset();

    EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(path("new.zip")); }), "Unable to access the selected drive!");
    EXPECT_FALSE(std::filesystem::exists(path("new.zip")));
    EXPECT_EQ(announcements, 0);
}

TEST_F(ZipArchiveTest, EmptyNameClearsTheArchiveAndStillAnnounces)
{
    zip.SetZipFileName(write("a.zip", TestZipArchive{.entries = {{.name = "a.nc"}}, .comment = "x"}.bytes()));
    zip.SetZipFileName("");

    EXPECT_EQ(zip.Count(), 0);
    EXPECT_EQ(zip.EndOfDir().ZipComment, "");
    EXPECT_EQ(zip.EndOfDir().Position, -1);
    EXPECT_EQ(announcements, 2);
}

}  // namespace
}  // namespace tarnix::testing
