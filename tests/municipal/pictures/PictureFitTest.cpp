// The arithmetic of the picture window and the preview: shades, the zoom steps and limits, and
// where the preview draws a picture in its frame.
#include "municipal/pictures/PictureFit.h"

#include <gtest/gtest.h>

using namespace surrick;

TEST(PictureFit, ShadesAreGreysWithNineAndUnknownShadesLight)
{
    const std::pair<int, int> cases[] = {{0, 0},     {1, 40},    {2, 80},   {3, 120},  {4, 160},  {5, 200},
                                         {6, 210},   {7, 220},   {8, 230},  {9, 240},  {10, 255}, {11, 240},
                                         {42, 240},  {-1, 240}};
    for (const auto& [shade, level] : cases)
        EXPECT_EQ(PictureShadeLevel(shade), level) << shade;
    EXPECT_FALSE(ShadeFillsFrame(6));
    EXPECT_TRUE(ShadeFillsFrame(9));
}

TEST(PictureFit, ZoomStepsByFiveBelowAHundredAndByOneAbove)
{
    struct Case {
        int zoom;
        int maximum;
        int in;
        int out;
    };
    const Case cases[] = {
        {98, 150, 103, 93}, {103, 150, 104, 102}, {100, 150, 101, 95}, {150, 150, 150, 149},
        {73, 73, 73, 68},   {50, 150, 55, 50},    {52, 150, 57, 50},   {101, 101, 101, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoomIn(c.zoom, c.maximum), c.in) << c.zoom << " up to " << c.maximum;
        EXPECT_EQ(ZoomOut(c.zoom), c.out) << c.zoom;
    }
}

TEST(PictureFit, FittedZoomStaysWithinFiftyAndAHundredAndFifty)
{
    struct Case {
        vd::Size frame;
        vd::Size picture;
        int maximum;
        int start;
    };
    const Case cases[] = {
        {{300, 200}, {100, 50}, 150, 100},  // small: own size first
        {{300, 200}, {400, 100}, 75, 75},   // 300 x 100 / 400 = 75
        {{300, 200}, {1000, 100}, 50, 50},  // more than twice as wide
        {{300, 200}, {100, 1000}, 50, 50},  // more than twice as tall
        {{300, 200}, {299, 199}, 100, 100}, // 100.33 and 100.50 truncate to 100
        {{300, 200}, {0, 100}, 100, 100},   // no picture is never divided by
    };
    for (const Case& c : cases) {
        const int maximum = FittedMaximumZoom(c.frame, c.picture);
        EXPECT_EQ(maximum, c.maximum) << c.picture.cx << " x " << c.picture.cy;
        EXPECT_EQ(StartingZoom(maximum), c.start) << c.picture.cx << " x " << c.picture.cy;
    }
    // A drawn picture larger than the frame starts at its left or top edge.
    const vd::Rect wide = ZoomedPicturePlace({300, 200}, {1000, 100}, 50);
    EXPECT_EQ(wide, (vd::Rect{0, 75, 500, 125}));
    EXPECT_EQ(ZoomedPicturePlace({300, 200}, {100, 50}, 100), (vd::Rect{100, 75, 200, 125}));
}

TEST(PictureFit, PreviewKeepsSmallPicturesAndShrinksLargeOnesIntoTheFrame)
{
    struct Case {
        vd::Size frame;
        vd::Size picture;
        vd::Rect place;
    };
    const Case cases[] = {
        {{150, 150}, {300, 100}, {0, 50, 150, 100}},  // landscape fitted to the width
        {{150, 90}, {300, 200}, {7, 0, 142, 90}},     // landscape limited by the height
        {{150, 150}, {100, 300}, {50, 0, 100, 150}},  // portrait fitted to the height
        {{60, 150}, {100, 150}, {0, 30, 60, 120}},    // portrait limited by the width
        {{150, 150}, {40, 20}, {55, 65, 95, 85}},     // fits: own size, centred
        {{150, 150}, {150, 150}, {0, 0, 150, 150}},
        {{150, 150}, {0, 20}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreviewPicturePlace(c.frame, c.picture), c.place) << c.picture.cx << " x " << c.picture.cy;
}
