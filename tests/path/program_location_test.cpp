// Where the chosen program lies: in the Explorer's folder, or under its
// file name in the extraction folder once its archive is extracted.

#include "path/program_location.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

TEST(ProgramLocation, ExtractedEntriesKeepTheirFoldersAtEitherSeparatorAndFolderFilesKeepTheirName)
{
    const struct {
        const char* selected;
        bool extracted;
        const char* path;
    } cases[] = {
        {"dir\\part.nc", true, "/tmp/tempcnc/dir/part.nc"},
        {"dir/sub\\part.nc", true, "/tmp/tempcnc/dir/sub/part.nc"},
        {"dir\\sub/part.nc", true, "/tmp/tempcnc/dir/sub/part.nc"},
        {"./dir//part.nc", true, "/tmp/tempcnc/dir/part.nc"},
        {"part.nc", true, "/tmp/tempcnc/part.nc"},
        // Names the extraction never writes lie nowhere.
        {"../part.nc", true, ""},
        {"/etc/part.nc", true, ""},
        {"dir/.", true, ""},
        // A Linux file name may hold a "\".
        {"a\\b:c.nc", false, "/home/programs/a\\b:c.nc"},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selected);
        const ProgramLocation location{.FCurrentFolder = "/home/programs/", .FSelectedFile = c.selected,
                                       .FZipExtracted = c.extracted, .extractionFolder = "/tmp/tempcnc/"};
        EXPECT_EQ(location.programPath(), c.path);
    }
}

// The extraction folder goes at close: what is made from a program in it
// belongs beside the archive, in the Explorer's folder.
TEST(ProgramLocation, WorkFromAnExtractedProgramIsWrittenBesideTheArchive)
{
    const struct {
        const char* source;
        const char* folder;
    } cases[] = {
        {"/home/programs/part.nc", "/home/programs/"},
        {"/elsewhere/part.nc", "/elsewhere/"},
        {"/tmp/tempcnc/part.nc", "/home/programs/"},
        {"/tmp/tempcnc/sub/part.nc", "/home/programs/"},
        {"/tmp/tempcncX/part.nc", "/tmp/tempcncX/"},
        {"part.nc", ""},
    };
    ProgramLocation location;
    location.FCurrentFolder = "/home/programs/";
    location.extractionFolder = "/tmp/tempcnc/";
    for (const auto& c : cases)
        EXPECT_EQ(location.outputFolderFor(c.source), c.folder) << c.source;
}

}  // namespace
}  // namespace tarnix
