#include "view/segment_texts.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace {

TPathPoint pointAt(long double x, long double y, long double z, long double feed)
{
    return TPathPoint{x, y, z, {0, 1, 0}, 12, feed, false};
}

// Scene units are program units / 100.
const ScenePoint kStart{0.01f, -0.025f, 0.5f};
const TPathPoint kEnd = pointAt(0.04L, 0.015L, 0.5L, 1200);

}  // namespace

TEST(SegmentTexts, InfoLabelsAndStatusPanelShowProgramUnitsInTheirFormats)
{
    const SegmentTexts texts = cursorSegmentTexts(kStart, kEnd, "part.nc", "part.nc");
    EXPECT_FALSE(texts.showPicture);
    EXPECT_EQ(texts.lbBeginX, "1.000");
    EXPECT_EQ(texts.lbBeginY, "-2.500");
    EXPECT_EQ(texts.lbBeginZ, "50.000");
    EXPECT_EQ(texts.lbFeed, "1200.0");
    EXPECT_EQ(texts.lbEndX, "4.000");
    EXPECT_EQ(texts.lbEndY, "1.500");
    EXPECT_EQ(texts.lbEndZ, "50.000");
    // A 3-4-5 triangle; the length label keeps its trailing blank.
    EXPECT_EQ(texts.lbLength, " 5.000 ");
    EXPECT_EQ(texts.statusPanel5,
              "Feed: 1200.0  Line Start : (X: 1.000; Y: -2.500; Z: 50.000)"
              "    Line End : (X: 4.000; Y: 1.500; Z: 50.000)  Length:  5.000 ");
}

TEST(SegmentTexts, NumbersArePaddedToTheirWidthAndRounded)
{
    SegmentTexts texts = cursorSegmentTexts({0, 0, 0}, pointAt(0.001L, 0, 0, 5), "a.nc", "a.nc");
    EXPECT_EQ(texts.lbEndX, "0.100");
    EXPECT_EQ(texts.lbFeed, "   5.0");
    EXPECT_EQ(texts.lbLength, " 0.100 ");

    texts = cursorSegmentTexts({0, 0, 0}, pointAt(0.1234567L, 0, 0, 99.96L), "a.nc", "a.nc");
    EXPECT_EQ(texts.lbEndX, "12.346");
    EXPECT_EQ(texts.lbFeed, " 100.0");
}

TEST(SegmentTexts, EditorFolderIsIgnoredWhenComparingWithTheShownProgram)
{
    const SegmentTexts texts = cursorSegmentTexts(kStart, kEnd, "/home/op/progs/part.nc", "part.nc");
    EXPECT_FALSE(texts.showPicture);
    EXPECT_EQ(texts.lbEndX, "4.000");
}

TEST(SegmentTexts, EditorHoldingAnotherFileEmptiesLabelsAndShowsPicture)
{
    for (const char* editorFile : {"/home/op/progs/other.nc", "Part.nc", "part.nc.bak", ""}) {
        SCOPED_TRACE(editorFile);
        const SegmentTexts texts = cursorSegmentTexts(kStart, kEnd, editorFile, "part.nc");
        EXPECT_TRUE(texts.showPicture);
        for (const std::string* label : {&texts.lbBeginX, &texts.lbBeginY, &texts.lbBeginZ, &texts.lbFeed,
                                         &texts.lbEndX, &texts.lbEndY, &texts.lbEndZ, &texts.lbLength})
            EXPECT_EQ(*label, "");
    }
}
