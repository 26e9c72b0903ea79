#include "editor/program_file.h"

#include "common/errors.h"
#include "common/text_encoding.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace tarnix {

ProgramText readProgramFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw FileOpenError("Cannot open file \"" + path + "\".");
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw FileOpenError("Cannot open file \"" + path + "\".");
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
    namespace fs = std::filesystem;
    const std::string temporary = path + ".tarnix-" + std::to_string(::getpid()) + ".tmp";
    std::error_code ignored;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            fs::remove(temporary, ignored);
            throw FileCreateError("Cannot create file \"" + path + "\".");
        }
    }
    const fs::file_status existing = fs::status(path, ignored);
    if (fs::is_regular_file(existing))
        fs::permissions(temporary, existing.permissions(), ignored);
    std::error_code renamed;
    fs::rename(temporary, path, renamed);
    if (renamed) {
        fs::remove(temporary, ignored);
        throw FileCreateError("Cannot create file \"" + path + "\". " + renamed.message());
    }
}

}  // namespace tarnix
