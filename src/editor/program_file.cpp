#include "editor/program_file.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "common/regular_file.h"
#include "common/text_encoding.h"

namespace tarnix {

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
    text.utf8 = text.encoding == TextEncoding::Utf8 ? std::move(bytes) : decodeProgramText(bytes);
    return text;
}

void writeProgramFile(const std::string& path, std::string_view utf8, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1251)
        writeFileReplacing(path, encodeWindows1251(utf8));
    else
        writeFileReplacing(path, utf8);
}

void writeFileReplacing(const std::string& path, std::string_view bytes)
{
    try {
        writeFileAtomically(path, std::string(bytes));
    } catch (const InputOutputError& error) {
        throw FileCreateError(error.what());
    }
}

}  // namespace tarnix
