#include "interpretation/program_line_reader.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace tarnix;

namespace {

// The reader reads in chunks of this many bytes; lines and line ends that
// straddle a chunk's end are the cases to get right.
constexpr std::size_t kChunk = 64 * 1024;

std::vector<std::string> linesAsViews(const std::string& path)
{
    ProgramLineReader reader(path);
    std::vector<std::string> lines;
    for (std::string_view line; reader.readLine(line);)
        lines.emplace_back(line);
    return lines;
}

std::vector<std::string> linesAsCopies(const std::string& path)
{
    ProgramLineReader reader(path);
    std::vector<std::string> lines;
    for (std::string line; reader.readLine(line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(ProgramLineReader, EveryLineEndAlsoAcrossChunkEnds)
{
    const std::string filler(kChunk - 3, 'x');  // after it and "ab" a line end is the chunk's last byte
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"mixed ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"empty lines", "\n\r\n\r\r\n", {"", "", "", ""}},
        {"LF lines before and after CRs", "a\nb\r\nc\nd\re\n\rf", {"a", "b", "c", "d", "e", "", "f"}},
        {"a CR in a full second chunk only", filler + "ab\nc\rd\n" + std::string(kChunk, 'z'),
         {filler + "ab", "c", "d", std::string(kChunk, 'z')}},
        {"empty file", "", {}},
        {"end at the file's end", "a\r\n", {"a"}},
        {"lone CR at the file's end", "a\r", {"a"}},
        {"CR LF split by the chunk's end", filler + "ab\r\nc", {filler + "ab", "c"}},
        {"CR at the chunk's end, no LF", filler + "ab\rc\n", {filler + "ab", "c"}},
        {"CR at the chunk's end, an empty line follows", filler + "ab\r\r\nc", {filler + "ab", "", "c"}},
        {"line across two chunk ends", "s\n" + std::string(2 * kChunk + 5, 'y') + "\nz",
         {"s", std::string(2 * kChunk + 5, 'y'), "z"}},
    };
    tarnix::testing::ScratchFolder folder;
    for (const Case& c : cases) {
        const std::string path = folder.write("program.nc", c.bytes);
        EXPECT_EQ(linesAsViews(path), c.lines) << c.name;
        EXPECT_EQ(linesAsCopies(path), c.lines) << c.name;
    }
}
