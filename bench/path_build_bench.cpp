// Builds the tool path of large program files from disk, start to end,
// reading included: the generated million-line programs (the eight-block
// groups, the mixed one, the arc-heavy one), a real CAM program (tiger.nc of
// ../shared/corpus when it is there, else a generated arc-heavy program of
// 169,220 lines) and a Roland program of 300,000 commands; each reports
// lines per second and bytes per point. A 169,000-line program is built and
// measured by the information run side by side: the run must not take
// longer than the build.

#include "generated_programs.h"
#include "interpretation/info_run.h"
#include "path/path_builder.h"
#include "support/scratch_folder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

// The generated programs go into a folder of this run's own, removed at
// exit: two runs never share a file and none stays behind.
const tarnix::testing::ScratchFolder& programFolder()
{
    static const tarnix::testing::ScratchFolder folder;
    return folder;
}

fs::path writeProgram(const std::string& name, const std::vector<std::string>& lines)
{
    fs::path path = programFolder().file(name);
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines)
        file << line << "\r\n";
    return path;
}

// `incrementalCentres`: the program's arc centres are offsets from the start, as
// the mixed and arc-heavy programs and CAM output for grbl write them.
void buildFromDisk(benchmark::State& state, const fs::path& path, tarnix::ProgramKind kind,
                   long long itemsPerBuild, bool incrementalCentres = false)
{
    double bytesPerPoint = 0;
    for (auto _ : state) {
        tarnix::InterpreterContext context;
        context.settings.programKind = kind;
        context.settings.cbIncMode = incrementalCentres;
        tarnix::PathBuilder builder(context);
        builder.MakePath(path.string());
        state.counters["points"] = context.FPathPoints->Count();
        bytesPerPoint = static_cast<double>(context.FPathPoints->reservedBytes()) / context.FPathPoints->Count();
    }
    state.counters["items/s"] = benchmark::Counter(static_cast<double>(itemsPerBuild),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes/point"] = bytesPerPoint;
}

void BuildMixedMillionLineFile(benchmark::State& state)
{
    static const fs::path path = writeProgram("tarnix-bench-mixed.nc", tarnix::bench::generateMixedProgram(1000000));
    buildFromDisk(state, path, tarnix::ProgramKind::Fanuc, 1000000, true);
}
BENCHMARK(BuildMixedMillionLineFile)->Unit(benchmark::kMillisecond);

void BuildArcHeavyMillionLineFile(benchmark::State& state)
{
    static const fs::path path =
        writeProgram("tarnix-bench-arc-heavy.nc", tarnix::bench::generateArcHeavyProgram(1000000));
    buildFromDisk(state, path, tarnix::ProgramKind::Fanuc, 1000000, true);
}
BENCHMARK(BuildArcHeavyMillionLineFile)->Unit(benchmark::kMillisecond);

std::size_t linesIn(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(file), {}, '\n'));
}

void BuildRealCamProgram(benchmark::State& state)
{
    static const fs::path corpus = fs::path(TARNIX_CORPUS) / "gcode" / "camotics" / "tiger.nc";
    static const fs::path path = fs::exists(corpus)
                                     ? corpus
                                     : writeProgram("tarnix-bench-cam.nc", tarnix::bench::generateArcHeavyProgram(169220));
    state.SetLabel(path.filename().string());
    buildFromDisk(state, path, tarnix::ProgramKind::Fanuc, static_cast<long long>(linesIn(path)), true);
}
BENCHMARK(BuildRealCamProgram)->Unit(benchmark::kMillisecond);

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
