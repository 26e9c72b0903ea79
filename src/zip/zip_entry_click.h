#pragma once
// The Explorer list's click on an entry of the opened archive: the first
// click extracts the whole archive, from which the programs are then read.

#include "zip/zip_extractor.h"

#include <string>

namespace tarnix {

// On the first click into the archive (`zipExtracted` false) creates
// `tempDir` when missing (a link in its place gives way to a real folder,
// what it points to untouched), removes the files an earlier archive left
// there under this archive's entry names, extracts the archive into it with
// its folders and sets `zipExtracted`. An extraction that started nothing
// (no room, no folder) or could not write a file is reported and leaves
// `zipExtracted` false, so that the next click tries again. Returns the
// program path of the entry `selectedFile`: the extraction folder + the
// entry's folders and file name; empty for an entry the extraction never
// writes by its name ("../x.nc"). Raises what Extract raises, and
// ZipException "Index range error" for an archive without entries, and
// InputOutputError when a left file cannot be removed; then `zipExtracted`
// stays false.
std::string ZipEntryClick(ZipExtractor& zip, const std::string& tempDir, bool& zipExtracted,
                          const std::string& selectedFile);

}  // namespace tarnix
