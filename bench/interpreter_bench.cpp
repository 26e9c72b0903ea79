// Interprets a generated program of a million mixed G0/G1/G2/G3 blocks with
// comments into a point list. Reports lines per second and bytes per point.

#include "generated_programs.h"
#include "interpretation/gcode_interpreter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void InterpretMillionLines(benchmark::State& state)
{
    const auto program = tarnix::bench::generateGCodeProgram(1000000);
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
