// The two-point measurement: the differences on every axis, Z included, and
// the distance in space, in program units (scene units x 100).

#include "view/distance_measure.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace {

struct MeasureCase {
    const char* name;
    ScenePosition first, second;
    const char* message;
};

TEST(DistanceMeasure, ReportsEveryAxisAndTheDistanceInSpace)
{
    const MeasureCase cases[] = {
        {"flat", {0, 0, 0}, {0.03, 0.04, 0}, "Analized distance: dx: 3.000 dy: 4.000 dz: 0.000;  Distance: 5.000"},
        {"down in Z", {0.01, 0.01, 0.01}, {0.04, 0.05, -0.11},
         "Analized distance: dx: 3.000 dy: 4.000 dz: -12.000;  Distance: 13.000"},
        {"straight up", {0.2, 0.3, -0.05}, {0.2, 0.3, 0.06},
         "Analized distance: dx: 0.000 dy: 0.000 dz: 11.000;  Distance: 11.000"},
    };
    for (const MeasureCase& c : cases) {
        SCOPED_TRACE(c.name);
        MeasureInput input;
        DistanceMeasure measure(input);
        measure.mnMeasureClick();
        EXPECT_FALSE(measure.click(false, c.first));  // the background takes no point
        EXPECT_FALSE(measure.click(true, c.first));
        EXPECT_EQ(input.gMeasZ1, c.first.z);
        measure.follow(c.second);
        EXPECT_EQ(input.gMeasZ2, c.second.z);  // the rubber band's end
        EXPECT_EQ(measure.click(true, c.second), c.message);
        EXPECT_FALSE(measure.gMeasureMode());
    }
}

}  // namespace
