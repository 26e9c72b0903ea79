#pragma once
// The Date and Size cells of an archive entry in the Explorer list. Both are
// built from untrusted fields, so every value gives a text.

#include "zip/zip_records.h"

#include <cstdint>
#include <string>

namespace tarnix {

// "dd/mm/yy hh:nn" from the entry's DOS date and time. The fields are shown
// as stored: an impossible date (day 0, month 13, hour 25) still gives a
// text instead of stopping the listing.
std::string zipListingDate(const TFileInfo& entry);

// The uncompressed size (from the zip64 record where the archive has one),
// whole, in groups of three digits separated by ",": 1234567 gives
// "1,234,567"; sizes of 2 GiB and more are no negative numbers. The separator is
// fixed because the program forces "." as its decimal separator, and a
// locale's "." between thousands would then read as a fraction.
std::string zipListingSize(const TFileInfo& entry);

// `value` in groups of three digits separated by ",", as zipListingSize.
std::string groupedDigits(std::uint64_t value);

}  // namespace tarnix
