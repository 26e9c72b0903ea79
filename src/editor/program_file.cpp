#include "editor/program_file.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "common/regular_file.h"
#include "common/text_encoding.h"

#include <vector>

namespace tarnix {
namespace {

// The line holding `offset`, counted from 1; CR LF, CR and LF each end a line.
int lineAt(std::string_view text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

}  // namespace

ProgramText readProgramFile(const std::string& path)
{
    // A pipe or a device is refused: it would block or never end.
    std::string bytes;
    try {
        bytes = readRegularFile(path);
    } catch (const InputOutputError& error) {
        throw FileOpenError(error.what());
    }
    ProgramText text;
    text.encoding = isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1251;
    text.utf8 = text.encoding == TextEncoding::Utf8 ? std::move(bytes) : decodeWindows1251Exactly(bytes);
    return text;
}

EncodedProgram encodeProgramText(std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return {std::string(utf8)};
    std::vector<std::size_t> replaced;
    EncodedProgram program{encodeWindows1251(utf8, &replaced)};
    if (!replaced.empty())
        program.firstLineWithReplacement = lineAt(utf8, replaced.front());
    return program;
}

void writeFileReplacing(const std::string& path, std::string_view bytes)
{
    try {
        writeFileAtomically(path, bytes);
    } catch (const InputOutputError& error) {
        throw FileCreateError(error.what());
    }
}

}  // namespace tarnix
