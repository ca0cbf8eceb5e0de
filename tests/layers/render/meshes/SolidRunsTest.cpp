// Sub-cell rectangles filled as runs: the picture, and the background colour the fills leave,
// are those of the same rectangles filled one by one.
#include "layers/render/meshes/SolidRuns.h"
#include "platform/dc/GdiConstants.h"
#include "platform/dc/ImageDc.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Rectangle {
    int x, y, width, height;
    vd::COLORREF colour;
};

TEST(SolidRuns, LeaveThePixelsOfTheSeparateFills)
{
    const vd::COLORREF red = vd::RGB(255, 0, 0), blue = vd::RGB(0, 0, 255);
    const struct {
        const char* name;
        int mapMode;
        std::vector<Rectangle> fills;
    } cases[] = {
        {"overlapping, one colour", vd::MM_TEXT, {{0, 0, 2, 1, red}, {1, 0, 2, 1, red}, {2, 0, 2, 1, red}}},
        {"touching, then a gap", vd::MM_TEXT, {{0, 1, 3, 2, red}, {3, 1, 3, 2, red}, {7, 1, 3, 2, red}}},
        {"another colour between", vd::MM_TEXT, {{0, 0, 4, 1, red}, {2, 0, 4, 1, blue}, {4, 0, 4, 1, red}}},
        {"other rows and heights", vd::MM_TEXT, {{0, 0, 4, 2, red}, {2, 1, 4, 2, red}, {4, 0, 4, 1, red}, {6, 0, 4, 2, red}}},
        {"westwards", vd::MM_TEXT, {{8, 3, 3, 1, blue}, {6, 3, 3, 1, blue}, {1, 3, 3, 1, blue}, {3, 3, 1, 1, red}}},
        {"empty ones between", vd::MM_TEXT, {{0, 0, 3, 1, red}, {2, 0, 0, 1, blue}, {2, 0, 3, 1, red}, {5, 0, 2, 0, blue}}},
        {"past the picture's edge", vd::MM_TEXT, {{-3, 2, 4, 1, red}, {0, 2, 4, 1, red}, {14, 2, 4, 1, red}}},
        {"scaled mapping", vd::MM_ANISOTROPIC, {{0, 0, 3, 1, red}, {2, 0, 3, 1, red}, {5, 0, 3, 1, red}, {7, 1, 2, 1, blue}}},
    };
    for (const auto& c : cases) {
        vd::ImageDc runs(16, 8), separate(16, 8);
        for (vd::ImageDc* dc : {&runs, &separate}) {
            dc->SetMapMode(c.mapMode);
            if (c.mapMode == vd::MM_ANISOTROPIC) {
                dc->SetWindowExt(3, 2);
                dc->SetViewportExt(5, 3);
            }
        }
        {
            meshes::SolidRuns painter(runs);
            for (const Rectangle& f : c.fills)
                painter.Fill(f.x, f.y, f.width, f.height, f.colour);
        }
        for (const Rectangle& f : c.fills)
            separate.FillSolidRect(f.x, f.y, f.width, f.height, f.colour);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(runs.GetPixel(x, y), separate.GetPixel(x, y)) << c.name << " at " << x << "," << y;
        EXPECT_EQ(runs.GetBkColor(), separate.GetBkColor()) << c.name;
    }
}

} // namespace
