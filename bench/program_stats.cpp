#include "program_stats.h"

#include "common/errors.h"
#include "common/number_format.h"
#include "common/time_length_text.h"
#include "interpretation/info_run.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/program_loader.h"
#include "path/path_builder.h"

#include <filesystem>

#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

namespace tarnix {
namespace {

namespace fs = std::filesystem;

std::string fixed(long double value) { return formatFixed(static_cast<double>(value), 6); }

// The time and length "Info" measures for the program, from a pass of its
// own so that the built path is left as it is. A pass stopped by a word that
// is no number keeps what it summed, as the build keeps its points.
void measureAsInfo(const std::string& path, InterpreterContext& context)
{
    InterpreterContext measured;
    measured.settings = context.settings;
    InfoRun info(measured);
    info.edFileName = path;
    try {
        info.GetFileInfo();
    } catch (const TarnixError&) {
    }
    context.totals.FTime = measured.totals.FTime;
    context.totals.FLength = measured.totals.FLength;
}

}  // namespace

void applySetting(TInterpreterSettings& settings, const std::string& assignment)
{
    auto equals = assignment.find('=');
    std::string name = assignment.substr(0, equals);
    std::string value = equals == std::string::npos ? "1" : assignment.substr(equals + 1);
    bool on = value == "1" || value == "true";
    const std::map<std::string, std::function<void()>> setters = {
        {"edRapid", [&] { settings.edRapid = value; }},
        {"edCoeff", [&] { settings.edCoeff = value; }},
        {"edFine", [&] { settings.edFine = value; }},
        {"cbIncMode", [&] { settings.cbIncMode = on; }},
        {"cbLimitZ", [&] { settings.cbLimitZ = on; }},
        {"cbConstSpeedF", [&] { settings.cbConstSpeedF = on; }},
        {"cbConstFz", [&] { settings.cbConstFz = on; }},
        {"FSpeedX", [&] { settings.FSpeedX = std::stod(value); }},
        {"FSpeedZ", [&] { settings.FSpeedZ = std::stod(value); }},
        {"programKind", [&] {
             settings.programKind = value == "Roland" ? ProgramKind::Roland
                                    : value == "Fanuc" ? ProgramKind::Fanuc
                                                       : ProgramKind::None;
         }},
    };
    auto setter = setters.find(name);
    if (setter == setters.end())
        throw std::invalid_argument("unknown setting " + name);
    setter->second();
}

ProgramRun runProgramFile(const std::string& path, InterpreterContext& context)
{
    if (!ProgramLineReader::exists(path))
        throw InputOutputError("Cannot open file " + path);
    ProgramLoader(context).GetFileType(path);  // "%" G-code, "!" or "^" Roland
    context.totals.FFirstMove = true;
    context.totals.FTime = context.totals.FLength = 0;

    PathBuilder builder(context);
    fs::path file = fs::absolute(path);
    ProgramRun run;
    try {
        builder.MakePath(file.string());
    } catch (const TarnixError& error) {
        run.error = error.what();
        run.errorLine = builder.linesRead();
    }
    run.lines = builder.linesRead();
    run.kind = context.settings.programKind;
    if (run.kind == ProgramKind::Roland)
        measureAsInfo(file.string(), context);
    return run;
}

std::string describeRun(const ProgramRun& run, const InterpreterContext& context, bool withPoints)
{
    std::ostringstream out;
    const TRunTotals& totals = context.totals;
    const TInfoRunBox& box = context.infoBox;
    out << "lines: " << run.lines << "\n";
    if (!run.error.empty())
        out << "stopped at line " << run.errorLine << ": " << run.error << "\n";
    out << "points: " << context.FPathPoints->Count() << "\n";
    out << "time: \"" << formatTimeText(totals.FTime) << "\" (" << fixed(totals.FTime) << " s)\n";
    out << "length(m): " << formatLengthText(totals.FLength) << " (" << fixed(totals.FLength) << ")\n";
    if (run.kind == ProgramKind::Roland) {
        out << "extents and feeds: not measured in a Roland program\n";
    } else {
        out << "X: " << formatGeneral(box.gInfoMinX) << " .. " << formatGeneral(box.gInfoMaxX) << "\n";
        out << "Y: " << formatGeneral(box.gInfoMinY) << " .. " << formatGeneral(box.gInfoMaxY) << "\n";
        out << "Z: " << formatGeneral(box.gInfoMinZ) << " .. " << formatGeneral(box.gInfoMaxZ) << "\n";
        out << "Z of rapids: " << formatGeneral(box.gInfoMinZG0) << " .. " << formatGeneral(box.gInfoMaxZG0)
            << "\n";
        out << "F: " << formatGeneral(box.gInfoMinF) << " .. " << formatGeneral(box.gInfoMaxF) << "\n";
    }
    if (withPoints) {
        for (auto point = context.FPathPoints->First(); point; point.Next()) {
            out << "line " << point->LineNo << ": " << fixed(point->X) << " " << fixed(point->Y) << " "
                << fixed(point->Z) << " F" << formatGeneral(static_cast<double>(point->Feed))
                << (point->Rapid ? " rapid" : "") << " colour " << formatFixed(point->Color[0], 3)
                << " " << formatFixed(point->Color[1], 3) << " " << formatFixed(point->Color[2], 3) << "\n";
        }
    }
    return out.str();
}

}  // namespace tarnix
