#include "zip/zip_listing_cells.h"

#include <cstdint>
#include <cstdio>

namespace tarnix {

std::string zipListingDate(const TFileInfo& entry)
{
    const unsigned date = entry.Header.LastModDate;
    const unsigned time = entry.Header.LastModTime;
    const unsigned day = date & 0x1F;
    const unsigned month = (date >> 5) & 0x0F;
    const unsigned year = 1980 + (date >> 9);
    const unsigned hour = time >> 11;
    const unsigned minute = (time >> 5) & 0x3F;
    // Every field has at most two digits, so the text always fits.
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%02u %02u:%02u", day, month, year % 100, hour, minute);
    return text;
}

std::string zipListingSize(const TFileInfo& entry)
{
    return groupedDigits(uncompressedSizeOf(entry));
}

std::string groupedDigits(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

}  // namespace tarnix
