#pragma once
// Saving a transformation's converted lines: the text written, the name the
// save dialog's answer writes to, and the guard that keeps the source whole.

#include "editor/editor_ports.h"

#include <string>
#include <vector>

namespace tarnix {

// The file's bytes: every line ends with "\n".
std::string outputText(const std::vector<std::string>& lines);

// The chosen name, with the chosen filter's extension when it has none
// (".tap" for "All files").
std::string chosenOutputName(const SaveDialogAnswer& answer, const std::string& filter);

// True when `chosen` names the file `source`, by the same text or by another
// path to the same file.
bool namesSameFile(const std::string& chosen, const std::string& source);

}  // namespace tarnix
