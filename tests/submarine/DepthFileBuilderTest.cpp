// The depth-file builder through its export: the intermediate files it writes from small depth
// folders, byte for byte, and the overview, status lines and list it draws meanwhile.
#include "SubmarineFixtures.h"

#include "contracts/ombrisk.h"
#include "platform/dc/RecordingDc.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace submarinetest;
namespace fs = std::filesystem;

namespace {

constexpr int kStatusBase = 600;
constexpr int kOriginX = 10;

// Rows 160 and 161 of the block (the top rows of mesh 5235), across the mesh's 160 columns:
// depth 100 + column and 300 + column.
std::vector<std::string> TwoRowsOfMesh5235()
{
    std::vector<std::string> lines;
    for (int row = 160; row <= 161; ++row)
        for (int column = 160; column < 320; ++column)
            lines.push_back(CellLine(kBlock34_134, row, column, (row == 160 ? 100 : 300) + column - 160));
    return lines;
}

// What the file of mesh 5235 holds for those soundings: the two rows, then the third row filled
// from the second (its first cell has neither west nor north-west data and stays empty).
std::string ExpectedMesh5235()
{
    std::array<std::int16_t, 160 * 160> cells{};
    for (int c = 0; c < 160; ++c) {
        cells[c] = std::int16_t(100 + c);
        cells[160 + c] = std::int16_t(300 + c);
        if (c > 0)
            cells[320 + c] = std::int16_t(300 + c);
    }
    std::string bytes;
    for (std::int16_t v : cells) {
        bytes.push_back(char(v & 0xFF));
        bytes.push_back(char((v >> 8) & 0xFF));
    }
    return bytes;
}

// Isolated soundings in mesh 5235 (every other column, rows 10 apart), which the gap fill leaves.
std::vector<std::string> IsolatedCells(int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(CellLine(kBlock34_134, 170 + 10 * (i / 80), 160 + 2 * (i % 80), 50));
    return lines;
}

class DepthFileBuilder : public ::testing::Test {
protected:
    void SetUp() override
    {
        depth = MakeFolder("depth");
        map = MakeFolder("map");
        // Two short lines: the coast and the border.
        auto record = [](std::int32_t a, std::int32_t b) {
            std::string r(8, '\0');
            for (int i = 0; i < 4; ++i) {
                r[i] = char((a >> (8 * i)) & 0xFF);
                r[4 + i] = char((b >> (8 * i)) & 0xFF);
            }
            return r;
        };
        WriteBytes(map.linux / "BN_JMAPA.DAT", record(350000, 1350000) + record(360000, 1360000));
        WriteBytes(map.linux / "FEBORDER.DAT", record(400000, 1300000) + record(410000, 1310000));
    }
    void Build(int region = 1) { OnSubmarineMeshDataFile(&dc, depth.win, map.win, region, kStatusBase, 800, kOriginX, 0); }
    std::vector<std::string> SeaFloorNames() const
    {
        std::vector<std::string> names;
        for (const auto& folder : fs::directory_iterator(depth.linux)) {
            std::string name = folder.path().filename().string();
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            if (name != "seafloor" || !folder.is_directory())
                continue;
            for (const auto& entry : fs::directory_iterator(folder.path()))
                names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<vd::RecordedText> TextsAt(int x, int y) const
    {
        std::vector<vd::RecordedText> found;
        for (const vd::RecordedText& t : dc.Texts())
            if (t.at.x == x && t.at.y == y)
                found.push_back(t);
        return found;
    }

    Folder depth, map;
    vd::RecordingDc dc;
    const vd::Pen blue{vd::PS_SOLID, 1, vd::RGB(0, 0, 255)};
    const vd::Pen grey{vd::PS_SOLID, 1, vd::RGB(150, 150, 150)};
    const vd::Pen orange{vd::PS_SOLID, 1, vd::RGB(255, 128, 0)};
};

} // namespace

TEST_F(DepthFileBuilder, WritesTheMeshFileByteForByteAndFramesIt)
{
    WriteBytes(depth.linux / "DP35_135.txt", CrLf(TwoRowsOfMesh5235()));
    const vd::Pen before = dc.State().pen;
    Build();

    // The builder makes SEAFLOOR\ when the folder lacks it.
    ASSERT_EQ(SeaFloorNames(), std::vector<std::string>{"Sf5235.dat"});
    EXPECT_EQ(ReadBytes(depth.linux / "SEAFLOOR" / "Sf5235.dat"), ExpectedMesh5235());

    // Mesh 5235 from (346666, 1350000) to (353332, 1360000), on the overview.
    const std::vector<vd::Segment> frame = {
        {{10, 382}, {35, 382}}, {{35, 382}, {35, 361}}, {{35, 361}, {10, 361}}, {{10, 361}, {10, 382}}};
    EXPECT_EQ(dc.Segments(blue), frame);
    // Four meridians of six pieces and four parallels (30 N twice) from 100 to 160 E.
    const auto graticule = dc.Segments(grey);
    ASSERT_EQ(graticule.size(), 28u);
    EXPECT_EQ(std::count(graticule.begin(), graticule.end(), graticule.back()), 2);
    EXPECT_EQ(dc.Segments(orange).size(), 1u);
    EXPECT_EQ(dc.State().pen, before);

    const std::string path = depth.win + "DP35_135.txt";
    ASSERT_FALSE(TextsAt(10, 5).empty());
    EXPECT_EQ(TextsAt(10, 5).front().text, "水深ﾃﾞｰﾀ (File No.1  " + path + ")");
    EXPECT_EQ(TextsAt(10, 5).front().colour, vd::RGB(255, 0, 0));
    EXPECT_EQ(TextsAt(440, kStatusBase - 22).front().text,
              "500mﾒｯｼｭ水深ﾃﾞｰﾀを入力中。しばらくお待ちください！  (No.  1)");
    const auto list = TextsAt(20, 41);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "No.1 Sf5235.dat");
    EXPECT_EQ(list[0].colour, vd::RGB(0, 0, 0));
    EXPECT_EQ(TextsAt(10, 23).front().text, "   （水深中間ﾌｧｲﾙの範囲：青枠線)");
    // The next block that reads the file announces the next file number.
    EXPECT_EQ(TextsAt(440, kStatusBase - 22).back().text,
              "500mﾒｯｼｭ水深ﾃﾞｰﾀを入力中。しばらくお待ちください！  (No.  2)");
}

TEST_F(DepthFileBuilder, AMeshNeedsMoreThan160DataCellsAndAnOlderFileOtherwiseStays)
{
    fs::create_directories(depth.linux / "SeaFloor");
    WriteBytes(depth.linux / "SeaFloor" / "Sf5235.dat", "older");
    // Lines the reader passes over do not count.
    std::vector<std::string> lines = IsolatedCells(160);
    lines.insert(lines.begin() + 5, {"rubbish", "1 35.1 135.1", "1 35.1 135.1 0", ""});
    WriteBytes(depth.linux / "DP35_135.txt", CrLf(lines));
    Build();
    EXPECT_EQ(ReadBytes(depth.linux / "SeaFloor" / "Sf5235.dat"), "older");
    EXPECT_TRUE(dc.Segments(blue).empty());

    // One more, with LF line ends: the file is written into the folder as it is named on disk.
    WriteBytes(depth.linux / "DP35_135.txt", CrLf(lines) + CellLine(kBlock34_134, 300, 160, 50) + "\n");
    Build();
    const std::string bytes = ReadBytes(depth.linux / "SeaFloor" / "Sf5235.dat");
    ASSERT_EQ(bytes.size(), 51200u);
    EXPECT_EQ(bytes.substr(10 * 320, 2), std::string("\x32\x00", 2));
    EXPECT_EQ(bytes.substr(140 * 320, 2), std::string("\x32\x00", 2));
    EXPECT_EQ(SeaFloorNames(), std::vector<std::string>{"Sf5235.dat"});
    EXPECT_FALSE(fs::exists(depth.linux / "SEAFLOOR"));
}

TEST_F(DepthFileBuilder, AFileNotWrittenIsNeitherListedNorFramed)
{
    WriteBytes(depth.linux / "DP35_135.txt", CrLf(TwoRowsOfMesh5235()));
    // A write cut short keeps the older file.
    fs::create_directories(depth.linux / "SEAFLOOR");
    WriteBytes(depth.linux / "SEAFLOOR" / "Sf5235.dat", "older");
    {
        testsupport::FileSizeLimit limit(1024);
        Build();
    }
    EXPECT_EQ(ReadBytes(depth.linux / "SEAFLOOR" / "Sf5235.dat"), "older");
    EXPECT_TRUE(TextsAt(20, 41).empty());
    EXPECT_TRUE(dc.Segments(blue).empty());

    // A SEAFLOOR that is no folder.
    fs::remove_all(depth.linux / "SEAFLOOR");
    WriteBytes(depth.linux / "SEAFLOOR", "not a folder");
    dc.Clear();
    Build();
    EXPECT_TRUE(TextsAt(20, 41).empty());
    EXPECT_TRUE(dc.Segments(blue).empty());
}

TEST_F(DepthFileBuilder, RegionsBuildTheirOwnBlocksOnly)
{
    WriteBytes(depth.linux / "DP35_135.txt", CrLf(TwoRowsOfMesh5235()));
    for (int region : {0, 2, 4, -1}) {
        SCOPED_TRACE(region);
        Build(region);
        EXPECT_TRUE(TextsAt(10, 5).empty());
    }
    // Nothing to write: no SEAFLOOR\ made either.
    EXPECT_FALSE(fs::exists(depth.linux / "SEAFLOOR"));
    Build(3);
    EXPECT_EQ(SeaFloorNames(), std::vector<std::string>{"Sf5235.dat"});
}
