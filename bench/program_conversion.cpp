#include "program_conversion.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "interpretation/gcode_interpreter.h"
#include "interpretation/program_line_reader.h"
#include "conversion/transform_setup.h"
#include "run/fresh_run.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace tarnix {
namespace {

int axisIndex(const std::string& axis)
{
    if (axis == "X") return 0;
    if (axis == "Y") return 1;
    if (axis == "Z") return 2;
    throw std::invalid_argument("axis must be X, Y or Z, not " + axis);
}

class Collector : public LineSink {
public:
    void appendLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace

std::string conversionUsage()
{
    return "usage: convert_program [options] FILE\n"
           "Converts FILE as a transformation run does and prints the converted program.\n"
           "  --rotate X|Y|Z --angle TEXT   rotate about an axis by TEXT degrees\n"
           "  --mirror X|Y|Z                mirror along an axis\n"
           "  --shift-x TEXT, --shift-y TEXT, --shift-z TEXT   shift\n"
           "  --zmin TEXT                   lowest Z\n"
           "  --zmax TEXT --zsafe TEXT      highest Z and the Z written above it (default 50)\n"
           "  --coeff TEXT                  feed factor (\"F *\")\n"
           "  --const-speed TEXT            constant feed (\"Const speed\")\n"
           "  --limit-z TEXT                limited Z feed (\"Limited speed Z\")\n"
           "  --const-z TEXT                constant Z feed (\"Const speed  Z\")\n"
           "  --g0                          constant Z feed for rapid moves too (\"G1 && G0 Const speed Z\")\n"
           "  --rapid TEXT                  \"RAPID\" (default 3000)\n"
           "  --coefficient TEXT            \"Coefficient\" (default 1)\n"
           "  --fine TEXT                   \"Arc view mode\" (default 2)\n"
           "  --incmode                     \"Always incremental ARC center\"\n"
           "  --help                        this list\n"
           "The arc warning goes to standard error; a conversion error ends with status 1.\n";
}

ConversionOptions parseConversionOptions(const std::vector<std::string>& arguments, std::string& file)
{
    ConversionOptions o;
    TTransformPanel& p = o.panel;
    // Choosing one of the feed boxes clears the others, as the panel's interlocks do.
    auto feedBox = [&o](bool& box) {
        o.cbConstSpeedF = o.cbLimitZ = o.cbConstFz = false;
        box = true;
    };
    const std::map<std::string, std::function<void(const std::string&)>> withValue = {
        {"--rotate", [&](const std::string& v) { p.rgRotate = axisIndex(v); p.rgMirror = -1; }},
        {"--mirror", [&](const std::string& v) { p.rgMirror = axisIndex(v); p.rgRotate = -1; }},
        {"--angle", [&](const std::string& v) { p.edAngle = v; }},
        {"--shift-x", [&](const std::string& v) { p.cbShiftX = true; p.edShiftX = v; }},
        {"--shift-y", [&](const std::string& v) { p.cbShiftY = true; p.edShiftY = v; }},
        {"--shift-z", [&](const std::string& v) { p.cbShiftZ = true; p.edShiftZ = v; }},
        {"--zmin", [&](const std::string& v) { p.cbZmin = true; p.cbZmax = false; p.edZminmax = v; }},
        {"--zmax", [&](const std::string& v) { p.cbZmax = true; p.cbZmin = false; p.edZminmax = v; }},
        {"--zsafe", [&](const std::string& v) { o.zSafe = v; }},
        {"--coeff", [&](const std::string& v) { p.cbCoeff = true; p.edFCoeff = v; }},
        {"--const-speed", [&](const std::string& v) { feedBox(o.cbConstSpeedF); o.edSpeedX = o.edSpeedZ = v; }},
        {"--limit-z", [&](const std::string& v) { feedBox(o.cbLimitZ); o.edSpeedZ = v; }},
        {"--const-z", [&](const std::string& v) { feedBox(o.cbConstFz); o.edSpeedZ = v; }},
        {"--rapid", [&](const std::string& v) { o.edRapid = v; }},
        {"--coefficient", [&](const std::string& v) { o.edCoeff = v; }},
        {"--fine", [&](const std::string& v) { o.edFine = v; }},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--g0") {
            p.cbG0 = true;
        } else if (argument == "--incmode") {
            o.cbIncMode = true;
        } else if (auto option = withValue.find(argument); option != withValue.end()) {
            if (i + 1 == arguments.size())
                throw std::invalid_argument(argument + " needs a value");
            option->second(arguments[++i]);
        } else if (argument.starts_with("--") || !file.empty()) {
            throw std::invalid_argument("unknown argument " + argument);
        } else {
            file = argument;
        }
    }
    // The G0 box is enabled only while "Const speed  Z" is checked; an emptied
    // angle clears the rotation choice.
    p.cbG0 = p.cbG0 && o.cbConstFz;
    if (p.edAngle.empty())
        p.rgRotate = -1;
    return o;
}

void applyConversionOptions(const ConversionOptions& options, GCodeConverter& converter)
{
    TInterpreterSettings& settings = converter.context().settings;
    settings.programKind = ProgramKind::Fanuc;
    settings.edRapid = options.edRapid;
    settings.edCoeff = options.edCoeff;
    settings.edFine = options.edFine;
    settings.cbIncMode = options.cbIncMode;
    settings.cbGchange = settings.cbToolChange = settings.cbFchange = false;
    settings.cbConstSpeedF = options.cbConstSpeedF;
    settings.cbLimitZ = options.cbLimitZ;
    settings.cbConstFz = options.cbConstFz;
    // The speed edits are read as integers when they change.
    if (!options.edSpeedX.empty())
        settings.FSpeedX = parseInt(options.edSpeedX);
    if (!options.edSpeedZ.empty())
        settings.FSpeedZ = parseInt(options.edSpeedZ);

    TTransformParams& params = converter.params();
    params.panel = options.panel;
    if (options.panel.cbZmax && !options.panel.edZminmax.empty())
        params.FZSafe = parseFloat(options.zSafe);
    setTransformCommandSettings(params);
}

Conversion convertProgramFile(const std::string& path, const ConversionOptions& options,
                              GCodeConverter& converter)
{
    InterpreterContext& context = converter.context();
    Collector output;
    context.FOutEdit = &output;
    context.runActive = [] { return true; };
    Conversion conversion;
    std::int32_t lineNo = 0;
    try {
        ProgramLineReader reader(path);
        applyConversionOptions(options, converter);
        startFreshRun(context, true);

        GCodeInterpreter interpreter(context);
        for (std::string line; reader.readLine(line);)
            interpreter.SimulateFanucStr(line, ++lineNo);
    } catch (const TarnixError& error) {
        conversion.error = error.what();
        conversion.errorLine = lineNo;
    }
    context.FOutEdit = nullptr;
    conversion.lines = std::move(output.lines);
    return conversion;
}

}  // namespace tarnix
