#include "common/errors.h"
#include "common/text_encoding.h"
#include "interpreter_fixture.h"

#include <cmath>

using namespace tarnix;
using tarnix::testing::GCodeFixture;

namespace {

void expectColor(const TPathPoint* point, const GLColor& color)
{
    EXPECT_FLOAT_EQ(point->Color[0], color[0]);
    EXPECT_FLOAT_EQ(point->Color[1], color[1]);
    EXPECT_FLOAT_EQ(point->Color[2], color[2]);
}

}  // namespace

// --- Moves, points, lengths and times -------------------------------------

using StraightMoves = GCodeFixture;

TEST_F(StraightMoves, FeedMoveInAbsoluteMode)
{
    pastFirstMove();
    EXPECT_TRUE(run(" G1 X10 Y5 F300"));
    EXPECT_EQ(context.state.gX, 10);
    EXPECT_EQ(context.state.gY, 5);
    EXPECT_EQ(context.state.gFeed, 300);
    EXPECT_NEAR(context.totals.FLength, std::sqrt(125.0), 1e-12);
    EXPECT_NEAR(context.totals.FTime, 60 * std::sqrt(125.0) / 300, 1e-12);
    auto path = points();
    ASSERT_EQ(path.size(), 1u);
    EXPECT_NEAR(static_cast<double>(path[0]->X), 0.1, 1e-15);
    EXPECT_NEAR(static_cast<double>(path[0]->Y), 0.05, 1e-15);
    EXPECT_EQ(path[0]->Z, 0);
    EXPECT_EQ(path[0]->LineNo, 1);
    EXPECT_EQ(path[0]->Feed, 300);
    EXPECT_FALSE(path[0]->Rapid);
    expectColor(path[0], context.settings.FG1ColorGL);
}

TEST_F(StraightMoves, IncrementalModeAddsToThePosition)
{
    runAll({" G1 X10 Y5 F300", " G91 G1 X10 Y5"});
    EXPECT_EQ(context.state.gX, 20);
    EXPECT_EQ(context.state.gY, 10);
    EXPECT_EQ(context.state.gZ, 0);
}

TEST_F(StraightMoves, TheFirstMoveOfAPassAddsNothing)
{
    runAll({" G0 X10", " G1 X20 F600"});
    EXPECT_EQ(context.totals.FLength, 10);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 1.0);
}

TEST_F(StraightMoves, CoefficientScalesLengthAndPointsButNotTheExtents)
{
    context.settings.edCoeff = "2";
    pastFirstMove();
    run(" G1 X10 F600");
    EXPECT_EQ(context.totals.FLength, 20);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 2.0);
    EXPECT_NEAR(static_cast<double>(points()[0]->X), 0.2, 1e-15);
    EXPECT_EQ(context.infoBox.gInfoMaxX, 10);
}

TEST_F(StraightMoves, AZeroFeedCountsAMillionSecondsPerUnit)
{
    pastFirstMove();
    run(" G1 X1");
    EXPECT_DOUBLE_EQ(context.totals.FTime, 1000000.0);
}

TEST_F(StraightMoves, BlocksWithoutAxisWordsAppendNoPoint)
{
    runAll({" G0", " F500", " M3 S1000", " G1 F200"});
    EXPECT_EQ(context.FPathPoints->Count(), 0);
    EXPECT_EQ(context.state.gSpindle, 1000);
}

TEST_F(StraightMoves, CentreWordsAloneStillAppendAPoint)
{
    run(" G1 I5");
    EXPECT_EQ(context.FPathPoints->Count(), 1);
    EXPECT_EQ(context.state.gI, 5);
}

// --- Feeds, the rapid rule and the plunge rule ----------------------------

using Feeds = GCodeFixture;

TEST_F(Feeds, BlockLabelIsDecodedProgramText)
{
    context.settings.cbDelay = true;
    run((" G1 X5 T" + encodeWindows1251("Фреза")).c_str());
    EXPECT_EQ(status.blockLabel, "G1X5TФреза");
}

TEST_F(Feeds, RapidUsesTheRapidSettingAndTheNextFeedMoveRestoresTheFeed)
{
    runAll({" G1 X1 F300", " G0 Z5"});
    EXPECT_EQ(context.state.gSavedFeed, 300);
    EXPECT_EQ(context.state.gFeed, 3000);
    EXPECT_EQ(context.state.gFeedZ, 3000);
    EXPECT_EQ(context.state.gLastRapidFeed, 3000);
    const TPathPoint* rapid = points().back();
    EXPECT_TRUE(rapid->Rapid);
    expectColor(rapid, context.settings.FG0ColorGL);
    run(" G1 X1");
    EXPECT_EQ(context.state.gFeed, 300);
}

TEST_F(Feeds, RapidSettingIsReadOnlyWhenTheFeedIsNotAlreadyTheRapidRate)
{
    runAll({" G1 X1 F300", " G0 Z5"});
    context.settings.edRapid = "not a number";
    EXPECT_NO_THROW(run(" G0 Z6"));
    context.state.gFeed = 100;
    EXPECT_THROW(run(" G0 Z7"), ConversionError);
}

TEST_F(Feeds, WithoutAnEarlierFWordTheRapidSavesNothing)
{
    run(" G0 Z5");
    EXPECT_EQ(context.state.gSavedFeed, 0);
    EXPECT_EQ(context.state.gFeed, 3000);
}

TEST_F(Feeds, FeedWordAloneChangesTheFeedOnly)
{
    runAll({" G1 X1 F300", " F200"});
    EXPECT_EQ(context.state.gFeed, 200);
    EXPECT_EQ(context.FPathPoints->Count(), 1);
}

TEST_F(Feeds, PlungeBlockSetsTheZFeedToo)
{
    run(" G1 Z-1 F100");
    EXPECT_EQ(context.state.gFeed, 100);
    EXPECT_EQ(context.state.gFeedZ, 100);
    run(" G1 X5 F400");
    EXPECT_EQ(context.state.gFeed, 400);
    EXPECT_EQ(context.state.gFeedZ, 100);
}

// "G01" holds no "G1": the rule names it on its own.
TEST_F(Feeds, PlungeWrittenG01SetsTheZFeedToo)
{
    run(" G01 Z-1 F100");
    EXPECT_EQ(context.state.gFeed, 100);
    EXPECT_EQ(context.state.gFeedZ, 100);
}

TEST_F(Feeds, PlungeTestIsAPlainSubstringTest)
{
    run(" G17 Z-1 F100");  // "G17" contains "G1"
    EXPECT_EQ(context.state.gFeedZ, 100);
    run(" G0 Z-1 F50");
    EXPECT_EQ(context.state.gFeedZ, 3000) << "no G1 in the text: only the rapid rule sets the Z feed";
}

TEST_F(Feeds, ConstantFeedReplacesEveryFWord)
{
    context.settings.cbConstSpeedF = true;
    context.settings.FSpeedX = 700;
    context.settings.cbDelay = true;
    run(" G1 X5 F300");
    EXPECT_EQ(context.state.gFeed, 700);
    EXPECT_EQ(context.state.gSavedFeed, 300);
    EXPECT_EQ(context.state.gFWord, 300);
    EXPECT_EQ(status.blockLabel, "G1X5F700");
}

TEST_F(Feeds, ConstantZFeedReplacesAPlungeFWord)
{
    context.settings.cbConstFz = true;
    context.settings.FSpeedZ = 50;
    run(" G1 Z-2 F300");
    EXPECT_EQ(context.state.gFeed, 50);
    EXPECT_EQ(context.state.gFeedZ, 300);
}

TEST_F(Feeds, ConstantFeedEqualToTheLastRapidRateIsIgnored)
{
    context.settings.cbConstSpeedF = true;
    context.settings.FSpeedX = 64;  // the last rapid rate at process start
    run(" G1 X5 F300");
    EXPECT_EQ(context.state.gFeed, 300);
}

// --- The Z-feed limit ------------------------------------------------------

// A feed move of 1000 under a Z-feed limit of 100.
class ZFeedLimit : public GCodeFixture {
protected:
    ZFeedLimit()
    {
        context.settings.cbLimitZ = true;
        context.settings.FSpeedZ = 100;
        context.state.gFeed = 1000;
        context.state.gMoveMode = 1;
        pastFirstMove();
    }
};

TEST_F(ZFeedLimit, SteepMoveIsSlowedAndTheNextMoveRestoresTheFeed)
{
    run(" G1 Z-10");
    EXPECT_EQ(context.state.gFeed, 100);
    EXPECT_EQ(context.FSavedFeed, 1000);
    EXPECT_TRUE(context.FZFeedLimited);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 6.0);

    run(" G1 X50");
    EXPECT_DOUBLE_EQ(context.totals.FTime, 6.0 + 30.0);
    EXPECT_EQ(context.state.gFeed, 1000);
    EXPECT_FALSE(context.FZFeedLimited);
}

TEST_F(ZFeedLimit, LimitedFeedIsRoundedHalfToEven)
{
    for (const auto& [limit, plunge, rounded] : {std::tuple{12.5, " G1 Z-10", 12}, {13.5, " G1 Z-20", 14}}) {
        context.FZFeedLimited = false;
        context.state.gFeed = 1000;
        context.settings.FSpeedZ = limit;
        run(plunge);
        EXPECT_EQ(context.state.gFeed, rounded) << limit;
    }
}

TEST_F(ZFeedLimit, TurningTheLimitOffRestoresTheSavedFeed)
{
    run(" G1 Z-10");
    context.settings.cbLimitZ = false;
    run(" G1 X60");
    EXPECT_EQ(context.state.gFeed, 1000);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 6.0 + 60.0 * 60 / 1000);
}

TEST_F(ZFeedLimit, BlockTextShowsTheLimitedFeed)
{
    context.settings.cbDelay = true;
    run(" G1 Z-10");
    EXPECT_EQ(status.blockLabel, "G1Z-10F100");
    EXPECT_EQ(status.panels[1], "F: 100, Fz: 100.0, S: 0");
}

// --- Comments and text clean-up --------------------------------------------

using CleanUp = GCodeFixture;

// Comma as decimal point, an unclosed comment running to the end, lower
// case that is not read at all.
TEST_F(CleanUp, XReadFromTheCleanedBlock)
{
    for (const auto& [block, x] : {std::pair{" G1 X1,5", 1.5}, {" G1 X10 (FINISH", 10.0}, {"g0 x20", 10.0}}) {
        run(block);
        EXPECT_EQ(context.state.gX, x) << block;
    }
    EXPECT_EQ(context.state.gMoveMode, 1);
    EXPECT_TRUE(output.lines.empty());
}

TEST_F(CleanUp, CommentOnlyLineGoesToTheOutputAndChangesNothing)
{
    run(" G1 X10 F600");
    EXPECT_TRUE(run("(ROUGHING, T1)"));
    ASSERT_EQ(output.lines.size(), 1u);
    EXPECT_EQ(output.lines[0], "(ROUGHING, T1)") << "the comment is written as it stands";
    EXPECT_EQ(context.FPathPoints->Count(), 1);
    run(" G1 X20");
    EXPECT_DOUBLE_EQ(context.totals.FTime, 1.0) << "the comment line did not reset the previous point";
}

TEST_F(CleanUp, EmptyLineLeavesTheFirstMovePending)
{
    run("");
    run("(only a comment)");
    EXPECT_TRUE(context.totals.FFirstMove);
}

TEST_F(CleanUp, EveryCopyOfTheCommentIsCutButALaterParenthesisStays)
{
    run(" G1 (A) X1 (A) Y2");
    EXPECT_EQ(context.state.gX, 1);
    EXPECT_EQ(context.state.gY, 2);
    run(" G1 (A) X3 (B) Y4");
    EXPECT_EQ(context.state.gX, 3);
    EXPECT_EQ(context.state.gY, 4);  // "(B)" stays: ")" is a word of the letter B
}

TEST_F(CleanUp, PercentAndProgramNumbersHaveNoWordsButEndTheFirstMove)
{
    run("%");
    EXPECT_FALSE(context.totals.FFirstMove);
    run("O1000");
    EXPECT_EQ(context.FPathPoints->Count(), 0);
}

// --- Conversion errors -----------------------------------------------------

using ConversionErrors = GCodeFixture;

TEST_F(ConversionErrors, BadNumberStopsTheBlockAfterEarlierWordsChangedTheState)
{
    pastFirstMove();
    try {
        run(" G1 Y4 X1.2.3");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'1.2.3' is not a valid floating point value");
    }
    EXPECT_EQ(context.state.gY, 4);
    EXPECT_EQ(context.state.gMoveMode, 1);
    EXPECT_EQ(context.FPathPoints->Count(), 0);
    EXPECT_EQ(context.totals.FLength, 0);
    EXPECT_EQ(context.totals.FPrevY, 0);
}

// ")" before "(" cuts nothing and stays in the X word; a tab is part of its word.
TEST_F(ConversionErrors, WordsThatAreNoNumbers)
{
    for (const char* block : {" M3.5", " G1 X1) Y(2", " G1 X10\t"})
        EXPECT_THROW(run(block), ConversionError) << block;
}

TEST_F(ConversionErrors, IntegerWordsNeedIntegers)
{
    try {
        run(" N1.5 G1 X1");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'1.5' is not a valid integer value");
    }
}

// Long integer words are read in full: the 32-bit range decides.
TEST_F(ConversionErrors, IntegerWordsUpToThe32BitRange)
{
    for (const char* block : {" N2147483647 G1 X1", " M0000000003", " N+12 M-4"})
        EXPECT_NO_THROW(run(block)) << block;
    for (const char* block : {" N2147483648 G1 X1", " M99999999999", " N5."})
        EXPECT_THROW(run(block), ConversionError) << block;
}

TEST_F(ConversionErrors, LetterFollowedByLetterIsNoWord)
{
    run(" G1 XA");
    EXPECT_EQ(context.state.gX, 0);
    EXPECT_EQ(context.state.gMoveMode, 1);
    EXPECT_EQ(context.FPathPoints->Count(), 0);
}

TEST_F(ConversionErrors, BadCoefficientFailsAtTheBlock)
{
    context.settings.edCoeff = "1,5";
    EXPECT_THROW(run(" G1 X1"), ConversionError);
}

// --- Pause requests --------------------------------------------------------

using PauseRequests = GCodeFixture;

// run() is false where the block asks to pause: a rapid word, every F word
// even when unchanged, a tool word (whose number is not read), each only
// under its option.
TEST_F(PauseRequests, EachOptionPausesAtItsWord)
{
    using Blocks = std::vector<std::pair<const char*, bool>>;
    const std::pair<bool TInterpreterSettings::*, Blocks> cases[] = {
        {&TInterpreterSettings::cbGchange, {{" G00 X0", false}, {" G01 X0", true}, {" T1 M6", true}}},
        {&TInterpreterSettings::cbFchange, {{" G1 X1 F100", false}, {" G1 X2 F100", false}, {" G1 X3", true}}},
        {&TInterpreterSettings::cbToolChange, {{" T1.x M6", false}, {" G0 X1 F5", true}}}};
    for (const auto& [option, blocks] : cases) {
        context.settings.*option = true;
        for (const auto& [block, goOn] : blocks)
            EXPECT_EQ(run(block), goOn) << block;
        context.settings.*option = false;
        EXPECT_TRUE(run(blocks.front().first)) << blocks.front().first << " without its option";
    }
}

TEST_F(PauseRequests, PauseShowsTheBlockOnTheStatusBar)
{
    context.settings.cbGchange = true;
    run(" G0 X10.5 Z-2");
    EXPECT_EQ(status.panels[0], "10.5, 0, -2");
    EXPECT_EQ(status.panels[1], "F: 3000, Fz: 0.0, S: 0");
    EXPECT_EQ(status.panels[2], "Line 1  Time  0: 0: 0  Length(m) 0.000");
    EXPECT_EQ(status.blockLabel, "G0X10.5Z-2");
}

TEST_F(PauseRequests, BlockLabelIsDecodedProgramText)
{
    context.settings.cbToolChange = true;
    run(" G0 X1 T\xCF\xF0");  // "Пр" in Windows-1251
    EXPECT_EQ(status.blockLabel, "G0X1TПр");
    run(" G0 X1 TПр");
    EXPECT_EQ(status.blockLabel, "G0X1TПр");
}

TEST_F(PauseRequests, WithoutDelayOrPauseTheStatusBarIsLeftAlone)
{
    run(" G1 X5 F100");
    EXPECT_EQ(status.writes, 0);
}

// --- Modal words -----------------------------------------------------------

using ModalWords = GCodeFixture;

TEST_F(ModalWords, PlaneDistanceAndMoveTexts)
{
    run(" G18 G91 G03 X1 Z1 K1");
    EXPECT_EQ(context.state.gPlane, 18);
    EXPECT_EQ(context.state.gDistMode, 91);
    EXPECT_EQ(context.state.gG3Text, "G03");
    EXPECT_TRUE(context.state.gHasPlaneWord);
    run(" G3 X1");
    EXPECT_EQ(context.state.gG3Text, "G3");
    EXPECT_FALSE(context.state.gHasPlaneWord);
    EXPECT_EQ(context.state.gG0Text, "G00");
}

TEST_F(ModalWords, OtherGCodesChangeNothing)
{
    run(" G1 X1 F100");
    runAll({" G40 G49 G54 G80", " G28", " G1.5"});
    EXPECT_EQ(context.state.gMoveMode, 1);
    EXPECT_EQ(context.state.gPlane, 17);
    EXPECT_EQ(context.state.gDistMode, 90);
}

TEST_F(ModalWords, CentreWordsAreNeverAccumulated)
{
    runAll({" G91 G1 I2", " G1 I3"});
    EXPECT_EQ(context.state.gI, 3);
}

// --- Extents and speed colours ---------------------------------------------

using Extents = GCodeFixture;

TEST_F(Extents, FeedMovesWidenTheirNamedAxesAndRapidsTheZRange)
{
    runAll({" G0 X-50 Y-50 Z20", " G1 Z-3 F100", " G1 X40 F500", " G0 Z5", " G2 X100 Y100 I1 J1"});
    const TInfoRunBox& box = context.infoBox;
    EXPECT_EQ(box.gInfoMaxX, 40);
    EXPECT_EQ(box.gInfoMinX, 40);
    EXPECT_EQ(box.gInfoMaxY, -99999) << "no G1 block named Y";
    EXPECT_EQ(box.gInfoMinZ, -3);
    EXPECT_EQ(box.gInfoMaxZG0, 20);
    EXPECT_EQ(box.gInfoMinZG0, 5);
    EXPECT_EQ(box.gInfoMinF, 100);
    EXPECT_EQ(box.gInfoMaxF, 500);
}

TEST_F(Extents, RapidFeedWordCountsAsTheRapidRate)
{
    run(" G0 X1 F100");
    EXPECT_EQ(context.infoBox.gInfoMaxF, 3000);
}

TEST_F(Extents, UntouchedWhileARunIsActive)
{
    context.runActive = [] { return true; };
    run(" G1 X5 F100");
    EXPECT_EQ(context.infoBox.gInfoMaxX, -99999);
    EXPECT_EQ(context.infoBox.gInfoMaxF, 0);
}

TEST_F(Extents, SpeedColourFollowsTheFeed)
{
    context.settings.cbSpeedColor = true;
    context.settings.gSpeedScale1 = 0.001;
    context.settings.gSpeedScale2 = 0.002;
    context.settings.gSpeedScale3 = 0.0005;
    run(" G1 X1 F1000");
    const TPathPoint* point = points().back();
    EXPECT_FLOAT_EQ(point->Color[2], 1.05f);
    EXPECT_FLOAT_EQ(point->Color[0], 2.05f);
    EXPECT_FLOAT_EQ(point->Color[1], 0.55f);
    context.settings.cbBlackAndWite = true;
    run(" G1 X2");
    point = points().back();
    EXPECT_FLOAT_EQ(point->Color[0], 1.05f);
    EXPECT_FLOAT_EQ(point->Color[1], 1.05f);
    run(" G0 X3");
    expectColor(points().back(), context.settings.FG0ColorGL);
}
