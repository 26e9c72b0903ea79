#pragma once
// The Description column of a program: CAM post-processors write a "("
// banner at the head of a program and the part's name or comment on the
// line after it, so that line is what the Explorer shows.

#include <string>
#include <string_view>

namespace tarnix {

// The part of `line` (UTF-8) shown as the description: from its first "("
// (or its start when there is none) through its first ")" (or one character
// past it when there is no "("), cut at the end of the line; empty when the
// ")" comes first or there is a "(" but no ")". Positions count characters.
std::string descriptionOfLine(std::string_view line);

// The description of the line after the first of lines 1 to 201 that holds
// "(", as UTF-8; empty when the file does not exist, when no such line holds
// "(" or when no line follows it. Only the file's first mebibyte is read:
// a file without line ends would otherwise be read whole as one line.
// Throws InputOutputError when an existing file cannot be read.
std::string GetDescription(const std::string& fileName);

}  // namespace tarnix
