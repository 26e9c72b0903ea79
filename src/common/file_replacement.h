#pragma once
// Writing a file the program owns without ever leaving it half written:
// the bytes go to a new file in the same folder, which then takes the
// file's place in one step.

#include <string>

namespace tarnix {

// Replaces the file `path` with `bytes`. Throws InputOutputError naming
// `path` when the file cannot be written; the old file is then untouched.
void replaceFile(const std::string& path, const std::string& bytes);

}  // namespace tarnix
