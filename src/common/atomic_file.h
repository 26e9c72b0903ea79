#pragma once
// Files the program owns are replaced whole: the new contents go to a
// temporary file in the same folder, which is renamed over the old file
// once written. A full disk, a crash or a kill leaves the old file intact.

#include <string>

namespace tarnix {

// Throws InputOutputError ("Cannot create "<path>": <reason>") when the file
// cannot be written; the old file is then untouched. An existing file that
// is not writable (read-only) is refused, not replaced, and a replaced file
// keeps its permissions. A link is followed: its target is replaced.
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace tarnix
