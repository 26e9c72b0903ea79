// The converter's number form, the transformation set-up of a fresh run,
// and what must not carry over from one run to the next.

#include "program_conversion.h"

#include "conversion/coordinate_text.h"
#include "conversion/transform_setup.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <fstream>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

struct RecordingMessages : MessageSink {
    void showInformation(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

fs::path writeProgram(const std::string& name, const std::string& text)
{
    static const tarnix::testing::ScratchFolder folder;  // this process's own
    fs::path path = folder.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

ConversionOptions options(const std::vector<std::string>& arguments)
{
    std::string unused;
    return parseConversionOptions(arguments, unused);
}

}  // namespace

// Controls read no exponent, and a coordinate must stay where the source
// puts it at any magnitude: one rounding, from the value itself.
TEST(CoordinateText, ThreeDecimalsRoundedOnceAtEveryMagnitude)
{
    const std::pair<double, const char*> cases[] = {
        {12.3456, "12.346"},          {3.5355339, "3.536"},         {-3.5355339, "-3.536"},
        {123.456, "123.456"},         {1234.56, "1234.560"},        {12345.6, "12345.600"},
        {99999.7, "99999.700"},       {100002.25, "100002.250"},    {-123456, "-123456.000"},
        {1e9 + 0.0004, "1000000000.000"}, {-0.0001, "0.000"},       {0, "0.000"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatCoordinate(value), text) << value;
}

TEST(TransformSetUp, RotationPairsFromTheAngleAsTyped)
{
    struct Case {
        int axis;
        const char* angle;
        double cosine, sine;
        bool swap17_18, swap17_19, swap18_19;
    };
    const Case cases[] = {
        {2, "90", 0, 1, false, false, true},    {2, "45", std::cos(std::numbers::pi / 4), std::sin(std::numbers::pi / 4), false, false, false},
        {0, "-90", 0, -1, true, false, false},  {1, "270", 0, -1, false, true, false},
        {0, "180", -1, 0, false, false, false}, {1, "-180", -1, 0, false, false, false},
        {2, "360", 1, 0, false, false, false},  {0, " 90", std::cos(std::numbers::pi / 2), 1, true, false, false},
    };
    // Where each axis keeps its cosine and sine in gRotCoef.
    const int cosineAt[3] = {3, 4, 1}, sineAt[3] = {2, 5, 0};
    for (const Case& c : cases) {
        TTransformParams params;
        params.panel.rgRotate = c.axis;
        params.panel.edAngle = c.angle;
        setTransformCommandSettings(params);
        setUpTransformRun(params, true);
        EXPECT_NEAR(params.gRotCoef[cosineAt[c.axis]], c.cosine, 1e-15) << c.angle;
        EXPECT_NEAR(params.gRotCoef[sineAt[c.axis]], c.sine, 1e-15) << c.angle;
        for (int other = 0; other < 3; ++other) {
            if (other == c.axis)
                continue;
            EXPECT_EQ(params.gRotCoef[cosineAt[other]], 1);
            EXPECT_EQ(params.gRotCoef[sineAt[other]], 0);
        }
        EXPECT_EQ(params.gSwap17_18, c.swap17_18) << c.angle;
        EXPECT_EQ(params.gSwap17_19, c.swap17_19) << c.angle;
        EXPECT_EQ(params.gSwap18_19, c.swap18_19) << c.angle;
        EXPECT_TRUE(params.gTransformOut && params.gArcWarn);
    }
}

TEST(TransformSetUp, WithoutTransformationTheConverterIsOffAndNothingRotates)
{
    TTransformParams params;
    params.panel.rgRotate = 2;
    params.panel.edAngle = "90";
    setTransformCommandSettings(params);
    setUpTransformRun(params, false);
    EXPECT_FALSE(params.gTransformOut);
    EXPECT_EQ(params.gRotCoef[0], 0);
    EXPECT_EQ(params.gRotCoef[1], 1);
}

TEST(TransformSetUp, NonNumericTextsAreConversionErrors)
{
    fs::path program = writeProgram("tarnix_bad_texts.nc", "G1 X1\n");
    InterpreterContext angleContext;
    GCodeConverter angle(angleContext);
    Conversion badAngle = convertProgramFile(program.string(), options({"--rotate", "Z", "--angle", "9O"}), angle);
    EXPECT_EQ(badAngle.error, "'9O' is not a valid floating point value");
    EXPECT_EQ(badAngle.errorLine, 0);
    EXPECT_TRUE(badAngle.lines.empty());
    InterpreterContext shiftContext;
    GCodeConverter shift(shiftContext);
    Conversion badShift = convertProgramFile(program.string(), options({"--shift-y", "1,5"}), shift);
    EXPECT_EQ(badShift.error, "'1,5' is not a valid floating point value");
    EXPECT_EQ(badShift.errorLine, 1);
    fs::remove(program);
}

TEST(ConverterRuns, ASecondRunConvertsLikeTheFirst)
{
    fs::path program = writeProgram("tarnix_twice.nc", "G1 X5 Y5 F100\n%\nG0 Z2\nG1 Z-1\n");
    InterpreterContext context;
    GCodeConverter converter(context);
    ConversionOptions constZ = options({"--const-z", "50"});
    Conversion first = convertProgramFile(program.string(), constZ, converter);
    Conversion second = convertProgramFile(program.string(), constZ, converter);
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_EQ(first.lines.front(), "G1X5.000Y5.000Z0.000F100");
    fs::remove(program);
}

TEST(ConverterRuns, ArcWarningOncePerRun)
{
    fs::path program = writeProgram("tarnix_warn.nc", "G1 X1 I1\nG1 X2 J1\nG2 X3 I2.5\n");
    InterpreterContext context;
    GCodeConverter converter(context);
    RecordingMessages messages;
    context.messages = &messages;
    convertProgramFile(program.string(), {}, converter);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Attention! Circle interpolation was used. Convertion result may be incorrect!");
    convertProgramFile(program.string(), {}, converter);
    EXPECT_EQ(messages.shown.size(), 2u);
    fs::remove(program);
}

TEST(ConverterOptions, LaterChoicesClearEarlierOnesAsThePanelDoes)
{
    ConversionOptions o = options({"--rotate", "X", "--mirror", "Y", "--const-speed", "500", "--const-z", "80",
                                   "--g0", "--zmin", "-2", "--zmax", "3"});
    EXPECT_EQ(o.panel.rgRotate, -1);
    EXPECT_EQ(o.panel.rgMirror, 1);
    EXPECT_FALSE(o.cbConstSpeedF);
    EXPECT_TRUE(o.cbConstFz && o.panel.cbG0);
    EXPECT_TRUE(o.panel.cbZmax && !o.panel.cbZmin);
    EXPECT_FALSE(options({"--g0"}).panel.cbG0) << "the G0 box needs the constant Z feed";
    EXPECT_THROW(options({"--rotate", "W"}), std::invalid_argument);
    EXPECT_THROW(options({"--zmin"}), std::invalid_argument);
}

// Small programs whose converted lines must carry what the source said and
// put a reader of the output where the transformed source goes.
struct WrittenCase {
    const char* name;
    const char* program;
    std::vector<std::string> arguments;
    std::vector<std::string> lines;
};

class WrittenLines : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenLines, AreTheExpectedOnes)
{
    tarnix::testing::ScratchFolder scratch;
    fs::path program = scratch.path() / "program.nc";
    std::ofstream(program, std::ios::binary) << GetParam().program;
    InterpreterContext context;
    GCodeConverter converter(context);
    Conversion conversion = convertProgramFile(program.string(), options(GetParam().arguments), converter);
    ASSERT_EQ(conversion.error, "");
    EXPECT_EQ(conversion.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Converter, WrittenLines,
    ::testing::Values(
        // The output may be joined after a program that ends anywhere.
        WrittenCase{"TheFirstMoveWritesEveryAxis",
                    "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X5\n",
                    {"--shift-x", "10"},
                    {"G90G17", "G0X10.000Y0.000Z5.000", "G1Z-1.000F100", "G1X15.000"}},
        WrittenCase{"ALabelledBlockIsBuiltFromItsWords",
                    "G0 X0 Y0 Z0\nN5 G1 X2 :7\n",
                    {"--rotate", "Z", "--angle", "90"},
                    {"G0X0.000Y0.000Z0.000", "N5G1 :7Y2.000"}},
        // A control may skip an optional block: the next move cannot
        // count on what it did.
        WrittenCase{"ProgramNumbersAndBlockDeleteStay",
                    "O1000\nG0 X0 Y0 Z0\n/G1 X5 F100\nX6 Y5\nM30\n",
                    {},
                    {"O1000", "G0X0.000Y0.000Z0.000", "/G1X5.000F100", "G01X6.000Y5.000Z0.000", "M30"}},
        WrittenCase{"UnreadNumbersKeepTheirLetters",
                    "G0 X0 Y0 Z0\nG1 X1 Y 0.18 F100\nG1 X 0.2\n",
                    {"--rotate", "Z", "--angle", "90"},
                    {"G0X0.000Y0.000Z0.000", "G1 Y 0.18Y1.000F100", "G1 X 0.2"}},
        // Rounded centres and end points move the drawn points by a few
        // last digits, which is no reason to write chords.
        WrittenCase{"ARotatedArcStaysAnArc",
                    "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG2 X10 Y0 I5 J0\nG3 X20 Y0 I5 J0\nM30\n",
                    {"--rotate", "Z", "--angle", "45"},
                    {"G90G17", "G0X0.000Y0.000Z5.000", "G1Z-1.000F100",
                     "G2X7.071Y7.071Z-1.000I3.536J3.536", "G3X14.142Y14.142Z-1.000I3.536J3.536", "M30"}},
        WrittenCase{"ARotatedArcWithIncrementalCentreStaysAnArc",
                    "G90 G17\nG1 X40 Y25 F100\nG2 X30 Y25 I-5 J0\n",
                    {"--incmode", "--rotate", "Z", "--angle", "45"},
                    {"G90G17", "G1X10.607Y45.962Z0.000F100", "G2X3.536Y38.891Z0.000I-3.536J-3.536"}},
        // Far from the origin every digit still counts: the half circle
        // must not collapse onto one X.
        WrittenCase{"AnArcShiftedFarAwayStaysAnArc",
                    "G0 X0 Y0 Z5\nG2 X3 Y0 I1.5 J0\n",
                    {"--shift-x", "99999"},
                    {"G0X99999.000Y0.000Z5.000", "G2X100002.000Y0.000Z5.000I100000.500J0.000"}},
        WrittenCase{"AnArcRotatedByAnyAngleStaysAnArc",
                    "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG2 X10 Y0 I5 J0\nG3 X20 Y0 I15 J0\nM30\n",
                    {"--rotate", "Z", "--angle", "17.5"},
                    {"G90G17", "G0X0.000Y0.000Z5.000", "G1Z-1.000F100",
                     "G2X9.537Y3.007Z-1.000I4.769J1.504", "G3X19.074Y6.014Z-1.000I14.306J4.511", "M30"}},
        WrittenCase{"AMirroredArcTurnsTheOtherWay",
                    "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG2 X10 Y0 I5 J0\nG3 X20 Y0 I15 J0\nM30\n",
                    {"--mirror", "X"},
                    {"G90G17", "G0X0.000Y0.000Z5.000", "G1Z-1.000F100",
                     "G03X-10.000Y0.000Z-1.000I-5.000J0.000", "G02X-20.000Y0.000Z-1.000I-15.000J0.000", "M30"}}),
    [](const auto& info) { return std::string(info.param.name); });
