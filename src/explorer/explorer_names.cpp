#include "explorer/explorer_names.h"

#include <cstdint>
#include <vector>

namespace tarnix {
namespace {

// Bytes that are no UTF-8 sequence stay single characters of their own,
// kept apart from every code point.
constexpr std::uint32_t kRawByte = 0x110000;

std::uint32_t foldCase(std::uint32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// The characters of `text`, letters folded.
std::vector<std::uint32_t> characters(std::string_view text)
{
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2
                                 : lead >= 0xE0 && lead <= 0xEF             ? 3
                                 : lead >= 0xF0 && lead <= 0xF4             ? 4
                                                                            : 0;
        bool sequence = length > 0 && i + length <= text.size();
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; sequence && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            sequence = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (sequence) {
            out.push_back(foldCase(code));
            i += length;
        } else {
            out.push_back(kRawByte + lead);
            ++i;
        }
    }
    return out;
}

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    return out;
}

// Position of the last "." of the last part of `name`, npos when none.
std::size_t extensionStart(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string_view::npos;
    return dot;
}

}  // namespace

bool matchesFileMask(std::string_view name, std::string_view mask)
{
    const std::vector<std::uint32_t> text = characters(name);
    const std::vector<std::uint32_t> pattern = characters(mask);
    // Greedy matching that returns to the last "*" on a mismatch.
    std::size_t t = 0, p = 0;
    std::size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++t;
            ++p;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string zipEntryMaskText(std::string_view entryName)
{
    const std::size_t dot = extensionStart(entryName);
    return dot == std::string_view::npos ? "*" : "*" + asciiLower(entryName.substr(dot));
}

bool zipEntryListed(std::string_view entryName, const TFileMasks& masks)
{
    const std::string text = zipEntryMaskText(entryName);
    for (std::int32_t n = 1; n <= masks.gExtCount; ++n)
        if (masks.gExtMasks[static_cast<std::size_t>(n)] == text)
            return true;
    return false;
}

bool hasZipExtension(std::string_view path)
{
    const std::size_t dot = extensionStart(path);
    if (dot == std::string_view::npos)
        return false;
    const std::string_view extension = path.substr(dot + 1);
    return extension == "zip" || extension == "ZIP";
}

std::string fileNamePart(std::string_view name)
{
    const std::size_t slash = name.rfind('/');
    return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

std::string folderPart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1));
}

}  // namespace tarnix
