// The contour map through its export: from the intermediate files (no gap fill, the deepest cell
// crossed) and from the depth text files (soundings placed by the area, then gap-filled), its
// pens from the base colour, and its texts.
#include "SubmarineFixtures.h"

#include "contracts/ombrisk.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

using namespace submarinetest;

namespace {

constexpr int kCyan = int(vd::RGB(0, 255, 255));
constexpr int kStatusBase = 600;
constexpr int kWest = 135 * 3600;
constexpr int kEast = kWest + 3600;
constexpr int kSouth = 52 * 2400;
constexpr int kNorth = kSouth + 2400;
constexpr float kScaleX = 0.08888889f;
constexpr float kScaleY = 0.13333334f;

// Contour-map positions: j x P + offset - 1.
float X(int column) { return float(column) * (float(3600) / 159.0f * kScaleX) + 10.0f - 1.0f; }
float Y(int row) { return float(row) * (float(2400) / 159.0f * kScaleY) + 20.0f - 1.0f; }

class DepthContourMap : public ::testing::Test {
protected:
    void SetUp() override { depth = MakeFolder("depth"); }
    void Draw(int source, int width = 800, int baseColour = kCyan)
    {
        dc.Clear();
        OnSubmarineContour(&dc, depth.win, "5235", kStatusBase, width, 1, source, 0, 10, 20, kScaleX, kScaleY, kEast,
                           kNorth, kWest, kSouth, 1, baseColour);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const vd::RecordedText& t : dc.Texts())
            texts.push_back(vd::format("%d,%d:", t.at.x, t.at.y) + t.text);
        return texts;
    }
    // A sounding at the centre of a cell of the contour grid of mesh 5235.
    static std::string Sounding(int row, int column, int depthMetres, double northShift = 0)
    {
        const double latitude = (kNorth - row * (2400.0 / 159) - 2 + northShift) / 3600.0;
        const double longitude = (kWest + column * (3600.0 / 159) + 2) / 3600.0;
        return vd::format("0 %.6f %.6f %d", latitude, longitude, depthMetres);
    }

    Folder depth;
    vd::RecordingDc dc;
    const vd::Pen redCross{vd::PS_SOLID, 2, vd::RGB(255, 0, 0)};
};

} // namespace

TEST_F(DepthContourMap, FromTheIntermediateFilesWithoutGapFill)
{
    // West half 150 m, east half 300 m, one empty cell on the step in row 80; the deepest cells
    // are the whole east half, so the first of them (row 0, column 51) is crossed.
    WriteSeaFloorFile(depth, "Sf5235.dat", [](int r, int c) { return r == 80 && c == 50 ? 0 : c <= 50 ? 150 : 300; });
    Draw(1, 801, int(vd::RGB(90, 180, 0)));
    // Pen 0 is ramp step 1 of the base colour: 90 - 10, 180 - 20, 0 + 28.
    const vd::Pen pen0(vd::PS_SOLID, 1, vd::RGB(80, 160, 28));
    const auto lines = dc.Segments(pen0);
    // 159 squares down the step, less the two that hold the empty cell.
    ASSERT_EQ(lines.size(), 157u);
    const float p = float(3600) / 159.0f * kScaleX;
    const int x = int(X(50) - (-50.0f) * p / 150.0f);
    EXPECT_EQ(lines[0], (vd::Segment{{x, int(Y(0))}, {x, int(Y(1))}}));
    EXPECT_EQ(dc.Segments(redCross),
              (std::vector<vd::Segment>{{{int(X(51)) - 4, int(Y(0))}, {int(X(51)) + 5, int(Y(0))}},
                                        {{int(X(51)), int(Y(0)) - 4}, {int(X(51)), int(Y(0)) + 5}}}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"621,250:等深線は100m,200m", "621,270:  それ以深で500m間隔",
                                                 "621,290:最深度=300m(赤＋地点)"}));
    EXPECT_EQ(dc.GetCurrentPen(), vd::RecordingDc().GetCurrentPen());

    // No file: nothing at all.
    std::filesystem::remove(depth.linux / "SEAFLOOR" / "Sf5235.dat");
    Draw(1);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(DepthContourMap, FromTheDepthTextFiles)
{
    // No file: no line, no cross, the greatest depth left at -9999.
    Draw(0);
    EXPECT_TRUE(dc.Segments().empty());
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"5,556:等深線は100m,200m及びそれ以深で500m間隔  最深度=-9999m(赤＋地点)"});

    // The four squares from 34 N, 134 E; the soundings are in 35-36 N, 135-136 E. Rows 10 and 11
    // at 150 m and 300 m: the 200 m line along them (the last column, east of the area, is filled
    // from its west). A deeper sounding north of the area is not counted; the deepest inside is
    // crossed at its cell.
    std::vector<std::string> lines;
    for (int c = 0; c < 159; ++c) {
        lines.push_back(Sounding(10, c, 150));
        lines.push_back(Sounding(11, c, c == 70 ? 900 : 300));
    }
    lines.push_back(Sounding(0, 5, 5000, 60));
    WriteBytes(depth.linux / "DP35_135.txt", CrLf(lines));
    Draw(0);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "17,578:500mﾒｯｼｭ水深ﾃﾞｰﾀ(" + depth.win + "DP35_135.txt)を入力中。しばらくお待ちください！");
    EXPECT_EQ(texts[1], "5,556:等深線は100m,200m及びそれ以深で500m間隔  最深度=900m(赤＋地点)");
    EXPECT_EQ(dc.Texts()[0].colour, vd::RGB(255, 0, 0));
    EXPECT_EQ(dc.Segments(redCross)[0], (vd::Segment{{int(X(70)) - 4, int(Y(11))}, {int(X(70)) + 5, int(Y(11))}}));
    // Row 12 is gap-filled from row 11, so the lines between rows 10 and 11 are the 200 m line,
    // one segment a square, and the 500 m line in the two squares that share the 900 m cell.
    const vd::Pen pen0(vd::PS_SOLID, 1, vd::RGB(0, 227, 255));
    int between10And11 = 0;
    for (const vd::Segment& s : dc.Segments(pen0))
        between10And11 +=
            s.from.y >= int(Y(10)) && s.to.y >= int(Y(10)) && s.from.y <= int(Y(11)) && s.to.y <= int(Y(11));
    EXPECT_EQ(between10And11, 159 + 2);
}
