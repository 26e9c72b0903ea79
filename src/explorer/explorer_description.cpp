#include "explorer/explorer_description.h"

#include "common/text_encoding.h"
#include "interpretation/program_line_reader.h"

#include <algorithm>
#include <vector>

namespace tarnix {
namespace {

// Only the head of a program is searched: a description is never buried
// deep in the tool path, and a large program must not be read whole.
constexpr int kHeadLines = 201;
// Nor is a file without line ends: the head is the first mebibyte at most,
// far more than 202 lines of a program, and the list cuts the description
// at its column anyway.
constexpr std::size_t kHeadBytes = std::size_t{1} << 20;

}  // namespace

std::string descriptionOfLine(std::string_view line)
{
    // Byte offset of every character, so that positions count characters.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < line.size(); ++i)
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    // 1-based character position of the first `c`, 0 when absent.
    auto position = [&](char c) -> long {
        const std::size_t at = line.find(c);
        if (at == std::string_view::npos)
            return 0;
        return std::lower_bound(starts.begin(), starts.end(), at) - starts.begin() + 1;
    };
    const long open = position('(');
    const long close = position(')');
    const long count = close - open + 1;
    const long first = std::max(open, 1L);
    if (count <= 0 || first > static_cast<long>(starts.size()))
        return {};
    const std::size_t from = starts[static_cast<std::size_t>(first - 1)];
    const std::size_t past = static_cast<std::size_t>(first - 1 + count);
    const std::size_t to = past < starts.size() ? starts[past] : line.size();
    return std::string(line.substr(from, to - from));
}

std::string GetDescription(const std::string& fileName)
{
    if (!ProgramLineReader::exists(fileName))
        return {};
    ProgramLineReader reader(fileName);
    reader.limitTo(kHeadBytes);
    std::string line;
    for (int number = 1; number <= kHeadLines && reader.readLine(line); ++number) {
        if (line.find('(') == std::string::npos)
            continue;
        if (!reader.readLine(line))
            return {};
        return descriptionOfLine(decodeProgramText(line));
    }
    return {};
}

}  // namespace tarnix
