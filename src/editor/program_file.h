#pragma once
// A program file as the editor reads and writes it: 8-bit text that came
// either as UTF-8 or as Windows-1251, saved back the way it came. Every
// byte survives the round trip, NUL and bytes the code page leaves
// undefined included, so only what the user typed can change.

#include <string>
#include <string_view>

namespace tarnix {

enum class TextEncoding { Utf8, Windows1251 };

struct ProgramText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Throws FileOpenError when the file cannot be read.
ProgramText readProgramFile(const std::string& path);

struct EncodedProgram {
    std::string bytes;
    // The first line, counted from 1 as the editor counts them, holding a
    // character the encoding cannot hold (written as "?"); 0 when none does.
    int firstLineWithReplacement = 0;
};

// `utf8` as the file's bytes in `encoding`.
EncodedProgram encodeProgramText(std::string_view utf8, TextEncoding encoding);

// Writes `bytes` under a temporary name beside `path` and renames it into
// place, so a failed write never leaves a half-written file. An existing
// file keeps its permissions. Throws FileCreateError when it cannot.
void writeFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace tarnix
