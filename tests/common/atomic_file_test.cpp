#include "common/atomic_file.h"

#include "common/errors.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using namespace tarnix;
using tarnix::testing::readFile;
using tarnix::testing::ScratchFolder;

namespace {

std::size_t entryCount(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(AtomicFile, CreatesOrReplacesTheWholeFileAndLeavesNothingBeside)
{
    ScratchFolder folder;
    const std::string path = folder.file("CNCconfig.ini").string();
    writeFileAtomically(path, "first version, longer than the next\n");
    writeFileAtomically(path, "second\n");
    EXPECT_EQ(readFile(path), "second\n");
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

TEST(AtomicFile, ReplacedFileKeepsItsPermissions)
{
    ScratchFolder folder;
    const std::string path = folder.write("settings.ini", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    writeFileAtomically(path, "new");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(AtomicFile, ALinkStaysALinkAndItsTargetIsReplaced)
{
    ScratchFolder folder;
    const std::string target = folder.write("real.ini", "old");
    const auto link = folder.file("link.ini");
    std::filesystem::create_symlink(target, link);
    writeFileAtomically(link.string(), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(target), "new");
}

TEST(AtomicFile, FailureLeavesWhatWasThereAndNoTemporary)
{
    ScratchFolder folder;
    // A folder in the way makes the rename fail after the data was written.
    std::filesystem::create_directory(folder.file("busy.ini"));
    folder.write("busy.ini/inside", "kept");
    EXPECT_THROW(writeFileAtomically(folder.file("busy.ini").string(), "lost"), InputOutputError);
    EXPECT_EQ(readFile(folder.file("busy.ini/inside")), "kept");
    EXPECT_EQ(entryCount(folder.path()), 1u);

    EXPECT_THROW(writeFileAtomically(folder.file("missing/a.ini").string(), "x"), InputOutputError);
}

TEST(AtomicFile, ReadOnlyFileIsRefusedNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    ScratchFolder folder;
    const std::string readOnly = folder.write("locked.ini", "user's settings");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_THROW(writeFileAtomically(readOnly, "defaults"), InputOutputError);
    EXPECT_EQ(readFile(readOnly), "user's settings");
}

// A crash between writing and renaming leaves "<name>.<number>.tmp"; the
// next start removes exactly those, whatever else lies in the folder.
TEST(AtomicFile, LeftoverTemporariesOfOneFileAreRemovedAndNothingElse)
{
    ScratchFolder folder;
    const std::string path = folder.write("CNCconfig.ini", "settings");
    for (const char* name : {"CNCconfig.ini.3141592653.tmp", "CNCconfig.ini.0.tmp"})
        folder.write(name, "half written");
    const std::vector<std::string> kept = {
        "CNCconfig.ini",           "CNCconfig.ini.12a.tmp", "CNCconfig.ini..tmp",     "CNCconfig.ini.tmp",
        "CNCconfig.ini.5.tmp.bak", "CNCconfig.ini.5.TMP",   "xCNCconfig.ini.5.tmp",   "shellTB.ini.5.tmp",
        "CNCconfig.ini.-5.tmp",    "CNCconfig.ini.7.tmp",
    };
    for (const std::string& name : kept)
        if (name != "CNCconfig.ini" && name != "CNCconfig.ini.7.tmp")
            folder.write(name, "the user's");
    // A folder is never the program's leftover.
    std::filesystem::create_directory(folder.file("CNCconfig.ini.7.tmp"));

    removeLeftoverTemporaries(path);

    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.fileNames(), expected);
    EXPECT_EQ(readFile(path), "settings");
}

TEST(AtomicFile, LeftoversOfALinkedFileAreTheTargetsAndAMissingFolderIsNoError)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("real"));
    const std::string target = folder.write("real/settings.ini", "old");
    folder.write("real/settings.ini.42.tmp", "half written");
    const auto link = folder.file("settings.ini");
    std::filesystem::create_symlink(target, link);
    removeLeftoverTemporaries(link.string());
    EXPECT_FALSE(std::filesystem::exists(folder.file("real/settings.ini.42.tmp")));
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    EXPECT_NO_THROW(removeLeftoverTemporaries(folder.file("missing/a.ini").string()));
}
