#pragma once
// Large programs for the benchmarks, generated so that no big file needs to
// be kept in the repository.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace tarnix::bench {

// Blocks repeat in groups of eight: a rapid, a plunge, straight cuts, a
// clockwise and a counter-clockwise arc of 20 degrees on radius 10, a comment.
inline std::vector<std::string> generateGCodeProgram(int lineCount)
{
    std::vector<std::string> lines;
    lines.reserve(lineCount);
    char buffer[160];
    for (int i = 0; static_cast<int>(lines.size()) < lineCount; ++i) {
        double x = (i % 500) * 0.7, y = (i / 500 % 500) * 0.7;
        std::snprintf(buffer, sizeof buffer, "N%d G0 X%.3f Y%.3f Z5.", i * 8, x, y);
        lines.emplace_back(buffer);
        lines.emplace_back(" G1 Z-1.5 F300 (plunge)");
        std::snprintf(buffer, sizeof buffer, " G1 X%.3f Y%.3f F1200", x + 10, y);
        lines.emplace_back(buffer);
        double ex = x + std::cos(0.349066) * 10, ey = y + std::sin(0.349066) * 10;
        // Arc centres are absolute: the cell's corner.
        std::snprintf(buffer, sizeof buffer, " G3 X%.4f Y%.4f I%.3f J%.3f", ex, ey, x, y);
        lines.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, " G2 X%.3f Y%.3f I%.3f J%.3f", x + 10, y, x, y);
        lines.emplace_back(buffer);
        std::snprintf(buffer, sizeof buffer, " G1 X%.3f Y%.3f", x, y + 0.35);
        lines.emplace_back(buffer);
        lines.emplace_back("(next cell)");
        lines.emplace_back(" G0 Z5 M9");
    }
    lines.resize(lineCount);
    return lines;
}

// A Roland program of `commandCount` commands, several to a line: speed
// changes, travels at speed 64 and cutting moves.
inline std::vector<std::string> generateRolandProgram(int commandCount)
{
    std::vector<std::string> lines;
    char buffer[200];
    for (int i = 0; i < commandCount; i += 4) {
        int x = (i % 1000) * 40, y = (i / 1000 % 1000) * 40;
        std::snprintf(buffer, sizeof buffer, "V64;Z%d,%d,2000;V15;Z%d,%d,-300;", x, y, x + 400, y + 200);
        lines.emplace_back(buffer);
    }
    return lines;
}

}  // namespace tarnix::bench
