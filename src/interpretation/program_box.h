#pragma once
// The program's box and tool as the side files, ".tap" comment headers and
// whole-file scans report them. One record for the whole process, seeded
// once at start-up and never reset: every reader overwrites only what it
// finds, so a program without box information keeps the previous one's.
// Units as read: millimetres for G-code programs, machine steps for Roland.

#include <cstdint>

namespace tarnix {

struct TProgramBox {
    double gMaxX = -9999999, gMaxY = -9999999, gMaxZ = -9999999;
    double gMinX = 9999999, gMinY = 9999999, gMinZ = 9999999;
    // Feed range of the last whole-file scan.
    double gMinF = 9999999;
    double gMaxF = -9999999;
    // Half the "DIAMETER:" value of a header or information file.
    double gToolRadius = 0;
    // Lines of the last whole-file scan.
    std::int32_t gLineCount = 0;

    bool operator==(const TProgramBox&) const = default;
};

}  // namespace tarnix
