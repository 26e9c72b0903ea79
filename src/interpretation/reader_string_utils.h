#pragma once
// Small string helpers of the program readers.

#include <string>
#include <string_view>

namespace tarnix {

// The text after the last "." anywhere in `fileName`, folder part included;
// the whole name when it holds no ".".
std::string GetExtention(std::string_view fileName);

// Upper-cases the ASCII letters of `text` in place (other characters keep
// their case) and returns it.
std::string& upCaseStr(std::string& text);

// `text` without its blanks (" ").
std::string DelSpaceInStr(const std::string& text);

// `text` without its double quotes ("), the twin of DelSpaceInStr.
std::string DelQuotesInStr(const std::string& text);

}  // namespace tarnix
