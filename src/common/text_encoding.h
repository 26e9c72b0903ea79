#pragma once
// Program text and side files are 8-bit text written on Windows machines:
// usually Windows-1251 (Cyrillic comments and keywords), sometimes UTF-8.
// Zip archives name their entries in the OEM code page 866.

#include <string>
#include <string_view>

namespace tarnix {

bool isValidUtf8(std::string_view bytes);

// The line as UTF-8: kept when it is valid UTF-8, else read as Windows-1251.
std::string decodeProgramText(std::string_view bytes);

// Bytes in code page 866 as UTF-8.
std::string decodeCp866(std::string_view bytes);

// UTF-8 text back to Windows-1251 bytes; characters it cannot hold become "?".
std::string encodeWindows1251(std::string_view utf8);

}  // namespace tarnix
