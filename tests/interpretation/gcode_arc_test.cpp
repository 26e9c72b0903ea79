#include "common/errors.h"
#include "interpreter_fixture.h"

#include <cmath>
#include <numbers>

using namespace tarnix;
using tarnix::testing::GCodeFixture;

namespace {

double degreesOf(long double u, long double v)
{
    double angle = std::atan2(static_cast<double>(v), static_cast<double>(u)) * 180 / std::numbers::pi;
    return angle < 0 ? angle + 360 : angle;
}

}  // namespace

class Arcs : public GCodeFixture {
protected:
    void expectColorIsArc(const TPathPoint* point)
    {
        EXPECT_FLOAT_EQ(point->Color[0], context.settings.FG2ColorGL[0]);
        EXPECT_FLOAT_EQ(point->Color[1], context.settings.FG2ColorGL[1]);
        EXPECT_FLOAT_EQ(point->Color[2], context.settings.FG2ColorGL[2]);
    }

    // Points the arc block appended, its end point included.
    std::vector<const TPathPoint*> arcPoints(const char* setup, const char* arc)
    {
        run(setup);
        std::int32_t before = context.FPathPoints->Count();
        run(arc);
        auto all = points();
        return {all.begin() + before, all.end()};
    }
};

TEST_F(Arcs, QuarterCircleCounterClockwiseEveryFourDegrees)
{
    context.settings.cbIncMode = true;
    auto path = arcPoints(" G1 X10 F100", " G3 X0 Y10 I-10 J0");
    ASSERT_EQ(path.size(), 23u + 1u);
    for (int i = 0; i < 23; ++i) {
        EXPECT_NEAR(degreesOf(path[i]->X, path[i]->Y), 4.0 * i, 1e-9) << i;
        EXPECT_NEAR(std::hypot(double(path[i]->X), double(path[i]->Y)), 0.1, 1e-12);
        expectColorIsArc(path[i]);
        EXPECT_FALSE(path[i]->Rapid);
    }
    EXPECT_NEAR(double(path[23]->X), 0.0, 1e-15);
    EXPECT_NEAR(double(path[23]->Y), 0.1, 1e-15);
    double chords = 22 * 2 * 10 * std::sin(2 * std::numbers::pi / 180);
    EXPECT_NEAR(context.totals.FLength, chords, 1e-9);
    EXPECT_NEAR(context.totals.FLength, 15.356, 0.001);
    EXPECT_NEAR(context.totals.FTime, 60 * chords / 100, 1e-9);
    EXPECT_NEAR(context.totals.FTime, 9.213, 0.001);
}

TEST_F(Arcs, SameArcClockwiseGoesTheLongWay)
{
    context.settings.cbIncMode = true;
    auto path = arcPoints(" G1 X10 F100", " G2 X0 Y10 I-10 J0");
    ASSERT_EQ(path.size(), 68u + 1u);
    EXPECT_NEAR(degreesOf(path[1]->X, path[1]->Y), 356.0, 1e-9);
    EXPECT_NEAR(degreesOf(path[67]->X, path[67]->Y), 360.0 - 268.0, 1e-9);
}

TEST_F(Arcs, AbsoluteCentreWithoutIncrementalOption)
{
    auto path = arcPoints(" G1 X20 Y10 F100", " G3 X10 Y20 I10 J10");
    ASSERT_EQ(path.size(), 24u);
    EXPECT_NEAR(double(path[5]->X), 0.1 + 0.1 * std::cos(20 * std::numbers::pi / 180), 1e-12);
}

TEST_F(Arcs, ViewModeMustBeAnInteger)
{
    context.settings.edFine = "2.5";
    run(" G1 X10 F100");
    EXPECT_THROW(run(" G3 X0 Y10 I-10 J0"), ConversionError);
}

TEST_F(Arcs, FullCircleInTheXYPlaneInEitherSenseIsMeasured)
{
    context.settings.cbIncMode = true;
    arcPoints(" G1 X10 F100", " G2 X10 Y0 I-10 J0");
    arcPoints(" G1 X10 Y0", " G3 X10 Y0 I-10 J0");
    EXPECT_NEAR(context.totals.FLength, 2 * 89 * 2 * 10 * std::sin(2 * std::numbers::pi / 180), 1e-9);
}

// How many points an arc block appends, its end point included: one every
// edFine squared degrees (the finest step for 0, none below), a full circle
// only in the X-Y plane.
struct ArcCase {
    const char* fine;
    const char* setup;
    const char* arc;
    std::size_t points;
    friend std::ostream& operator<<(std::ostream& out, const ArcCase& c) { return out << c.arc << ", fine " << c.fine; }
};

class ArcPointCount : public Arcs, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(ArcPointCount, FollowsTheViewModeAndThePlane)
{
    context.settings.cbIncMode = true;
    context.settings.edFine = GetParam().fine;
    EXPECT_EQ(arcPoints(GetParam().setup, GetParam().arc).size(), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ArcPointCount,
    ::testing::Values(ArcCase{"1", " G1 X10 F100", " G3 X0 Y10 I-10 J0", 90 + 1},
                      ArcCase{"3", " G1 X10 F100", " G3 X0 Y10 I-10 J0", 10 + 1},  // 0, 9, ..., 81 degrees
                      ArcCase{"0", " G1 X10 F100", " G3 X0 Y10 I-10 J0", 90 + 1},
                      ArcCase{"-2", " G1 X10 F100", " G3 X0 Y10 I-10 J0", 1},
                      ArcCase{"2", " G1 X10 F100", " G2 X10 Y0 I-10 J0", 90 + 1},
                      ArcCase{"2", " G1 X10 F100", " G3 X10 Y0 I-10 J0", 90 + 1},
                      ArcCase{"2", " G18 G1 X10 F100", " G2 X10 Z0 I-10 K0", 1},
                      ArcCase{"2", " G19 G1 Y10 F100", " G3 Y10 Z0 J-10 K0", 1}));

TEST_F(Arcs, XZPlaneClockwiseQuarter)
{
    auto path = arcPoints(" G18 G1 X10 Y0 Z0 F100", " G2 X0 Z10 I0 K0");
    ASSERT_EQ(path.size(), 23u + 1u);
    // The angle is measured in the X-Z plane and advances positively.
    EXPECT_NEAR(degreesOf(path[1]->X, path[1]->Z), 4.0, 1e-9);
    EXPECT_EQ(path[1]->Y, 0);
}

TEST_F(Arcs, YZPlaneCounterClockwise)
{
    context.settings.cbIncMode = true;
    auto path = arcPoints(" G19 G1 Y10 F100", " G3 Y0 Z10 J-10 K0");
    ASSERT_EQ(path.size(), 23u + 1u);
    EXPECT_NEAR(degreesOf(path[22]->Y, path[22]->Z), 88.0, 1e-9);
}

TEST_F(Arcs, HelixDrawsTheChordsAtTheEndHeight)
{
    context.settings.cbIncMode = true;
    auto path = arcPoints(" G1 X10 F100", " G3 X0 Y10 Z-5 I-10 J0");
    for (const TPathPoint* point : path)
        EXPECT_NEAR(double(point->Z), -0.05, 1e-15);
    EXPECT_NEAR(context.totals.FLength, 22 * 2 * 10 * std::sin(2 * std::numbers::pi / 180), 1e-9)
        << "only the chords in the plane are measured";
}

TEST_F(Arcs, IncrementalArcClearsTheCentreWordsAbsoluteKeepsThem)
{
    run(" G91 G1 X10 F100");
    run(" G3 X-10 Y10 I-10 J0");
    EXPECT_EQ(context.state.gI, 0);
    EXPECT_EQ(context.state.gJ, 0);
    EXPECT_EQ(context.state.gX, 0);
    EXPECT_EQ(context.state.gY, 10);
    run(" G90 G1 X10 Y0");
    run(" G3 X0 Y10 I0 J0");
    EXPECT_EQ(context.state.gI, 0);
    run(" G3 X-10 Y0 I3");
    EXPECT_EQ(context.state.gI, 3);
}

TEST_F(Arcs, ArcWithoutXStartsAtTheCurrentXAndItsCentreUsesIt)
{
    context.settings.cbIncMode = true;
    auto path = arcPoints(" G1 X10 Y-10 F100", " G3 Y10 I-10 J10");
    // Centre (0, 0): from -45 to +45 degrees, counter-clockwise.
    ASSERT_EQ(path.size(), 23u + 1u);
    EXPECT_NEAR(degreesOf(path[0]->X, path[0]->Y), 315.0, 1e-9);
}

TEST_F(Arcs, ArcTimeCountsEvenOnTheFirstMove)
{
    context.settings.cbIncMode = true;
    context.state.gX = 10;
    context.state.gFeed = 100;
    run(" G3 X0 Y10 I-10 J0");
    EXPECT_NEAR(context.totals.FTime, 9.213, 0.001);
}
