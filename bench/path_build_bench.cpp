// Builds the tool path of large program files from disk, start to end,
// reading included: a million-line G-code program and a Roland program of
// 300,000 commands. A 169,000-line program is built and measured by the
// information run side by side: the run must not take longer than the build.

#include "generated_programs.h"
#include "interpretation/info_run.h"
#include "path/path_builder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

fs::path writeProgram(const std::string& name, const std::vector<std::string>& lines)
{
    fs::path path = fs::temp_directory_path() / name;
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines)
        file << line << "\r\n";
    return path;
}

void buildFromDisk(benchmark::State& state, const fs::path& path, tarnix::ProgramKind kind,
                   long long itemsPerBuild)
{
    for (auto _ : state) {
        tarnix::InterpreterContext context;
        context.settings.programKind = kind;
        tarnix::PathBuilder builder(context);
        builder.MakePath(path.string());
        state.counters["points"] = context.FPathPoints->Count();
    }
    state.counters["items/s"] = benchmark::Counter(static_cast<double>(itemsPerBuild),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

void BuildMillionLineGCodeFile(benchmark::State& state)
{
    static const fs::path path = writeProgram("tarnix-bench-million.nc", tarnix::bench::generateGCodeProgram(1000000));
    buildFromDisk(state, path, tarnix::ProgramKind::Fanuc, 1000000);
}
BENCHMARK(BuildMillionLineGCodeFile)->Unit(benchmark::kMillisecond);

void BuildRolandFileOf300kCommands(benchmark::State& state)
{
    static const fs::path path = writeProgram("tarnix-bench-300k.rol", tarnix::bench::generateRolandProgram(300000));
    buildFromDisk(state, path, tarnix::ProgramKind::Roland, 300000);
}
BENCHMARK(BuildRolandFileOf300kCommands)->Unit(benchmark::kMillisecond);

const fs::path& programOf169kLines()
{
    static const fs::path path = writeProgram("tarnix-bench-169k.nc", tarnix::bench::generateGCodeProgram(169000));
    return path;
}

void BuildGCodeFileOf169kLines(benchmark::State& state)
{
    buildFromDisk(state, programOf169kLines(), tarnix::ProgramKind::Fanuc, 169000);
}
BENCHMARK(BuildGCodeFileOf169kLines)->Unit(benchmark::kMillisecond);

void InfoRunGCodeFileOf169kLines(benchmark::State& state)
{
    for (auto _ : state) {
        tarnix::InterpreterContext context;
        tarnix::InfoRun run(context);
        run.edFileName = programOf169kLines().string();
        run.FSelectedFile = programOf169kLines().filename().string();
        run.GetFileInfo();
        state.counters["points"] = context.FPathPoints->Count();
    }
    state.counters["items/s"] = benchmark::Counter(169000.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(InfoRunGCodeFileOf169kLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
