// Small programs converted with their options, compared byte for byte with
// the expected output (tests/data/conversion).

#include "program_conversion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

const fs::path kConversions = TARNIX_CONVERSION_DIR;

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> goldenNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kConversions))
        if (entry.path().extension() == ".nc")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenConversion : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(GoldenConversion, OutputMatchesByteForByte)
{
    const fs::path base = kConversions / GetParam();
    std::istringstream words(readFile(fs::path(base).replace_extension(".args")));
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    std::string unused;
    ConversionOptions options = parseConversionOptions(arguments, unused);

    InterpreterContext context;
    GCodeConverter converter(context);
    Conversion conversion = convertProgramFile(fs::path(base).replace_extension(".nc").string(), options, converter);
    ASSERT_EQ(conversion.error, "");
    std::string output;
    for (const std::string& line : conversion.lines)
        output += line + "\n";

    const fs::path expected = fs::path(base).replace_extension(".expected");
    if (std::getenv("TARNIX_UPDATE_GOLDEN") != nullptr)
        std::ofstream(expected, std::ios::binary) << output;
    EXPECT_EQ(output, readFile(expected));
}

INSTANTIATE_TEST_SUITE_P(Programs, GoldenConversion, ::testing::ValuesIn(goldenNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
