#pragma once
// Large programs for the benchmarks, generated so that no big file needs to
// be kept in the repository.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
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

// Writes moves and keeps the position as written (three or four decimals),
// so that arcs start exactly where the text says and stay on their circle
// for a reader that checks the radius at both ends.
class ProgramWriter {
public:
    explicit ProgramWriter(const char* numberFormat) : format_(numberFormat) {}

    std::vector<std::string> lines;

    void line(const std::string& text) { lines.push_back(text); }

    // "G1 X.. Y.." and the like: `axes` names the letters in the order given.
    std::string moveWords(const char* axes, std::initializer_list<double> values)
    {
        std::string words;
        auto value = values.begin();
        for (const char* axis = axes; *axis != '\0'; ++axis, ++value) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, format_, *value);
            double written = std::strtod(buffer, nullptr);
            position_[*axis - 'X'] = written;
            words += ' ';
            words += *axis;
            words += buffer;
        }
        return words;
    }

    // An arc in the plane of axes u and v (0 X, 1 Y, 2 Z) from the current
    // position: centre `radius` along u, the end `degrees` round from the start.
    std::string arcWords(int u, int v, double radius, double degrees)
    {
        const double cu = position_[u] + radius, cv = position_[v];
        const double angle = std::numbers::pi - degrees * std::numbers::pi / 180;
        const char axisLetters[] = {'X', 'Y', 'Z'};
        const char centreLetters[] = {'I', 'J', 'K'};
        const char axes[] = {axisLetters[u], axisLetters[v], '\0'};
        std::string words = moveWords(axes, {cu + radius * std::cos(angle), cv + radius * std::sin(angle)});
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, format_, radius);
        words += ' ';
        words += centreLetters[u];
        words += buffer;
        words += ' ';
        words += centreLetters[v];
        words += '0';
        return words;
    }

    double at(int axis) const { return position_[axis]; }

private:
    const char* format_;
    double position_[3] = {0, 0, 0};
};

// A mixed million-line program as several CAM systems write them, in
// millimetres: about 5 % rapids, 7 % arcs in the three planes (incremental
// centres), straight cuts of one to three axes, feed, spindle and coolant
// words and comments.
inline std::vector<std::string> generateMixedProgram(int lineCount)
{
    ProgramWriter out("%.3f");
    out.line("(mixed program)");
    out.line("G21 G17 G90 G94");
    out.line("S12000 M3");
    for (int i = 0; static_cast<int>(out.lines.size()) < lineCount; ++i) {
        const int k = i % 100;
        const double cellX = (i / 100 % 40) * 3.0, cellY = (i / 4000 % 40) * 3.0;
        if (k % 20 == 0) {
            out.line("G0" + out.moveWords("XYZ", {cellX, cellY + k * 0.01, 2}));
        } else if (k % 20 == 1) {
            out.line("G1 Z-0.500 F150");
        } else if (k % 14 == 5) {
            // Arcs of 40 to 130 degrees in XY, XZ and YZ, both senses.
            static constexpr int kPlanes[3][3] = {{17, 0, 1}, {18, 0, 2}, {19, 1, 2}};
            const int* plane = kPlanes[k / 14 % 3];
            const char* sense = k / 14 % 2 == 0 ? "G2" : "G3";
            out.line("G" + std::to_string(plane[0]) + " " + sense +
                     out.arcWords(plane[1], plane[2], 1.0 + (k % 3) * 0.5, 40 + k % 10 * 10));
        } else if (k == 50) {
            out.line("(pass " + std::to_string(i / 100) + ")");
        } else if (k == 70) {
            out.line("M8");
        } else if (k % 10 == 3) {
            out.line("G1" + out.moveWords("XYZ", {out.at(0) + 0.25, out.at(1) - 0.125, -0.5 - k % 3 * 0.1}) + " F" +
                     std::to_string(600 + k * 10));
        } else if (k % 2 == 0) {
            out.line("G1" + out.moveWords("XY", {out.at(0) + 0.1 * (k % 7), out.at(1) + 0.05 * (k % 5)}));
        } else {
            out.line(out.moveWords("X", {out.at(0) - 0.3}).substr(1));
        }
    }
    out.lines.resize(lineCount);
    return out.lines;
}

// CAM output of lathe-like finishing passes in inches: short straight moves
// of X and Z with a G18 arc every twenty lines, a rapid back between passes.
inline std::vector<std::string> generateArcHeavyProgram(int lineCount)
{
    ProgramWriter out("%.4f");
    out.line("G20 G18 G90 G94");
    out.line("G0 X0. Z0.1");
    out.line("G1 Z0. F20.");
    for (int i = 0; static_cast<int>(out.lines.size()) < lineCount; ++i) {
        const int k = i % 20;
        if (i % 400 == 0) {
            // The next pass: back to the start, a little deeper.
            out.line("G0" + out.moveWords("XZ", {0, 0.1}));
            out.line("G1" + out.moveWords("Z", {-0.001 * (i / 400 % 50)}) + " F20.");
        }
        if (k == 19) {
            const char* sense = i / 20 % 2 == 0 ? "G2" : "G3";
            out.line(std::string(sense) + out.arcWords(0, 2, 0.05 + i % 7 * 0.02, 30 + i % 4 * 20));
        } else if (k == 0) {
            out.line("G1" + out.moveWords("XZ", {out.at(0) + 0.0125, out.at(2) - 0.002}) + " F" +
                     std::to_string(10 + i % 3 * 5) + ".");
        } else {
            const double dz = (i / 400 % 2 == 0 ? -1 : 1) * 0.0011 * (k % 4);
            out.line(out.moveWords("XZ", {out.at(0) + 0.0125, out.at(2) + dz}).substr(1));
        }
    }
    out.lines.resize(lineCount);
    return out.lines;
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
