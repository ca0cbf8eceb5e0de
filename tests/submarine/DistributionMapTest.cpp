// The distribution map of the intermediate depth files: which names count, where their frames
// go, the Japan-only filter and the count.
#include "SubmarineFixtures.h"

#include "contracts/ombrisk.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

using namespace submarinetest;
namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

class DistributionMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        depth = MakeFolder("depth");
        map = MakeFolder("map");
    }
    void Name(const std::string& name) { WriteBytes(depth.linux / "SEAFLOOR" / name, ""); }
    void Draw(int japanOnly, int graticule = 0)
    {
        dc.Clear();
        OnSbmrnMeshDistribution(&dc, 1, japanOnly, 10, 0, graticule, kHeight, kWidth, map.win, depth.win);
    }
    std::string Count() const
    {
        for (const vd::RecordedText& t : dc.Texts())
            if (t.at.x == kWidth - 450 && t.at.y == kHeight - 25)
                return t.text;
        return "none";
    }

    Folder depth, map;
    vd::RecordingDc dc;
    const vd::Pen blue{vd::PS_SOLID, 1, vd::RGB(0, 0, 255)};
    const vd::Pen grey{vd::PS_SOLID, 1, vd::RGB(150, 150, 150)};
};

} // namespace

TEST_F(DistributionMap, CountsAndFramesEveryDatNameWhateverItsCase)
{
    Draw(0);
    EXPECT_EQ(Count(), "水深データ中間ファイル数=  0");

    Name("Sf5235.dat");
    Name("SF5339.DAT");
    Name("sf5339 copy.dat"); // framed where its digits say
    Name("readme.txt");
    fs::create_directories(depth.linux / "SEAFLOOR" / "old.dat");
    Draw(0);
    EXPECT_EQ(Count(), "水深データ中間ファイル数=  3");
    const auto frames = dc.Segments(blue);
    ASSERT_EQ(frames.size(), 12u);
    const std::vector<vd::Segment> mesh5235 = {
        {{10, 382}, {35, 382}}, {{35, 382}, {35, 361}}, {{35, 361}, {10, 361}}, {{10, 361}, {10, 382}}};
    EXPECT_EQ(std::vector<vd::Segment>(frames.begin(), frames.begin() + 4), mesh5235);
    EXPECT_EQ(std::vector<vd::Segment>(frames.begin() + 4, frames.begin() + 8),
              std::vector<vd::Segment>(frames.begin() + 8, frames.end()));
}

TEST_F(DistributionMap, JapanOnlyLeavesOutCornersAndKeepsThePenDown)
{
    Name("Sf7540.dat"); // its north edge beyond 50 N
    Name("Sf5314.dat"); // its west edge west of 115 E
    Draw(1, 1);
    const auto frames = dc.Segments(blue);
    ASSERT_EQ(frames.size(), 3u);
    // Listed in name order. 5314: only its east edge, upwards.
    EXPECT_GT(frames[0].from.y, frames[0].to.y);
    // 7540: south-west, south-east and back to the south-west.
    EXPECT_EQ(frames[1].to, frames[2].from);
    EXPECT_EQ(frames[2].to, frames[1].from);

    // The parallels run from 118 to 150 E.
    const auto graticule = dc.Segments(grey);
    ASSERT_EQ(graticule.size(), 28u);
    const vd::Segment parallel50 = graticule[6];
    EXPECT_EQ(parallel50.from.y, parallel50.to.y);
    EXPECT_EQ(parallel50.from.x, 10 + int((1180000 - 1350000) * double(0.0031f) / double(1.5514046f)));
    EXPECT_EQ(parallel50.to.x, 10 + int((1500000 - 1350000) * double(0.0031f) / double(1.5514046f)));

    Draw(0, 1);
    EXPECT_EQ(dc.Segments(blue).size(), 8u);
    EXPECT_EQ(dc.Segments(grey)[6].from.x, 10 + int((1000000 - 1350000) * double(0.0031f) / double(1.5514046f)));
}

TEST_F(DistributionMap, MoreThanAThousandNamesAreAllCounted)
{
    for (int i = 0; i < 1001; ++i)
        Name(vd::format("Sf%04d.dat", 5000 + i));
    Draw(0);
    EXPECT_EQ(Count(), "水深データ中間ファイル数=1001");
    EXPECT_EQ(dc.Segments(blue).size(), 4004u);
}
