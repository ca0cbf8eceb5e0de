// The 1/10 subdivided mesh: the class tables, the sub-cell corners and sizes, the members drawn
// into a RecordingDc (plain and over the relief), the lakes, 湖沼ｺｰﾄﾞ.dat and the lake labels.
#include "layers/render/LayerRenderer.h"
#include "layers/render/meshes/LakeCodeFile.h"
#include "layers/render/meshes/SubdividedCells.h"
#include "layers/render/meshes/SubdividedClasses.h"
#include "meshcode/ReliefGrid.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Cp932.h"
#include "tests/layers/render/LayerFixtures.h"
#include "tests/layers/render/MeshFixtures.h"
#include "tests/layers/render/PointFixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>

namespace {

using namespace layers_test;
using meshes::SubdividedColour;
using meshes::SubdividedStyle;


constexpr vd::COLORREF kPaddy = vd::RGB(255, 255, 0);
constexpr vd::COLORREF kForest = vd::RGB(0, 130, 0);
constexpr vd::COLORREF kWater = vd::RGB(0, 255, 255);
constexpr vd::COLORREF kGolf = vd::RGB(0, 255, 0);
constexpr vd::COLORREF kSea = vd::RGB(0, 0, 255);

std::optional<vd::COLORREF> LandUse(const std::string& flags, char code, bool forest = false, int item = 0)
{
    return SubdividedColour({meshes::kLandUseGroup, meshes::LandUseItem(flags, item), flags, forest, false}, code);
}

TEST(SubdividedClasses, LandUseByFlagTextAndForestFlag)
{
    // All classes: forests by the forest flag, the sea never, unknown characters unpainted.
    EXPECT_EQ(LandUse("100000000000", '1'), kPaddy);
    EXPECT_EQ(LandUse("100000000000", 'C'), kWater);
    EXPECT_EQ(LandUse("100000000000", '5'), std::nullopt);
    EXPECT_EQ(LandUse("100000000000", '5', true), kForest);
    EXPECT_EQ(LandUse("100000000000", 'F', true), std::nullopt);
    for (const char unknown : {'0', 'H', 'a', ' ', '\0'})
        EXPECT_EQ(LandUse("100000000000", unknown, true), std::nullopt) << unknown;
    // Digits 1 and 11: 田 and ゴルフ場 only.
    EXPECT_EQ(meshes::LandUseItem("010000000001", 0), meshes::kSelectedLandUse);
    EXPECT_EQ(LandUse("010000000001", '1'), kPaddy);
    EXPECT_EQ(LandUse("010000000001", 'G'), kGolf);
    EXPECT_EQ(LandUse("010000000001", '2'), std::nullopt);
    EXPECT_EQ(LandUse("010000000001", 'F'), std::nullopt);
    // Digit 3 alone: only "5", in (0, 130, 0), whatever the forest flag.
    EXPECT_EQ(meshes::LandUseItem("0001", 0), 3); // missing digits read "0"
    EXPECT_EQ(LandUse("000100000000", '5', false), kForest);
    EXPECT_EQ(LandUse("000100000000", '1', true), std::nullopt);
    // The sea only as the single item.
    EXPECT_EQ(LandUse("000000000010", 'F'), kSea);
    EXPECT_EQ(LandUse("000000000110", 'F'), std::nullopt);
    // No digit set keeps the item as passed.
    EXPECT_EQ(meshes::LandUseItem("000000000000", 7), 7);

    // Over the relief, several classes take their own colours; a single item keeps its colour.
    const SubdividedStyle relief{meshes::kLandUseGroup, 0, "1", true, true};
    EXPECT_EQ(SubdividedColour(relief, 'A'), vd::RGB(140, 0, 255));
    EXPECT_EQ(SubdividedColour(relief, '5'), vd::RGB(0, 150, 0));
    EXPECT_EQ(SubdividedColour({meshes::kLandUseGroup, 3, "", false, true}, '5'), kForest);
}

TEST(SubdividedClasses, DesignatedAreasAndBasins)
{
    const auto designated = [](int kind, char c) { return SubdividedColour({meshes::kDesignatedGroup, kind, {}}, c); };
    EXPECT_EQ(designated(0, '0'), std::nullopt);
    EXPECT_EQ(designated(0, '4'), vd::RGB(255, 128, 255));
    EXPECT_EQ(designated(1, '4'), vd::RGB(0, 0, 255));
    EXPECT_EQ(designated(0, '5'), std::nullopt);
    EXPECT_EQ(designated(2, '5'), vd::RGB(0, 255, 0));
    EXPECT_EQ(designated(2, '7'), std::nullopt);
    EXPECT_EQ(designated(3, '9'), vd::RGB(255, 255, 0));
    EXPECT_EQ(designated(4, '1'), kForest);
    EXPECT_EQ(designated(4, 'X'), std::nullopt);
    EXPECT_EQ(designated(5, '1'), std::nullopt);

    const auto basin = [](int item, char c) { return SubdividedColour({meshes::kBasinGroup, item, {}}, c); };
    EXPECT_EQ(basin(0, ' '), std::nullopt);
    EXPECT_EQ(basin(0, '3'), kGolf);
    EXPECT_EQ(basin(0, '0'), kWater);
    EXPECT_EQ(basin(1, '0'), kWater);
    EXPECT_EQ(basin(1, '1'), std::nullopt);
    EXPECT_EQ(basin(2, '1'), kGolf);
    EXPECT_EQ(basin(2, '0'), std::nullopt);
}

TEST(SubdividedClasses, ColumnsOfEachGroup)
{
    EXPECT_EQ(meshes::LandUseColumn("c:\\ksj\\(l03-03m_)"), 109u);
    EXPECT_EQ(meshes::LandUseColumn("c:\\ksj\\(L03-62M_)"), 116u);
    EXPECT_EQ(meshes::LandUseColumn("c:\\ksj\\(l03-51m_)"), 137u);
    EXPECT_EQ(meshes::LandUseColumn("c:\\ksj\\(l03-6"), 109u);
    EXPECT_EQ(meshes::SubdividedColumn(meshes::kLandUseGroup, 0, 116, 99), 215u);
    EXPECT_EQ(meshes::SubdividedColumn(meshes::kDesignatedGroup, 3, 0, 2), 168u + 10 + 3);
    EXPECT_EQ(meshes::SubdividedColumn(meshes::kBasinGroup, 0, 0, 2), 36u);

    const int columns[] = {0, 4, 9, 13, 18, 22, 27, 31, 36, 40};
    for (int j = 0; j < 100; ++j) {
        const meshcode::MeshCorner c = meshes::SubCellCorner({1000, 2000}, j);
        EXPECT_EQ(c, (meshcode::MeshCorner{1000 + (j / 10) * 3, 2000 + columns[j % 10]})) << j;
    }
}

std::string LandUseRecord(const std::string& code, const std::string& classes, std::size_t column = 109)
{
    return MeshRecord(code).Put(column, classes).Size(column + 100);
}

class SubdividedMeshes : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.WriteLines("Msh_prft.dat", {"5339=25"});
        std::filesystem::remove_all(folder.LinuxPath() / "TEMP");
    }
    CLayerRenderer& Renderer(const std::string& dataSet, float scale = 1.0f, int detail = 3)
    {
        renderer.emplace(dc, Mesh5339Params(dataSet, folder.Windows(), detail, 900, scale));
        return *renderer;
    }
    std::string Write(const std::string& name, const std::vector<std::string>& rawLines)
    {
        folder.WriteBytes(name, FileBytes(rawLines));
        return folder.Windows() + name;
    }
    std::vector<Fill> Fills() const
    {
        std::vector<Fill> fills;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == vd::DrawOp::FillSolidRect && c.op.rect.left < 700)
                fills.push_back({c.op.rect, c.op.colour});
        return fills;
    }

    LayerFolder folder;
    vd::RecordingDc dc;
    std::optional<CLayerRenderer> renderer;
};

TEST_F(SubdividedMeshes, LandUseSubCellsInTheirClassColours)
{
    // Sub-cells 0 and 1 paddy, 10 water, 99 golf, the rest unknown ("0"). Rectangles are 9 x 6
    // at one pixel a second, top-left at the sub-cell's south-west corner.
    std::string classes(100, '0');
    classes[0] = classes[1] = '1';
    classes[10] = 'B';
    classes[99] = 'G';
    // The last record lies on the north limit: skipped.
    Write("l03-03m_25.txt", {"H", LandUseRecord(Cell5339(0, 0, 0, 0), classes), LandUseRecord("54390000", classes)});
    const int result =
        Renderer(folder.Windows() + "(l03-03m_25.txt)").DrawSubdividedMesh(-1, 0, 0, "100000000000", 0, 0, WholeCountry());
    EXPECT_GT(result, 0);
    const int y = kMeshNorth - kMeshSouth;
    EXPECT_EQ(Painted(Fills()), Painted({{{0, y, 9, y + 6}, kPaddy},
                                         {{4, y, 13, y + 6}, kPaddy},
                                         {{0, y - 3, 9, y + 3}, kWater},
                                         {{40, y - 27, 49, y - 21}, kGolf}}));

    // Designated areas, kind 1 at 168 + 5j + 1; basins at 20 + 8j.
    dc.Clear();
    MeshRecord both(Cell5339(0, 0, 0, 0));
    both.Size(700).Put(168 + 5 * 3 + 1, "4").Put(168 + 5 * 4 + 1, "0").Put(20 + 8 * 5, "0").Put(20 + 8 * 6, "2");
    Write("a10-xxxx25.txt", {both});
    Renderer(folder.Windows() + "(a10-xxxx)").DrawSubdividedMesh(-1, 10, 1, "", 0, 0, WholeCountry());
    EXPECT_EQ(Fills(), (std::vector<Fill>{{{13, y, 22, y + 6}, vd::RGB(0, 0, 255)}}));
    dc.Clear();
    Renderer(folder.Windows() + "(a10-xxxx)").DrawSubdividedMesh(-1, 1020, 0, "", 0, 0, WholeCountry());
    EXPECT_EQ(Fills(), (std::vector<Fill>{{{22, y, 31, y + 6}, kWater}, {{27, y, 36, y + 6}, kGolf}}));
}

TEST_F(SubdividedMeshes, SizeBySubCellScale)
{
    const std::string path = Write("l03-03m_25.txt", {LandUseRecord(Cell5339(0, 0, 0, 0), "1")});
    // trunc(0.2 x 4.5) = 0: at full detail rectangles trunc(1.8) x trunc(1.2); below it, or
    // when the width is 0, two pixels side by side.
    Renderer(folder.Windows() + "(l03-03m_25)", 0.2f).DrawSubdividedMesh(-1, 0, 0, "1", 0, 0, WholeCountry());
    ASSERT_FALSE(Fills().empty());
    EXPECT_EQ(Fills().front().rect, (vd::Rect{0, 480, 1, 481}));
    for (const auto& [scale, detail] : {std::pair{0.2f, 2}, std::pair{0.1f, 3}}) {
        dc.Clear();
        Renderer(folder.Windows() + "(l03-03m_25)", scale, detail).DrawSubdividedMesh(-1, 0, 0, "1", 0, 0, WholeCountry());
        std::vector<vd::Point> pixels;
        for (const vd::RecordedCall& c : dc.Calls())
            if (c.op.kind == vd::DrawOp::SetPixel)
                pixels.push_back(c.op.points.empty() ? vd::Point{c.op.rect.left, c.op.rect.top} : c.op.points[0]);
        const int y = int(float(kMeshNorth - kMeshSouth) * scale);
        EXPECT_EQ(pixels, (std::vector<vd::Point>{{0, y}, {1, y}})) << scale << " " << detail;
    }
}

TEST_F(SubdividedMeshes, ReliefFormShadesBySubCellLevel)
{
    // Without RELIEF.DAT: level 0, the relief form's own colours (その他の用地 (140, 0, 255)).
    Write("l03-03m_25.txt", {LandUseRecord(Cell5339(0, 0, 0, 0), "AA")});
    const std::string set = folder.Windows() + "(l03-03m_25)";
    EXPECT_GT(Renderer(set).DrawSubdividedMeshRelief(-1, 0, 0, "100000000000", 0, 0, WholeCountry()), 0);
    const vd::COLORREF other = vd::RGB(140, 0, 255);
    const int y = kMeshNorth - kMeshSouth;
    EXPECT_EQ(Painted(Fills()), Painted({{{0, y, 9, y + 6}, other}, {{4, y, 13, y + 6}, other}}));

    // Byte 0 of the grid is level 7 (sub-cell 0); sub-cell 1 (4 seconds east) reads the same
    // point of the 4 x 4 grid, since 4 x 4 / 45 is 0.
    std::filesystem::create_directories(folder.LinuxPath() / "TEMP");
    std::string bytes(102400, '\0');
    bytes[0] = 37;
    folder.WriteBytes("TEMP/RELIEF.DAT", bytes);
    dc.Clear();
    Renderer(set).DrawSubdividedMeshRelief(-1, 0, 0, "100000000000", 0, 0, WholeCountry());
    const vd::COLORREF shaded = meshcode::ReliefShade(other, 7);
    EXPECT_EQ(Painted(Fills()), Painted({{{0, y, 9, y + 6}, shaded}, {{4, y, 13, y + 6}, shaded}}));
}

// A lake record: slots from column 33, six characters each, digits from column 87.
std::string LakeRecord(const std::string& code, const std::vector<std::pair<int, std::string>>& slots,
                       const std::string& digits, const std::string& prefecture = "25")
{
    MeshRecord record(code);
    record.Size(190).Put(20, prefecture).Put(87, digits);
    for (const auto& [slot, lake] : slots)
        record.Put(std::size_t(33 + 6 * (slot - 1)), lake);
    return record;
}

std::string LakeAttribute(const std::string& code, const std::string& nameCp932, int elevation)
{
    std::string line = "D    " + code + "  " + nameCp932;
    line.resize(46, ' ');
    return line + vd::format("%4d", elevation);
}

std::string ReadAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(SubdividedMeshes, LakeCodeFileBesideTheDataFileInADottedFolder)
{
    const LayerFolder dotted("x.local/share/ksj");
    const std::string blank = vd::utf8ToCp932("　");
    const std::string name = vd::utf8ToCp932("琵琶湖");
    dotted.WriteBytes("w09-lake.txt", FileBytes({"H", "D    1234567  AB" + blank + "CD", LakeAttribute("6012345", name + blank, 85)}));
    std::string codeFile = Renderer("").BuildLakeCodeFile(dotted.Windows() + "w09-lake.txt");
    EXPECT_EQ(codeFile, dotted.Windows() + "w湖沼ｺｰﾄﾞ.dat");
    EXPECT_EQ(ReadAll(dotted.LinuxPath() / "w湖沼ｺｰﾄﾞ.dat"), "1234567AB 0\r\n6012345" + name + " 85\r\n");
    // Labels by mode: the line's first 6 characters match the slot's code.
    EXPECT_EQ(meshes::LakeLabelLines(codeFile, "123456", 1), (std::vector<std::string>{"AB"}));
    EXPECT_EQ(meshes::LakeLabelLines(codeFile, "601234", 2), (std::vector<std::string>{"85m"}));
    EXPECT_EQ(meshes::LakeLabelLines(codeFile, "601234", 3), (std::vector<std::string>{"琵琶湖", "85m"}));
    EXPECT_EQ(meshes::LakeLabelLines(codeFile, "601234", 4), (std::vector<std::string>{"琵琶湖 85m", "601234"}));
    EXPECT_TRUE(meshes::LakeLabelLines(codeFile, "999999", 3).empty());

    // An existing file is never rebuilt; a short name is replaced whole.
    dotted.WriteBytes("w09-lake.txt", FileBytes({"D    7654321  XY"}));
    EXPECT_EQ(Renderer("").BuildLakeCodeFile(dotted.Windows() + "w09-lake.txt"), codeFile);
    EXPECT_EQ(ReadAll(dotted.LinuxPath() / "w湖沼ｺｰﾄﾞ.dat").substr(0, 7), "1234567");
    EXPECT_EQ(meshes::LakeCodeFileName("c:\\a.b\\lake.txt"), "c:\\a.b\\湖沼ｺｰﾄﾞ.dat");
    EXPECT_EQ(meshes::LakeCodeFileName("c:\\a.b\\W09-05_lakes"), "c:\\a.b\\W09-0湖沼ｺｰﾄﾞ.dat");

    // No data file: no lake-code file either, so a later call can build it.
    const LayerFolder empty("y.local/ksj");
    Renderer("").BuildLakeCodeFile(empty.Windows() + "w09-lake.txt");
    EXPECT_TRUE(std::filesystem::is_empty(empty.LinuxPath()));
}

TEST_F(SubdividedMeshes, LakesPaintTheirSlotsAndLabelEachLakeOnce)
{
    // Slots 2 and 5 in use (slot 1's number reads 0): digits 2 and 5 are painted, 0 and 1 not.
    std::string digits(100, '0');
    digits[0] = '2';
    digits[1] = '5';
    digits[2] = '1';
    std::string second(100, '0');
    second[10] = '1';
    const std::string data = Write(
        "w09-lake.txt",
        {"H", LakeRecord(Cell5339(0, 0, 0, 0), {{1, "110000"}, {2, "120001"}, {5, "130002"}}, digits),
         LakeRecord(Cell5339(0, 0, 0, 1), {{1, "140003"}}, second), LakeRecord(Cell5339(0, 0, 0, 2), {{1, "150004"}}, second, "26"),
         LakeAttribute("1200011", "AB" + vd::utf8ToCp932("　"), 25), LakeAttribute("1400031", "CD", 30)});
    std::string flags = "0|";
    for (int i = 1; i < 48; ++i)
        flags += i == 25 ? "1|" : "0|";
    EXPECT_GT(Renderer(data).DrawSubdividedLakes(-1, 30, 3, 0, 0, flags), 0);
    const int y = kMeshNorth - kMeshSouth;
    EXPECT_EQ(Fills(), (std::vector<Fill>{{{0, y, 9, y + 6}, kSea}, {{4, y, 13, y + 6}, kSea}, {{45, y - 3, 54, y + 3}, kSea}}));
    // Each lake at its first sub-cell, the last one at full detail too.
    const auto texts = dc.Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "AB");
    EXPECT_EQ(texts[0].at, (vd::Point{0, y}));
    EXPECT_EQ(texts[1].text, "25m");
    EXPECT_EQ(texts[1].at, (vd::Point{0, y + 10}));
    EXPECT_EQ(texts[2].text, "CD");
    EXPECT_EQ(texts[2].at, (vd::Point{45, y - 3}));

    // Thousands digit 3: no legend, -1; a missing data file: -1.
    dc.Clear();
    EXPECT_EQ(Renderer(data).DrawSubdividedLakes(-1, 3030, 0, 0, 0, ""), -1);
    EXPECT_EQ(Fills().size(), 4u); // every prefecture without a flag text
    EXPECT_EQ(Renderer(folder.Windows() + "none.txt").DrawSubdividedLakes(-1, 30, 0, 0, 0, ""), -1);
}

} // namespace
