// Bad input must never crash a reader: every one either finishes or raises
// a TarnixError, and leaves no file open.

#include "common/errors.h"
#include "interpretation/fanuc_header_reader.h"
#include "interpretation/powermill_info_reader.h"
#include "interpretation/program_loader.h"
#include "interpretation/roland_interpreter.h"
#include "interpretation/whole_file_scanner.h"
#include "reader_fixture.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tarnix::testing {
namespace {

template <class Action>
void finishesOrRaisesTarnixError(Action action)
{
    try {
        action();
    } catch (const TarnixError&) {
    }
}

// Half the bytes from the characters the readers look for, so that the
// input reaches past the first test of a line; half any byte at all.
std::string randomProgramBytes(std::mt19937& random, std::size_t count)
{
    static const std::string alphabet = "ZVFGXYIJKMT%!^;,.:-+ ()0123456789\r\nEDIAMETR";
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = random();
        bytes += (value & 1) ? alphabet[(value >> 8) % alphabet.size()]
                             : static_cast<char>((value >> 8) & 0xFF);
    }
    return bytes;
}

std::vector<std::string> split(const std::string& text, const std::string& separators)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (separators.find(c) != std::string::npos)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

class ReaderRobustnessTest : public ReaderFixture {
protected:
    // Runs every reader and both interpreters over `bytes`, written as a
    // program, its information file and its ".tap" twin.
    void feedEverywhere(const std::string& bytes)
    {
        const std::string program = folder.write("fuzz.nc", bytes);
        const std::string tap = folder.write("fuzz.tap", bytes);
        folder.write("fuzz.inf", bytes);
        context.FPathPoints = std::make_unique<TD3FloatPointList>();
        for (ProgramKind kind : {ProgramKind::Fanuc, ProgramKind::Roland}) {
            context.settings.programKind = kind;
            finishesOrRaisesTarnixError([&] { ProgramLoader(context).LoadTypeFile(program); });
            context.settings.programKind = kind;
            finishesOrRaisesTarnixError([&] { FanucHeaderReader(context).GetFanucFileInfo(tap); });
            finishesOrRaisesTarnixError([&] { FanucHeaderReader(context).GetFanucTapInfo(tap); });
            finishesOrRaisesTarnixError([&] { PowerMillInfoReader(context).GetPowerMillInfo(tap); });
            finishesOrRaisesTarnixError([&] { WholeFileScanner(context).GetRolandFileInfo(tap); });
        }
        finishesOrRaisesTarnixError([&] { WholeFileScanner(context).GetFanucTapFileInfo(program); });

        RolandInterpreter interpreter(context);
        std::int32_t lineNo = 0;
        for (const std::string& line : split(bytes, "\n")) {
            ++lineNo;
            for (const std::string& command : split(line, ";")) {
                finishesOrRaisesTarnixError([&] { interpreter.SimulateRolandStr(command, lineNo); });
                finishesOrRaisesTarnixError([&] { RolandInterpreter::GetNum(command); });
            }
        }
        scroll.lines.clear();
    }
};

TEST_F(ReaderRobustnessTest, RandomBytes)
{
    const std::size_t filesOpenBefore = openFileCount();
    std::mt19937 random(20240611);
    for (int round = 0; round < 150; ++round)
        feedEverywhere(randomProgramBytes(random, random() % 1500));
    EXPECT_EQ(openFileCount(), filesOpenBefore);
    EXPECT_FALSE(progress.visible);
}

TEST_F(ReaderRobustnessTest, TruncatedLines)
{
    const std::size_t filesOpenBefore = openFileCount();
    std::vector<std::string> lines = {
        "Z100,200,300;", "V15;", "F64;", "(TOOL DIAMETER: 6,5 MM)", "(MIN X: -10.5)",
        "  FEEDRATE    : 1 200", "    TIME: 0:12:30", "PLUNGE RATE : 300)", "SPINDLE SPEED 18000)",
        "G2 X10 Y10 I5 J0 F100", "%", "!MC1;^PA;"};
    for (const char* fixture : {"roland_square.rol", "roland_square.inf", "powermill_part.tap",
                                "powermill_part.inf"}) {
        std::ifstream in(readerData(fixture), std::ios::binary);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
    }
    for (const std::string& line : lines)
        for (std::size_t length = 0; length <= line.size(); ++length)
            feedEverywhere(line.substr(0, length) + "\n" + line.substr(0, length));
    EXPECT_EQ(openFileCount(), filesOpenBefore);
}

}  // namespace
}  // namespace tarnix::testing
