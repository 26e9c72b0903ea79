#include "common/errors.h"

namespace tarnix {
namespace {

// A pathological word (millions of digits) would fill the message box:
// longer words are cut, at a character boundary, and end in an ellipsis.
constexpr std::size_t kLongestWordShown = 300;

// A message travels as a C string, which a NUL byte of the program would
// end: each is written as the two characters "\0".
std::string withVisibleNuls(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (char c : text)
        shown += c == '\0' ? std::string_view("\\0") : std::string_view(&c, 1);
    return shown;
}

std::string shownWord(std::string_view text)
{
    if (text.size() <= kLongestWordShown)
        return withVisibleNuls(text);
    std::size_t cut = kLongestWordShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return withVisibleNuls(text.substr(0, cut)) + "...";
}

}  // namespace

ConversionError invalidFloat(std::string_view text)
{
    return ConversionError("'" + shownWord(text) + "' is not a valid floating point value");
}

ConversionError invalidInteger(std::string_view text)
{
    return ConversionError("'" + shownWord(text) + "' is not a valid integer value");
}

}  // namespace tarnix
