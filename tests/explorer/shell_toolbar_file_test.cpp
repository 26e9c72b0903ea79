// "shellTB.ini": the shell toolbar's folders survive a write and a read,
// whatever characters their paths hold, and a failed write keeps the file.

#include "common/errors.h"
#include "explorer/shell_toolbar_file.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace tarnix {
namespace {

using testing::ScratchFolder;

TEST(ShellToolbarFile, FoldersComeBackAsWrittenInTheirOrder)
{
    ScratchFolder scratch;
    const std::string file = scratch.file("shellTB.ini").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"/home/user/programs", "/mnt/usb"},
        {"/a\\b", "/ends in\\", "/two\nlines", "/literal \\n", "/Детали", "/\xc4\xe5\xf2\xe0\xeb\xfc", "/crlf\r"},
    };
    for (const auto& folders : cases) {
        WriteShellToolbarFile(file, folders);
        EXPECT_EQ(ReadShellToolbarFile(file), folders);
    }
}

TEST(ShellToolbarFile, MissingFileIsAnErrorForTheToolbarToSwallow)
{
    ScratchFolder scratch;
    EXPECT_THROW(ReadShellToolbarFile(scratch.file("shellTB.ini").string()), InputOutputError);
}

TEST(ShellToolbarFile, FailedWriteLeavesWhatWasThereAndNoTemporary)
{
    ScratchFolder scratch;
    // A folder in the file's place cannot be replaced by a file.
    std::filesystem::create_directories(scratch.file("shellTB.ini") / "inside");
    EXPECT_THROW(WriteShellToolbarFile(scratch.file("shellTB.ini").string(), {"/new"}), InputOutputError);
    EXPECT_TRUE(std::filesystem::exists(scratch.file("shellTB.ini") / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1);
}

TEST(ShellToolbarFile, LivesBesideTheSettingsFile)
{
    EXPECT_EQ(shellToolbarFilePath("/opt/tarnix/CNCconfig.ini"), "/opt/tarnix/shellTB.ini");
    EXPECT_EQ(shellToolbarFilePath("CNCconfig.ini"), "shellTB.ini");
}

}  // namespace
}  // namespace tarnix
