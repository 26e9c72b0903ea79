#include "common/regular_file.h"

#include "common/errors.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarnix;
using tarnix::testing::ScratchFolder;

TEST(RegularFile, ReadsARegularFileWhole)
{
    ScratchFolder folder;
    const std::string bytes = std::string(100'000, 'G') + "\r\n\0end";
    EXPECT_EQ(readRegularFile(folder.write("part.nc", bytes)), bytes);
}

// A pipe without a writer would block the open, a device would never end.
TEST(RegularFile, RefusesWhatIsNoRegularFileBeforeReading)
{
    ScratchFolder folder;
    const std::string fifo = folder.file("fifo.nc").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder.path().string(),
                                    folder.file("missing.nc").string()}) {
        EXPECT_THROW(readRegularFile(path), InputOutputError) << path;
        try {
            std::fclose(openRegularFile(path));
            ADD_FAILURE() << path << " opened";
        } catch (const InputOutputError& error) {
            EXPECT_NE(std::string(error.what()).find("\"" + path + "\""), std::string::npos);
        }
    }
}
