// Interprets a generated program of a million mixed G0/G1/G2/G3 blocks with
// comments into a point list. Reports lines per second and bytes per point.

#include "interpretation/gcode_interpreter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Blocks repeat in groups of eight: a rapid, a plunge, straight cuts, a
// clockwise and a counter-clockwise arc of 20 degrees on radius 10, a comment.
std::vector<std::string> generateProgram(int lineCount)
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

void InterpretMillionLines(benchmark::State& state)
{
    const auto program = generateProgram(1000000);
    double bytesPerPoint = 0;
    long long points = 0;
    for (auto _ : state) {
        tarnix::InterpreterContext context;
        tarnix::GCodeInterpreter interpreter(context);
        std::int32_t lineNo = 0;
        for (const std::string& line : program)
            interpreter.ParseFanucStr(line, ++lineNo);
        points = context.FPathPoints->Count();
        bytesPerPoint = static_cast<double>(context.FPathPoints->reservedBytes()) / points;
        benchmark::DoNotOptimize(context.totals.FTime);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(program.size()));
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(program.size()), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["points"] = static_cast<double>(points);
    state.counters["bytes/point"] = bytesPerPoint;
}
BENCHMARK(InterpretMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
