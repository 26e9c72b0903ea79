#include "interpretation/reader_string_utils.h"

#include <algorithm>

namespace tarnix {
namespace {

std::string without(const std::string& text, char removed)
{
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [removed](char c) { return c != removed; });
    return result;
}

}  // namespace

std::string GetExtention(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(dot + 1));
}

std::string& upCaseStr(std::string& text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string DelSpaceInStr(const std::string& text) { return without(text, ' '); }

std::string DelQuotesInStr(const std::string& text) { return without(text, '"'); }

}  // namespace tarnix
