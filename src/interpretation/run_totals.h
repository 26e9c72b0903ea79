#pragma once
// Totals of the current pass over a program.

#include <cstdint>

namespace tarnix {

struct TRunTotals {
    double FTime = 0;      // machine time, seconds
    double FLength = 0;    // path length, program units times the coefficient
    double FFullTime = 0;  // sum of the information runs' times until cleared
    // Position at the end of the previous block.
    double FPrevX = 0, FPrevY = 0, FPrevZ = 0;
    // Set when a pass starts: the first straight move adds no length or time.
    bool FFirstMove = true;
    std::int32_t FLineNo = 0;
};

}  // namespace tarnix
