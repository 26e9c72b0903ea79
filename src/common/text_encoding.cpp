#include "common/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <bitset>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tarnix {
namespace {

// What stands in the output for an input character the conversion cannot
// take, and how many input bytes it stands for.
struct StandIn {
    std::string text;
    std::size_t length = 1;
};

// Converts with glibc's iconv; `standIn` is given the rest of the input from
// each character the conversion cannot take.
template <typename StandInFor>
std::string convert(std::string_view bytes, const char* from, const char* to, StandInFor standIn)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);

    std::string out;
    std::vector<char> chunk(4 * bytes.size() + 16);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = chunk.data();
        size_t outLeft = chunk.size();
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk.data(), outPtr);
        if (rc == static_cast<size_t>(-1)) {
            const StandIn stand = standIn(std::string_view(in, inLeft));
            out += stand.text;
            const std::size_t skip = std::min(stand.length, inLeft);
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

StandIn questionMark(std::string_view) { return {"?", 1}; }

// The byte length of the UTF-8 character `rest` starts with.
std::size_t utf8Length(std::string_view rest)
{
    const auto lead = static_cast<unsigned char>(rest.front());
    return std::min<std::size_t>(lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1, rest.size());
}

// Bytes stand for themselves as U+F000 + byte, a private-use range no code
// page maps anything to.
constexpr char32_t kByteStandInBase = 0xF000;

std::string byteStandIn(unsigned char byte)
{
    return {static_cast<char>(0xEF), static_cast<char>(0x80 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

// The byte a stand-in character stands for; nothing for other characters.
std::optional<unsigned char> standInByte(std::string_view character)
{
    auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    if (character.size() != 3 || static_cast<unsigned char>(character[0]) != 0xEF || !continues(character[1])
        || !continues(character[2]))
        return std::nullopt;
    const char32_t code = 0xF000 | ((character[1] & 0x3F) << 6) | (character[2] & 0x3F);
    if (code < kByteStandInBase || code > kByteStandInBase + 0xFF)
        return std::nullopt;
    return static_cast<unsigned char>(code - kByteStandInBase);
}

const std::bitset<256>& undefinedInWindows1251()
{
    static const std::bitset<256> undefined = [] {
        std::string every;
        for (int byte = 0; byte < 256; ++byte)
            every += static_cast<char>(byte);
        std::bitset<256> bytes;
        convert(every, "CP1251", "UTF-8", [&bytes](std::string_view rest) {
            bytes.set(static_cast<unsigned char>(rest.front()));
            return StandIn{};
        });
        return bytes;
    }();
    return undefined;
}

}  // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t length;
        char32_t min;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) { length = 2; min = 0x80; }
        else if (c >= 0xE0 && c <= 0xEF) { length = 3; min = 0x800; }
        else if (c >= 0xF0 && c <= 0xF4) { length = 4; min = 0x10000; }
        else return false;
        if (i + length > bytes.size())
            return false;
        char32_t code = c & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string decodeProgramText(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return convert(bytes, "CP1251", "UTF-8", questionMark);
}

std::string decodeWindows1251Exactly(std::string_view bytes)
{
    return convert(bytes, "CP1251", "UTF-8",
                   [](std::string_view rest) { return StandIn{byteStandIn(rest.front()), 1}; });
}

std::string decodeCp866(std::string_view bytes)
{
    return convert(bytes, "CP866", "UTF-8", questionMark);
}

std::string encodeWindows1251(std::string_view utf8, std::vector<std::size_t>* replaced)
{
    return convert(utf8, "UTF-8", "CP1251", [utf8, replaced](std::string_view rest) {
        const std::size_t length = utf8Length(rest);
        const std::optional<unsigned char> byte = standInByte(rest.substr(0, length));
        if (byte && undefinedInWindows1251().test(*byte))
            return StandIn{std::string(1, static_cast<char>(*byte)), length};
        if (replaced)
            replaced->push_back(static_cast<std::size_t>(rest.data() - utf8.data()));
        return StandIn{"?", length};
    });
}

}  // namespace tarnix
