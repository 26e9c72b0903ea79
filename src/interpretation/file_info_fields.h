#pragma once
// What the "File Information" dialog shows after an information run, as
// the texts of its fields.

#include <string>

namespace tarnix {

struct FileInfoFields {
    std::string edName;    // the measured program's name
    std::string edTime;    // machine time, "%2d:%2d:%2d"
    std::string edLength;  // metres, three decimals
    std::string lblLines;  // the number of the last line read
    std::string edMinX, edMaxX;
    std::string edMinY, edMaxY;
    // The feed moves' Z extent, then the rapid moves' in "  G0(" ... ")".
    std::string edMinZ, edMaxZ;
    std::string edMinF, edMaxF;
};

}  // namespace tarnix
