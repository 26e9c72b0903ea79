#pragma once
// Names in the Explorer list: which files and archive entries a mask
// lists, and the parts of a name the list commands build paths from.
// Folders are separated by "/" in file paths and in entry names alike.

#include "settings/file_masks.h"

#include <string>
#include <string_view>

namespace tarnix {

// The folder search's wildcards: "*" any run of characters, "?" exactly
// one, letters A to Z compared without regard to case. A character is one
// UTF-8 sequence, or one byte of a name that is not UTF-8.
bool matchesFileMask(std::string_view name, std::string_view mask);

// "*" + the lower-cased extension (from the last "." on) of an archive
// entry, or "*" when the last "." lies in a folder part or is missing.
std::string zipEntryMaskText(std::string_view entryName);

// An archive entry is listed when its mask text equals one of the masks
// exactly: a mask in capitals (such as "*.NC") lists no entry.
bool zipEntryListed(std::string_view entryName, const TFileMasks& masks);

// A file whose own extension is exactly "zip" or "ZIP" is an archive;
// "Zip" and other forms are program files.
bool hasZipExtension(std::string_view path);

// The text after the last "/": an entry name without its folders.
std::string fileNamePart(std::string_view name);

// The text up to and including the last "/"; empty for a bare name.
std::string folderPart(std::string_view path);

}  // namespace tarnix
