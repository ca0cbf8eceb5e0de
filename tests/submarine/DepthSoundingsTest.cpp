// The sounding points through both exports: which files are read, which points are drawn in which
// colour, what is counted, the greatest depth and the texts.
#include "SubmarineFixtures.h"

#include "contracts/ombrisk.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

using namespace submarinetest;

namespace {

constexpr int kStatusBase = 600;
// Mesh 5235 (35-36 E, 34 40'-35 20' N), one pixel every 10 arc-seconds from (10, 20).
constexpr int kWest = 135 * 3600;
constexpr int kEast = kWest + 3600;
constexpr int kSouth = 52 * 2400;
constexpr int kNorth = kSouth + 2400;

// A free-format line at whole arc-seconds (a hair inside, so that truncation keeps the second).
std::string Line(char kind, int latitudeSeconds, int longitudeSeconds, int depth)
{
    return std::string(1, kind) +
           vd::format(" %.6f %.6f %d", (latitudeSeconds + 0.1) / 3600.0, (longitudeSeconds + 0.1) / 3600.0, depth);
}

struct Pixel {
    vd::Point at;
    vd::COLORREF colour;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

class DepthSoundings : public ::testing::Test {
protected:
    void SetUp() override { depth = MakeFolder("depth"); }
    void Draw(bool fixedColumns, int method, int extent = 0, const std::string& mesh = "5235")
    {
        dc.Clear();
        auto* draw = fixedColumns ? &OnSubmarineDataT : &OnSubmarineData;
        draw(&dc, depth.win, mesh, kStatusBase, method, 10, 20, 0.1f, 0.1f, kEast, kNorth, kWest, kSouth, extent);
    }
    std::vector<Pixel> Pixels() const
    {
        std::vector<Pixel> pixels;
        for (const vd::RecordedCall& call : dc.Calls())
            if (call.op.kind == vd::DrawOp::SetPixel)
                pixels.push_back({call.op.points.at(0), call.op.colour});
        return pixels;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const vd::RecordedText& t : dc.Texts())
            texts.push_back(vd::format("%d,%d:", t.at.x, t.at.y) + t.text);
        return texts;
    }

    Folder depth;
    vd::RecordingDc dc;
};

constexpr vd::COLORREF kRed = vd::RGB(255, 0, 0);
constexpr vd::COLORREF kBlack = vd::RGB(0, 0, 0);

} // namespace

TEST_F(DepthSoundings, PointsOfTheAreaByKindAndMethod)
{
    // DP34_134 is the square one degree south-west of mesh 5235, the one file of extent 0.
    WriteBytes(depth.linux / "DP34_134.txt",
               CrLf({Line('0', kNorth, kWest, 100),             // the north-west corner: drawn
                     Line('1', kSouth, kEast, 200),             // the south-east corner
                     Line('1', kSouth + 100, kWest + 200, 300), // interpolated inside
                     Line('0', kNorth + 1, kWest + 10, 7000),   // north of the area: raises the depth only
                     "garbage"}));
    Draw(false, 2);
    EXPECT_EQ(Pixels(), (std::vector<Pixel>{{{10, 20}, kRed}, {{370, 260}, kBlack}, {{30, 250}, kBlack}}));
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "17,578:500mﾒｯｼｭ水深ﾃﾞｰﾀ(" + depth.win + "DP34_134.txt)を入力中。しばらくお待ちください！");
    EXPECT_EQ(dc.Texts()[0].colour, kRed);
    EXPECT_EQ(texts[1], "20,556:測深地点数=3  最深度=7000m");
    EXPECT_EQ(dc.Texts()[1].bkMode, vd::TRANSPARENT);
    EXPECT_EQ(dc.State().bkMode, vd::OPAQUE);

    // Method 3: only the measured point is drawn, all three are counted.
    Draw(false, 3);
    EXPECT_EQ(Pixels(), (std::vector<Pixel>{{{10, 20}, kRed}}));
    EXPECT_EQ(Texts().back(), "20,556:測深地点数=3  最深度=7000m");
}

TEST_F(DepthSoundings, ExtentChoosesTheSquareOfFiles)
{
    // No file: nothing counted, no depth.
    Draw(false, 2, 2);
    EXPECT_EQ(Texts(), std::vector<std::string>{"20,556:測深地点数=0  最深度=-9999m"});

    // Extent 2: nine squares from 34 N, 134 E; DP36_136 is the last of them, DP37_134 beyond.
    WriteBytes(depth.linux / "DP36_136.txt", CrLf({Line('0', kSouth + 10, kWest + 10, 50)}));
    WriteBytes(depth.linux / "DP37_134.txt", CrLf({Line('0', kSouth + 20, kWest + 20, 60)}));
    Draw(false, 2, 2);
    EXPECT_EQ(Texts().back(), "20,556:測深地点数=1  最深度=50m");
    Draw(false, 2, 0);
    EXPECT_EQ(Texts().back(), "20,556:測深地点数=0  最深度=-9999m");
}

TEST_F(DepthSoundings, FixedColumnsTwin)
{
    // kind at 0, latitude 3-10, longitude 12-20, depth 22-26; the twin writes no status line.
    const std::string measured = "0  34.99000 135.50000   120";
    const std::string other = "1  35.00000 135.60000  4321";
    const std::string outside = "0  36.50000 135.60000  8000";
    WriteBytes(depth.linux / "DP34_134.txt", CrLf({measured, other, outside, ""}));
    Draw(true, 2);
    const std::vector<Pixel> expected = {
        {{10 + int(0.5f * 3600 * 0.1f), 20 + int(float(kNorth - 125964) * 0.1f)}, kRed},
        {{10 + int(0.6f * 3600 * 0.1f), 20 + int(float(kNorth - 126000) * 0.1f)}, kBlack}};
    EXPECT_EQ(Pixels(), expected);
    EXPECT_EQ(Texts(), std::vector<std::string>{"20,556:測深地点数=2  最深度=8000m"});
}
