#pragma once
// The name Save As writes to: the chosen name, with the chosen filter's
// extension when the name has none.

#include <string>
#include <string_view>

namespace tarnix {

// ".tap" for filter index 1 ("All files"), else the pattern of that filter
// entry with every "*" removed ("*.nc" gives ".nc"); empty past the end.
std::string defaultExtension(std::string_view filter, int filterIndex);

// True when the file-name part of `name` holds a ".".
bool hasExtension(std::string_view name);

// The file-name part of a path: what follows the last "/".
std::string fileNamePartOf(std::string_view path);

}  // namespace tarnix
