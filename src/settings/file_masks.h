#pragma once
// The Explorer's file masks ("*.nc", "*.tap" ...) and the open and save
// filters built from them: "All files|*.*", then "|" + mask + "|" + mask
// for each mask, so filter index 1 is "All files" and index m + 1 mask m.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnix {

struct TFileMasks {
    static constexpr std::int32_t kCapacity = 256;

    // Masks 1 to gExtCount. Entry 0 is never used, so a mask's number is
    // the one every loop over the masks and every filter index counts with.
    std::int32_t gExtCount = 0;
    std::array<std::string, kCapacity + 1> gExtMasks;

    // Replaces the list by the words of `text` between ";" (runs of ";"
    // separate like one; blanks are part of the masks). Words past the
    // capacity are dropped.
    void parseExt(std::string_view text);

    // The open and save dialogs' filter: every mask.
    std::string maskFilter() const;
    // The program-file box's filter: every mask but exactly "*.zip", since
    // an archive is not a program.
    std::string programFileFilter() const;

private:
    std::string filterWithout(std::string_view excludedMask) const;
};

}  // namespace tarnix
