#include "common/text_encoding.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

namespace tarnix {
namespace {

// Converts with glibc's iconv; with `lossy`, characters the target cannot
// hold become "?" instead of ending the conversion.
std::string convert(std::string_view bytes, const char* from, const char* to, bool lossy)
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
            if (!lossy)
                break;
            // Skip one undecodable or unrepresentable input character.
            out += '?';
            std::size_t skip = 1;
            if (std::string_view(from) == "UTF-8") {
                auto lead = static_cast<unsigned char>(*in);
                skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
                if (skip > inLeft)
                    skip = inLeft;
            }
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
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
    return convert(bytes, "CP1251", "UTF-8", true);
}

std::string decodeCp866(std::string_view bytes)
{
    return convert(bytes, "CP866", "UTF-8", true);
}

std::string encodeWindows1251(std::string_view utf8)
{
    return convert(utf8, "UTF-8", "CP1251", true);
}

}  // namespace tarnix
