#include "settings/configuration.h"

#include "common/errors.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

using namespace tarnix;
using namespace tarnix::testing;

namespace {

void expectGL(const GLColor& color, float red, float green, float blue)
{
    EXPECT_FLOAT_EQ(color[0], red);
    EXPECT_FLOAT_EQ(color[1], green);
    EXPECT_FLOAT_EQ(color[2], blue);
}

void expectDefaultOptions(const Configuration& config)
{
    EXPECT_EQ(config.FExtensions, "*.nc;*.tap;*.rol;*.prg;*.zip");
    EXPECT_FALSE(config.cbFRLimits);
    EXPECT_FALSE(config.FTransformPanelOpen);
    EXPECT_EQ(config.FCurrentFolder, "/home/user/");
    EXPECT_FALSE(config.FUseGlScale);
    EXPECT_FALSE(config.FUseGlSmooth);
}

const char* const kDefaultFile =
    "[Colors]\nBackColor=0\nG2Color=16776960\nG1Color=65408\nG0Color=255\n"
    "[Options]\nFeedRateLimitsVisible=0\nextentions=*.nc;*.tap;*.rol;*.prg;*.zip\n"
    "Start_dir=/home/user/\nUse_glScale=0\nUse_glSmooth=0\n";

}  // namespace

TEST(Configuration, MissingFileGivesEveryDefaultAndTheFirstWriteStoresThemInOrder)
{
    ScratchFolder folder;
    Configuration config("/home/user");
    config.ReadConfiguration(folder.file("CNCconfig.ini"));
    expectGL(config.FG0ColorGL, 1, 0, 0);
    expectGL(config.FG1ColorGL, 128 / 255.0f, 1, 0);
    expectGL(config.FG2ColorGL, 0, 1, 1);
    config.WriteConfiguration(folder.file("CNCconfig.ini"));
    EXPECT_EQ(readFile(folder.file("CNCconfig.ini")), kDefaultFile);
}

TEST(Configuration, FileOfTheWindowsProgramReadsAndIsWrittenBackInSignedDecimal)
{
    ScratchFolder folder;
    writeFile(folder.file("CNCconfig.ini"),
              "[Colors]\r\nBackColor=$FF0000\r\nG2Color=-2147483633\r\nG1Color=65408\r\n"
              "G0Color=$000ff\r\n[Options]\r\nextentions=*.nc;*.tap\r\nFeedRateLimitsVisible=1\r\n"
              "Start_dir=C:\\cnc\\\r\nUse_glScale=1\r\nUse_glSmooth=0\r\n");
    Configuration config("/home/user", [](TColor) { return 0x00C0C0C0; });
    config.ReadConfiguration(folder.file("CNCconfig.ini"));

    EXPECT_EQ(config.FBackColor, 0xFF0000);
    EXPECT_EQ(config.FG2Color, -2147483633);
    expectGL(config.FG2ColorGL, 192 / 255.0f, 192 / 255.0f, 192 / 255.0f);
    EXPECT_EQ(config.FG0Color, 255);
    EXPECT_EQ(config.FExtensions, "*.nc;*.tap");
    EXPECT_TRUE(config.cbFRLimits);
    EXPECT_TRUE(config.FTransformPanelOpen);
    EXPECT_EQ(config.FCurrentFolder, "C:\\cnc\\");
    EXPECT_TRUE(config.FUseGlScale);
    EXPECT_FALSE(config.FUseGlSmooth);

    config.WriteConfiguration(folder.file("CNCconfig.ini"));
    EXPECT_EQ(readFile(folder.file("CNCconfig.ini")),
              "[Colors]\nBackColor=16711680\nG2Color=-2147483633\nG1Color=65408\nG0Color=255\n"
              "[Options]\nextentions=*.nc;*.tap\nFeedRateLimitsVisible=1\n"
              "Start_dir=C:\\cnc\\\nUse_glScale=1\nUse_glSmooth=0\n");
}

TEST(Configuration, WriteKeepsUnknownSectionsAndKeysAndStoresTextsVerbatim)
{
    ScratchFolder folder;
    writeFile(folder.file("CNCconfig.ini"), "[Window]\nLeft=10\n[Options]\nLanguage=ru\n");
    Configuration config("/home/user/");
    config.ReadConfiguration(folder.file("CNCconfig.ini"));
    config.FExtensions = "*.nc; *.a,b;x\\y";
    config.WriteConfiguration(folder.file("CNCconfig.ini"));

    const std::string written = readFile(folder.file("CNCconfig.ini"));
    EXPECT_EQ(written.find("[Window]\nLeft=10\n[Options]\nLanguage=ru\n"), 0u) << written;
    Configuration reread("/home/user/");
    reread.ReadConfiguration(folder.file("CNCconfig.ini"));
    EXPECT_EQ(reread.FExtensions, "*.nc; *.a,b;x\\y");
}

TEST(Configuration, ColourThatIsNoIntegerStopsTheReadingAndLeavesTheRestAtDefaults)
{
    ScratchFolder folder;
    writeFile(folder.file("good.ini"), "[Options]\nextentions=*.old\nUse_glScale=1\n");
    writeFile(folder.file("bad.ini"),
              "[Colors]\nBackColor=255\nG2Color=0\nG1Color=12abc\nG0Color=0\n"
              "[Options]\nextentions=*.new\nUse_glScale=1\n");
    Configuration config("/home/user/");
    config.ReadConfiguration(folder.file("good.ini"));

    try {
        config.ReadConfiguration(folder.file("bad.ini"));
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'12abc' is not a valid integer value");
    }
    EXPECT_EQ(config.FBackColor, 255);
    EXPECT_EQ(config.FG2Color, 0);
    expectGL(config.FG2ColorGL, 0, 0, 0);
    EXPECT_EQ(config.FG1Color, 65408);
    EXPECT_EQ(config.FG0Color, 255);
    expectDefaultOptions(config);
}

using Case = std::pair<std::string, bool>;
class ConfigurationBoolean : public ::testing::TestWithParam<Case> {};

TEST_P(ConfigurationBoolean, NonZeroIntegerIsTrueAnythingElseTheDefault)
{
    ScratchFolder folder;
    writeFile(folder.file("CNCconfig.ini"),
              "[Options]\nUse_glSmooth=" + GetParam().first + "\n");
    Configuration config("/home/user/");
    config.ReadConfiguration(folder.file("CNCconfig.ini"));
    EXPECT_EQ(config.FUseGlSmooth, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConfigurationBoolean,
    ::testing::Values(Case{"1", true}, Case{"0", false}, Case{"-1", true},
                      Case{"$10", true}, Case{"0x1", true}, Case{"0X10", true},
                      Case{"0x0", false}, Case{"0x", false}, Case{"abc", false},
                      Case{"", false}, Case{"1.0", false}));
