#pragma once
// How an archive entry's stored name is read, shared by the directory
// reader, the Explorer and the unzip library, so that the file the library
// writes is the file the Explorer looks for.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

// Archivers on Windows separate folders with either "/" or "\".
bool isZipNameSeparator(char c);

// The entry's file name without its folders: the text after the last
// separator.
std::string_view zipEntryFileName(std::string_view name);

// The parts of the path an entry is extracted to below the extraction
// folder, outermost first: the stored name split at either separator,
// without empty and "." parts. nullopt when the name could reach outside
// the folder: an absolute name, or a ".." part.
std::optional<std::vector<std::string>> zipEntryPathParts(std::string_view name);

// The file an entry is extracted to below the extraction folder, its parts
// joined by "/" ("dir\part.nc" gives "dir/part.nc"); nullopt when the entry
// is never extracted by its name (see zipEntryPathParts), or names a
// folder or no file ("dir/", "dir/.").
std::optional<std::string> zipEntryPath(std::string_view name);

// The entry stands for a symbolic link: made on Unix, with the link type in
// the file mode that the upper half of its external attributes holds.
// Links could point anywhere and are never extracted.
bool zipEntryIsLink(std::uint8_t hostSystem, std::uint32_t externalAttributes);

// Archivers on DOS and OS/2, and version 5.0 on NTFS, wrote names in the
// OEM code page; the first entry's "version made by" speaks for the whole
// archive.
bool zipNamesInOemCodePage(std::uint8_t versionMadeBy, std::uint8_t hostSystem);

}  // namespace tarnix
