#pragma once
// How an archive entry's stored name is read, shared by the directory
// reader, the Explorer and the unzip library, so that the file the library
// writes is the file the Explorer looks for.

#include <cstdint>
#include <string_view>

namespace tarnix {

// Archivers on Windows separate folders with either "/" or "\".
bool isZipNameSeparator(char c);

// The entry's file name without its folders: the text after the last
// separator. Entries are extracted under this name.
std::string_view zipEntryFileName(std::string_view name);

// Archivers on DOS and OS/2, and version 5.0 on NTFS, wrote names in the
// OEM code page; the first entry's "version made by" speaks for the whole
// archive.
bool zipNamesInOemCodePage(std::uint8_t versionMadeBy, std::uint8_t hostSystem);

}  // namespace tarnix
