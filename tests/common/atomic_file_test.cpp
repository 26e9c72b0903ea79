#include "common/atomic_file.h"

#include "common/errors.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

using namespace tarnix;
using tarnix::testing::readFile;
using tarnix::testing::ScratchFolder;

namespace {

std::size_t entryCount(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

struct stat statOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

constexpr uid_t kOtherUser = 65534;  // "nobody"

// Runs `step` as a user without root's rights (in a child process when the
// tests run as root, since folder permissions do not hold root back) and
// tells whether it returned true.
bool asOrdinaryUser(const std::function<bool()>& step)
{
    if (::geteuid() != 0)
        return step();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool done = ::setgid(kOtherUser) == 0 && ::setuid(kOtherUser) == 0 && step();
        ::_exit(done ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A scratch folder the ordinary user can enter.
void openToEveryone(const ScratchFolder& folder)
{
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
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

TEST(AtomicFile, ReadOnlyFileIsRefusedNotReplacedEvenForRoot)
{
    ScratchFolder folder;
    const std::string readOnly = folder.write("locked.ini", "user's settings");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_THROW(writeFileAtomically(readOnly, "defaults"), InputOutputError);
    EXPECT_EQ(readFile(readOnly), "user's settings");
    EXPECT_EQ(entryCount(folder.path()), 1u);
}

TEST(AtomicFile, EveryNameThatCanBeCreatedCanBeReplaced)
{
    std::string cyrillic;
    for (int k = 0; k < 127; ++k)
        cyrillic += "ж";  // 254 bytes
    for (const std::string& name : {std::string(255, 'n'), std::string(241, 'n'), cyrillic}) {
        ScratchFolder folder;
        const std::string path = folder.write(name, "old");
        ASSERT_EQ(readFile(path), "old") << name.size();
        EXPECT_NO_THROW(writeFileAtomically(path, "new")) << name.size();
        EXPECT_EQ(readFile(path), "new") << name.size();
        EXPECT_EQ(entryCount(folder.path()), 1u) << name.size();
    }
}

TEST(AtomicFile, ReplacedFileKeepsItsOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    ScratchFolder folder;
    const std::string path = folder.write("theirs.nc", "old");
    ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    writeFileAtomically(path, "new");
    const struct stat info = statOf(path);
    EXPECT_EQ(info.st_uid, kOtherUser);
    EXPECT_EQ(info.st_gid, kOtherUser);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(readFile(path), "new");
}

TEST(AtomicFile, AFileOfAnotherOwnerThatTheUserMayWriteKeepsItsOwner)
{
    ScratchFolder folder;
    openToEveryone(folder);
    const std::string path = folder.write("shared.nc", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const struct stat before = statOf(path);
    ASSERT_TRUE(asOrdinaryUser([&] {
        try {
            writeFileAtomically(path, "new");
            return true;
        } catch (const InputOutputError&) {
            return false;
        }
    }));
    const struct stat after = statOf(path);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    EXPECT_EQ(readFile(path), "new");
}

TEST(AtomicFile, AFileWithHardLinksStaysOneFile)
{
    ScratchFolder folder;
    const std::string path = folder.write("prog.nc", "old");
    const std::string link = folder.file("same.nc").string();
    ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
    writeFileAtomically(path, "new and longer");
    EXPECT_EQ(readFile(link), "new and longer");
    EXPECT_EQ(statOf(path).st_ino, statOf(link).st_ino);
    writeFileAtomically(link, "short");
    EXPECT_EQ(readFile(path), "short");
    EXPECT_EQ(entryCount(folder.path()), 2u);
}

TEST(AtomicFile, AWritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace)
{
    ScratchFolder folder;
    openToEveryone(folder);
    const std::string path = folder.write("prog.nc", "old text, longer than the new");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                                    std::filesystem::perms::group_exec |
                                                    std::filesystem::perms::others_read |
                                                    std::filesystem::perms::others_exec);
    EXPECT_TRUE(asOrdinaryUser([&] {
        try {
            writeFileAtomically(path, "new");
            return readFile(path) == "new";
        } catch (const InputOutputError&) {
            return false;
        }
    }));
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(entryCount(folder.path()), 1u);
    // A new file there is still refused, with the reason.
    EXPECT_TRUE(asOrdinaryUser([&] {
        try {
            writeFileAtomically(folder.file("new.nc").string(), "x");
            return false;
        } catch (const InputOutputError& error) {
            return std::string(error.what()).find("Permission denied") != std::string::npos;
        }
    }));
}

TEST(AtomicFile, AnInPlaceWriteThatCannotFinishLeavesTheOldFileWhole)
{
    ScratchFolder folder;
    const std::string path = folder.write("prog.nc", "old");
    ASSERT_EQ(::link(path.c_str(), folder.file("link.nc").c_str()), 0);
    // A file size limit makes the write fail as a full disk would.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            writeFileAtomically(path, std::string(5000, 'x'));
        } catch (const InputOutputError&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readFile(path), "old");
}

// A crash between writing and renaming leaves "<name>.<number>.tmp"; the
// next start removes exactly those, whatever else lies in the folder.
TEST(AtomicFile, LeftoverTemporariesAreRemovedAndNothingElse)
{
    ScratchFolder folder;
    const std::string path = folder.write("CNCconfig.ini", "settings");
    for (const char* name : {".tarnix3141592653.tmp", ".tarnix0.tmp"})
        folder.write(name, "half written");
    const std::vector<std::string> kept = {
        ".tarnix.tmp",  ".tarnix12a.tmp", ".tarnix5.tmp.bak", ".tarnix5.TMP",  "x.tarnix5.tmp",
        "tarnix5.tmp",  ".tarnix-5.tmp",  ".tarnix7.tmp",     "CNCconfig.ini", "CNCconfig.ini.5.tmp",
    };
    for (const std::string& name : kept)
        if (name != "CNCconfig.ini" && name != ".tarnix7.tmp")
            folder.write(name, "the user's");
    // A folder is never the program's leftover.
    std::filesystem::create_directory(folder.file(".tarnix7.tmp"));

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
    folder.write("real/.tarnix42.tmp", "half written");
    const auto link = folder.file("settings.ini");
    std::filesystem::create_symlink(target, link);
    removeLeftoverTemporaries(link.string());
    EXPECT_FALSE(std::filesystem::exists(folder.file("real/.tarnix42.tmp")));
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    EXPECT_NO_THROW(removeLeftoverTemporaries(folder.file("missing/a.ini").string()));
}
