#pragma once
// Program text and side files are 8-bit text written on Windows machines:
// usually Windows-1251 (Cyrillic comments and keywords), sometimes UTF-8.
// Zip archives name their entries in the OEM code page 866.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

bool isValidUtf8(std::string_view bytes);

// The line as UTF-8: kept when it is valid UTF-8, else read as Windows-1251.
std::string decodeProgramText(std::string_view bytes);

// Windows-1251 bytes as UTF-8 that keeps every byte: a byte the code page
// leaves undefined reads as the private-use character U+F000 + byte, which
// `encodeWindows1251` turns back into that byte.
std::string decodeWindows1251Exactly(std::string_view bytes);

// Bytes in code page 866 as UTF-8.
std::string decodeCp866(std::string_view bytes);

// UTF-8 text back to Windows-1251 bytes; characters it cannot hold become
// "?", their offsets in `utf8` added to `replaced` when it is given.
std::string encodeWindows1251(std::string_view utf8, std::vector<std::size_t>* replaced = nullptr);

}  // namespace tarnix
