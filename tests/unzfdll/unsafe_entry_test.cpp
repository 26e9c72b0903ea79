// Entries that could write outside the extraction folder are skipped, and
// links already in the folder are replaced, never written through.

#include "library_run.h"

#include <sys/stat.h>

namespace tarnix::testing {
namespace {

namespace fs = std::filesystem;

class UnsafeEntryTest : public ::testing::TestWithParam<bool> {
protected:
    ExtractionFolder scratch;
    fs::path archive = scratch / "evil.zip";
    fs::path out = scratch / "out";
    LibraryRun run;

    void SetUp() override
    {
        fs::create_directory(out);
        run.junkFolderNames = GetParam();
    }

    // Everything below the scratch folder but the archive.
    std::vector<std::string> tree() const
    {
        std::vector<std::string> paths;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(scratch.path()))
            if (entry.path() != archive)
                paths.push_back(fs::relative(entry.path(), scratch.path()).string());
        std::sort(paths.begin(), paths.end());
        return paths;
    }
};

TEST_P(UnsafeEntryTest, NamesLeavingTheFolderAndLinksAreSkipped)
{
    TestArchive(archive)
        .add("../up.nc", "1").add("/absolute.nc", "2").add("a/../../back.nc", "3").add("..\\windows.nc", "4")
        .add("link.nc", "../up.nc").symbolicLink()
        .add("safe.nc", "5")
        .close();

    EXPECT_EQ(run(archive, out), 1);

    const std::string transcript = run.transcript();
    for (const char* name : {"../up.nc", "/absolute.nc", "a/../../back.nc", "..\\windows.nc", "link.nc"})
        EXPECT_NE(transcript.find(std::string("\n11 0 0 ") + name + "\n"), std::string::npos) << name;
    EXPECT_EQ(tree(), (std::vector<std::string>{"out", "out/safe.nc"}));
}

TEST_P(UnsafeEntryTest, ALinkInTheFolderIsReplacedNotFollowed)
{
    writeFile(scratch / "victim.nc", "precious");
    fs::create_symlink("../victim.nc", out / "safe.nc");
    TestArchive(archive).add("safe.nc", "archived").modified(std::time(nullptr) + 3600).close();
    run.answer = [](TUnzCallbackRec& rec) {
        if (rec.ActionCode == UNZ_ACTION_FILE_EXISTS)
            rec.Number = 1;
        return 0;
    };

    EXPECT_EQ(run(archive, out), 1);

    EXPECT_EQ(readFile(scratch / "victim.nc"), "precious");
    EXPECT_FALSE(fs::is_symlink(out / "safe.nc"));
    EXPECT_EQ(readFile(out / "safe.nc"), "archived");
}

INSTANTIATE_TEST_SUITE_P(FlatAndWithFolders, UnsafeEntryTest, ::testing::Bool());

TEST(UnsafeFolderTest, AFolderLinkIsNotEnteredWhenFolderNamesAreKept)
{
    ExtractionFolder scratch;
    const fs::path out = scratch / "out";
    fs::create_directories(scratch / "elsewhere");
    fs::create_directory(out);
    fs::create_directory_symlink("../elsewhere", out / "sub");
    TestArchive(scratch / "job.zip").add("sub/part.nc", "M30\n").close();
    LibraryRun run;
    run.junkFolderNames = false;

    EXPECT_EQ(run(scratch / "job.zip", out), 0);

    EXPECT_NE(run.transcript().find("11 0 0 sub/part.nc\n"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(scratch / "elsewhere"));
}

}  // namespace
}  // namespace tarnix::testing
