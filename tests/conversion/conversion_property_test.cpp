// Every real program, converted with each transformation and read again with
// the converter off, gives the transformed path of the original: point by
// point within the written decimals, with the same rapid flags and the feeds
// the settings ask for, and with at least as many arc lines as recorded for
// the program and transformation: an arc that turns into chords re-reads as
// the same path, so only the count shows it (a mirrored arc turning the
// wrong way and falling back to chords, for one).

#include "program_conversion.h"

#include "conversion/coordinate_text.h"
#include "interpretation/gcode_interpreter.h"
#include "interpretation/program_line_reader.h"
#include "conversion/point_transform.h"
#include "run/fresh_run.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = fs::path(TARNIX_CORPUS) / "gcode";
// One file per transformation, a line per corpus program with arcs:
// "PROGRAM WRITTEN of SOURCE" arc lines. TARNIX_UPDATE_GOLDEN=1 rewrites them
// after a reviewed change.
const fs::path kArcLineCounts = fs::path(TARNIX_CONVERSION_DIR) / "corpus_arc_lines";

struct PathPoint {
    Vec3 at;
    bool rapid;
    double feed;
    std::int32_t line;
};

// Rounding to three decimals, once for each of the rounded start, end and
// centre a reader redraws an arc from.
bool samePlace(const Vec3& a, const Vec3& b)
{
    for (int axis = 0; axis < 3; ++axis)
        if (std::fabs(a[axis] - b[axis]) > 1e-9 + 0.002)
            return false;
    return true;
}

std::vector<PathPoint> points(const InterpreterContext& context, const PointTransform* transform, double feedFactor,
                              double rapidRate)
{
    std::vector<PathPoint> result;
    for (auto p = context.FPathPoints->First(); p; p.Next()) {
        Vec3 at{static_cast<double>(p->X * 100), static_cast<double>(p->Y * 100), static_cast<double>(p->Z * 100)};
        if (transform != nullptr) {
            at = transform->point(at);
            at[2] = transform->clipZ(at[2]);
        }
        // Every F word is scaled; the rapid rate is not.
        double feed = static_cast<double>(p->Feed);
        result.push_back({at, p->Rapid != 0, feed == rapidRate ? feed : feed * feedFactor, p->LineNo});
    }
    return result;
}

// What a reader of program lines draws, and how many of the lines draw an arc.
struct ReadBack {
    std::vector<PathPoint> points;
    int arcLines = 0;
};

ReadBack readLines(const std::vector<std::string>& lines, const ConversionOptions& options)
{
    InterpreterContext context;
    GCodeConverter converter(context);
    ConversionOptions machine;
    machine.edRapid = options.edRapid;
    machine.edCoeff = options.edCoeff;
    machine.edFine = options.edFine;
    machine.cbIncMode = options.cbIncMode;
    applyConversionOptions(machine, converter);
    startFreshRun(context, false);
    GCodeInterpreter interpreter(context);
    ReadBack read;
    std::int32_t lineNo = 0;
    for (const std::string& line : lines) {
        const std::int32_t drawn = context.FPathPoints->Count();
        interpreter.ParseFanucStr(line, ++lineNo);
        const std::int32_t mode = context.state.gMoveMode;
        if ((mode == 2 || mode == 3) && context.FPathPoints->Count() > drawn)
            ++read.arcLines;
    }
    read.points = points(context, nullptr, 1, 0);
    return read;
}

// The lines of a program that a conversion read through (all of them, or
// those before the line it stopped at).
std::vector<std::string> convertedSourceLines(const fs::path& path, const Conversion& conversion)
{
    std::vector<std::string> lines;
    ProgramLineReader reader(path.string());
    for (std::string line; reader.readLine(line);) {
        if (conversion.errorLine > 0 && static_cast<std::int32_t>(lines.size()) + 1 == conversion.errorLine)
            break;
        lines.push_back(line);
    }
    return lines;
}

std::vector<fs::path> corpusPrograms()
{
    std::vector<fs::path> programs;
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus))
        if (entry.is_regular_file())
            programs.push_back(entry.path());
    std::sort(programs.begin(), programs.end());
    return programs;
}

std::map<std::string, int> recordedArcLines(const std::string& transformation)
{
    std::map<std::string, int> written;
    std::ifstream file(kArcLineCounts / (transformation + ".txt"));
    std::string program;
    for (int count; file >> program >> count; file.ignore(1000, '\n'))
        written[program] = count;
    return written;
}

std::string describe(const PathPoint& p)
{
    std::ostringstream out;
    out << "(" << p.at[0] << ", " << p.at[1] << ", " << p.at[2] << ") F" << p.feed << (p.rapid ? " rapid" : "");
    return out.str();
}

// Whether a reader standing `here` is at `point` as far as written digits tell.
bool writtenAlike(const Vec3& point, const Vec3& here)
{
    for (int axis = 0; axis < 3; ++axis)
        if (std::fabs(std::stod(formatCoordinate(point[axis])) - here[axis]) > 1e-9)
            return false;
    return true;
}

// Point by point from `origin`. A source point that rounds to where the
// reader of the output stands need not be written; an arc may gain or lose a
// last point on its end.
void expectSamePath(const std::vector<PathPoint>& expected, const std::vector<PathPoint>& actual, Vec3 origin,
                    const std::vector<std::string>& output, const std::string& what)
{
    Vec3 here = origin;
    std::size_t i = 0, j = 0;
    while (i < expected.size() || j < actual.size()) {
        if (i < expected.size() && writtenAlike(expected[i].at, here)) {
            ++i;
            continue;
        }
        if (i < expected.size() && j < actual.size()) {
            const PathPoint& e = expected[i];
            const PathPoint& a = actual[j];
            if (samePlace(a.at, e.at) && a.rapid == e.rapid && std::fabs(a.feed - e.feed) <= 1e-9 * e.feed) {
                here = a.at;
                ++i, ++j;
                continue;
            }
        }
        if (j < actual.size() && samePlace(actual[j].at, here)) {
            ++j;
        } else {
            ADD_FAILURE() << what << ": source point " << i << " of line "
                          << (i < expected.size() ? expected[i].line : 0) << " at "
                          << (i < expected.size() ? describe(expected[i]) : "the end") << "; read again "
                          << (j < actual.size() ? describe(actual[j]) + " from \"" + output[actual[j].line - 1] + "\""
                                                : "the end");
            return;
        }
    }
}

struct Transformation {
    const char* name;
    std::vector<std::string> arguments;
};

class ConversionProperty : public ::testing::TestWithParam<Transformation> {};

}  // namespace

TEST_P(ConversionProperty, ReadingTheOutputAgainGivesTheTransformedPath)
{
    if (!fs::exists(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    std::string unused;
    ConversionOptions options = parseConversionOptions(GetParam().arguments, unused);
    const std::map<std::string, int> recorded = recordedArcLines(GetParam().name);
    std::ostringstream record;
    for (const fs::path& program : corpusPrograms()) {
        InterpreterContext context;
        GCodeConverter converter(context);
        Conversion conversion = convertProgramFile(program.string(), options, converter);
        const TTransformParams& params = converter.params();
        PointTransform transform(params, {params.panel.cbShiftX ? 10.5 : 0.0, params.panel.cbShiftY ? -3.25 : 0.0,
                                          params.panel.cbShiftZ ? 2.0 : 0.0});
        Vec3 origin = transform.point({0, 0, 0});
        origin[2] = transform.clipZ(origin[2]);
        double rapid = std::stod(options.edRapid);
        const std::string name = program.lexically_relative(kCorpus).generic_string();
        const std::string what = name + " " + GetParam().name;
        ReadBack output = readLines(conversion.lines, options);
        expectSamePath(points(context, &transform, params.FFeedCoeff, rapid), output.points, origin,
                       conversion.lines, what);
        const int sourceArcLines = readLines(convertedSourceLines(program, conversion), options).arcLines;
        if (sourceArcLines > 0)
            record << name << " " << output.arcLines << " of " << sourceArcLines << "\n";
        const auto before = recorded.find(name);
        EXPECT_GE(output.arcLines, before == recorded.end() ? 0 : before->second)
            << what << ": arc lines written, of " << sourceArcLines << " in the source";
    }
    if (std::getenv("TARNIX_UPDATE_GOLDEN") != nullptr) {
        fs::create_directories(kArcLineCounts);
        std::ofstream(kArcLineCounts / (std::string(GetParam().name) + ".txt")) << record.str();
    }
}

TEST(ConversionProperty, MirroringTwiceGivesTheOriginalPath)
{
    if (!fs::exists(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    std::string unused;
    ConversionOptions mirror = parseConversionOptions({"--mirror", "Y"}, unused);
    const tarnix::testing::ScratchFolder scratch;
    const fs::path mirrored = scratch.file("mirrored_once.nc");
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus)) {
        if (!entry.is_regular_file())
            continue;
        InterpreterContext original;
        GCodeConverter originalConverter(original);
        Conversion once = convertProgramFile(entry.path().string(), mirror, originalConverter);
        {
            std::ofstream file(mirrored, std::ios::binary);
            for (const std::string& line : once.lines)
                file << line << '\n';
        }
        InterpreterContext again;
        GCodeConverter againConverter(again);
        Conversion twice = convertProgramFile(mirrored.string(), mirror, againConverter);
        expectSamePath(points(original, nullptr, 1, 0), readLines(twice.lines, mirror).points, {0, 0, 0}, twice.lines,
                       entry.path().filename().string());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Transformations, ConversionProperty,
    ::testing::Values(
        Transformation{"None", {}}, Transformation{"MirrorX", {"--mirror", "X"}},
        Transformation{"MirrorY", {"--mirror", "Y"}}, Transformation{"MirrorZ", {"--mirror", "Z"}},
        Transformation{"RotateX0", {"--rotate", "X", "--angle", "0"}},
        Transformation{"RotateX30", {"--rotate", "X", "--angle", "30"}},
        Transformation{"RotateX90", {"--rotate", "X", "--angle", "90"}},
        Transformation{"RotateX180", {"--rotate", "X", "--angle", "180"}},
        Transformation{"RotateX360", {"--rotate", "X", "--angle", "360"}},
        Transformation{"RotateY0", {"--rotate", "Y", "--angle", "0"}},
        Transformation{"RotateY30", {"--rotate", "Y", "--angle", "30"}},
        Transformation{"RotateY90", {"--rotate", "Y", "--angle", "90"}},
        Transformation{"RotateY180", {"--rotate", "Y", "--angle", "180"}},
        Transformation{"RotateY360", {"--rotate", "Y", "--angle", "360"}},
        Transformation{"RotateZ0", {"--rotate", "Z", "--angle", "0"}},
        Transformation{"RotateZ30", {"--rotate", "Z", "--angle", "30"}},
        Transformation{"RotateZ90", {"--rotate", "Z", "--angle", "90"}},
        Transformation{"RotateZ180", {"--rotate", "Z", "--angle", "180"}},
        Transformation{"RotateZ360", {"--rotate", "Z", "--angle", "360"}},
        Transformation{"RotateZMinus90", {"--rotate", "Z", "--angle", "-90"}},
        Transformation{"Shift", {"--shift-x", "10.5", "--shift-y", "-3.25", "--shift-z", "2"}},
        Transformation{"Zmin", {"--zmin", "-1"}},
        Transformation{"Zmax", {"--zmax", "1", "--zsafe", "5"}},
        Transformation{"FeedFactor", {"--coeff", "1.5"}}),
    [](const ::testing::TestParamInfo<Transformation>& info) { return std::string(info.param.name); });
