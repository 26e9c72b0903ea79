#pragma once
// Program files are read only when they are regular files: a named pipe
// would block the open, a device such as /dev/zero would never end.

#include <cstdio>
#include <string>

namespace tarnix {

// Opens `path` for reading without blocking on a pipe. Throws
// InputOutputError ("Cannot open"/"Cannot read" "<path>": <reason>) when it
// cannot be opened or is not a regular file.
std::FILE* openRegularFile(const std::string& path);

// The whole file's bytes, under the same rules.
std::string readRegularFile(const std::string& path);

}  // namespace tarnix
