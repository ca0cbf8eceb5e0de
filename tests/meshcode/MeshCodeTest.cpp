#include "meshcode/MeshCode.h"
#include "meshcode/MeshPrefectureFile.h"
#include "meshcode/WideAreaBlock.h"
#include "tests/layers/render/LayerFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace meshcode;

TEST(MeshCode, CornersOfTheThreeLevels)
{
    EXPECT_EQ(MeshCodeToSeconds("5339"), (MeshCorner{127200, 500400}));
    EXPECT_EQ(MeshCodeToSeconds("533945"), (MeshCorner{127200 + 1200, 500400 + 2250}));
    EXPECT_EQ(MeshCodeToSeconds("53394529"), (MeshCorner{127200 + 1200 + 60, 500400 + 2250 + 405}));
    EXPECT_EQ(FirstMeshCorner("53394529"), (MeshCorner{127200, 500400}));
    // A damaged code reads its digits by the leading-digits rule.
    EXPECT_EQ(FirstMeshCorner("x3"), (MeshCorner{0, 360000}));
    EXPECT_EQ(FirstMeshCorner(""), (MeshCorner{0, 360000}));
}

TEST(MeshCode, OverlapCountsTouchingEdges)
{
    // 5339: latitude 127200-129600, longitude 500400-504000.
    struct Case {
        int west, north, east, south;
        bool overlaps;
    } cases[] = {
        {500400, 129600, 504000, 127200, true}, // the cell itself
        {504000, 140000, 510000, 100000, true}, // touching on the east edge
        {504001, 140000, 510000, 100000, false},
        {490000, 127200, 510000, 120000, true}, // touching on the south edge
        {490000, 127199, 510000, 120000, false},
        {490000, 140000, 500399, 100000, false},
        {490000, 140000, 510000, 129601, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstMeshOverlaps(c.west, c.north, c.east, c.south, -1, -1, "5339"), c.overlaps)
            << c.west << " " << c.north << " " << c.east << " " << c.south;
    // A corner given explicitly wins over the code.
    EXPECT_TRUE(FirstMeshOverlaps(0, 2400, 3600, 0, 0, 0, "5339"));
}

TEST(MeshCode, SecondMeshOriginAndCellSizeText)
{
    EXPECT_EQ(SecondMeshOrigin(1, 0, "533945"), "200|128400|502650");
    EXPECT_EQ(SecondMeshOrigin(0, 1, "533945"), "400|127800|502650");
    EXPECT_EQ(SecondMeshOrigin(2, 0, "533945"), "400|128400|502200");
    EXPECT_EQ(CellSizeText(1, 10.0f, 20.0f, 0.5f, 0.5f, "5339"), "23000/16000/12000/5000");
    EXPECT_EQ(CellSizeText(9, 10.0f, 20.0f, 0.5f, 0.5f, "5339"), "23000/16000/11000/7000");
    EXPECT_EQ(CellSizeText(9, 10.0f, 20.0f, 0.5f, 0.5f, "6339"), "23000/16000/11000/8000");
}

WideAreaBlock Block(int kind, int mode, int blockMode, std::string_view name, std::string_view code = "5339")
{
    return {kind, mode, blockMode, name, code, code, code};
}

std::vector<std::string> Cells(const WideAreaBlock& block, int count)
{
    std::vector<std::string> cells;
    for (int n = 0; n < count; ++n)
        cells.push_back(BlockCellMeshCode(block, n));
    return cells;
}

TEST(WideAreaBlock, CellCounts)
{
    struct Case {
        WideAreaBlock block;
        int cells;
        int mode;
        bool fullDetail;
    } cases[] = {
        {Block(0, -1, 0, ""), 1, 1, true}, {Block(0, 2, 0, ""), 9, 2, false},
        {Block(0, 3, 0, ""), 4, 3, false}, {Block(0, 7, 0, ""), 1, 7, false},
        {Block(1, 0, 1, "広域5"), 1, 0, false}, {Block(2, 0, 2, "広域5"), 25, 0, false},
        {Block(1, 0, 2, "広域5_7"), 49, 0, false}, {Block(2, 0, 2, "広域3"), 9, 0, false},
        {Block(2, 0, 2, "東京"), 1, 0, false}, {Block(3, 21, 0, ""), 1, 21, true},
        {Block(4, 0, 0, ""), 1, 0, true}, {Block(5, 0, 0, ""), 1, 0, false},
    };
    for (const Case& c : cases) {
        const BlockCount count = BlockCellCount(c.block);
        EXPECT_EQ(count.cells, c.cells) << c.block.areaKind << " " << c.block.wideAreaName;
        EXPECT_EQ(count.wideAreaMode, c.mode);
        EXPECT_EQ(count.fullDetail, c.fullDetail);
    }
}

TEST(WideAreaBlock, CellCodesRowByRowFromTheNorthWest)
{
    EXPECT_EQ(Cells(Block(0, 2, 0, ""), 9),
              (std::vector<std::string>{"5537", "5538", "5539", "5437", "5438", "5439", "5337", "5338", "5339"}));
    EXPECT_EQ(Cells(Block(0, 3, 0, ""), 4), (std::vector<std::string>{"5438", "5439", "5338", "5339"}));
    const auto wide3 = Cells(Block(1, 0, 2, "広域3"), 9);
    EXPECT_EQ(wide3.front(), "5438");
    EXPECT_EQ(wide3.back(), "5240");
    const auto wide5 = Cells(Block(2, 0, 2, "広域5"), 25);
    EXPECT_EQ(wide5.front(), "5537");
    EXPECT_EQ(wide5.back(), "5141");
    const auto wide7 = Cells(Block(2, 0, 2, "広域5_7"), 49);
    EXPECT_EQ(wide7.front(), "5636");
    EXPECT_EQ(wide7.back(), "5042");
    // No rule: the single cells and a named block drawn as one mesh.
    EXPECT_EQ(BlockCellMeshCode(Block(0, 1, 0, ""), 0), "");
    EXPECT_EQ(BlockCellMeshCode(Block(1, 0, 1, "広域3"), 0), "");
    EXPECT_EQ(WhiteBlockCellCode(9, 5339, 0, "5339"), "5438");
    EXPECT_EQ(WhiteBlockCellCode(25, 5339, 24, "5339"), "5141");
    EXPECT_EQ(WhiteBlockCellCode(1, 5339, 0, "5339x"), "5339x");
}

TEST(WideAreaBlock, GeometryRows)
{
    using V = std::array<int, 8>;
    struct Case {
        WideAreaBlock block;
        V values;
        int mode;
        bool fullDetail;
    } cases[] = {
        {Block(0, -1, 0, ""), V{2, 15, 4, 45, 6, 80, 102400, 0}, 1, true},
        {Block(0, 2, 0, ""), V{2, 30, 4, 90, 6, 240, 230400, 0}, 2, false},
        {Block(0, 3, 0, ""), V{2, 15, 4, 45, 6, 160, 409600, 0}, 3, false},
        {Block(0, 5, 0, ""), V{1, 30, 1, 45, 6, 80, 6400, 1}, 5, false},
        {Block(1, 0, 1, ""), V{1, 30, 1, 45, 6, 80, 6400, 0}, 0, false},
        {Block(2, 0, 1, ""), V{1, 30, 1, 45, 6, 80, 6400, 1}, 0, false},
        {Block(1, 0, 2, "広域5"), V{1, 30, 1, 45, 6, 200, 160000, 0}, 0, false},
        {Block(2, 0, 2, "広域3"), V{1, 30, 1, 45, 6, 240, 57600, 1}, 0, false},
        {Block(2, 0, 2, "広域5_7"), V{1, 30, 1, 45, 6, 80, 1, 1}, 0, false},
        {Block(3, 1, 0, ""), V{2, 3, 20, 45, 18, 80, 40000, 1}, 0, true},
        {Block(3, 10, 0, ""), V{1, 3, 2, 9, 10, 80, 160000, 0}, 1, true},
        {Block(3, 2, 0, ""), V{2, 3, 4, 9, 18, 80, 160000, 2}, 0, true},
        {Block(4, 0, 0, ""), V{2, 15, 4, 45, 6, 80, 0, 0}, 0, true},
        {Block(9, 0, 0, ""), V{2, 15, 4, 45, 6, 80, 0, 0}, 0, false},
    };
    for (const Case& c : cases) {
        const BlockGeometryValues g = BlockGeometry(c.block);
        EXPECT_EQ(g.values, c.values) << c.block.areaKind << " " << c.block.wideAreaMode << " " << c.block.wideAreaName;
        EXPECT_EQ(g.wideAreaMode, c.mode);
        EXPECT_EQ(g.fullDetail, c.fullDetail);
    }
}

class MeshPrefectures : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.WriteLines("Msh_prft.dat", {"; mesh = prefectures", "", "5339=13 14 19", "5339=99", "5340=13  14 ",
                                           "5439=1 2 3 4 5 6 7 8 9 10 11 12", "5440=13 99 0 13 abc 14"});
    }
    std::string Path() const { return folder.Windows() + "Msh_prft.dat"; }
    layers_test::LayerFolder folder;
};

TEST_F(MeshPrefectures, TheMunicipalityRuleKeepsTheLastLineWhole)
{
    // The layers keep the first line of a repeated code and ten codes; the municipality drawing
    // the last line and all of its codes.
    EXPECT_EQ(ReadMeshPrefectureLine(Path(), "5339", kMunicipalityPrefectureRule), (std::vector<std::string>{"99"}));
    EXPECT_EQ(ReadMeshPrefectureLine(Path(), "5439", kMunicipalityPrefectureRule).size(), 12u);
    MeshPrefectureTable table(kMunicipalityPrefectureRule);
    EXPECT_EQ(table.cell(Path(), "5340"), (std::vector<std::string>{"13", "", "14"}));
    EXPECT_EQ(table.cell(Path(), "5339"), (std::vector<std::string>{"99"}));
}

TEST_F(MeshPrefectures, LinesSplitAtSingleBlanks)
{
    EXPECT_EQ(ReadMeshPrefectureLine(Path(), "5339"), (std::vector<std::string>{"13", "14", "19"}));
    EXPECT_EQ(ReadMeshPrefectureLine(Path(), "5340"), (std::vector<std::string>{"13", "", "14"}));
    EXPECT_EQ(ReadMeshPrefectureLine(Path(), "5439").size(), 10u);
    EXPECT_TRUE(ReadMeshPrefectureLine(Path(), "5341").empty());
    EXPECT_TRUE(ReadMeshPrefectureLine(folder.Windows() + "none.dat", "5339").empty());
    // The file's lines end with LF only, or not at all, as well.
    folder.WriteBytes("lf.dat", ";x\n5339=13 14\n5340=1");
    EXPECT_EQ(ReadMeshPrefectureLine(folder.Windows() + "lf.dat", "5339"), (std::vector<std::string>{"13", "14"}));
    EXPECT_EQ(ReadMeshPrefectureLine(folder.Windows() + "lf.dat", "5340"), (std::vector<std::string>{"1"}));
}

TEST_F(MeshPrefectures, UnselectedUnknownAndRepeatedCodesAreBlanked)
{
    std::array<int, 120> flags{};
    flags[13] = 1;
    auto codes = ReadMeshPrefectureLine(Path(), "5339");
    BlankUnselectedPrefectures(codes, flags.data());
    EXPECT_EQ(codes, (std::vector<std::string>{"13", "", ""}));
    // With the whole country every known code stays, but codes outside 1-47 and repeats go.
    flags[0] = 1;
    codes = ReadMeshPrefectureLine(Path(), "5440");
    BlankUnselectedPrefectures(codes, flags.data());
    EXPECT_EQ(codes, (std::vector<std::string>{"13", "", "", "", "", "14"}));
}

TEST(MeshPrefecturesRead, EachPrefectureOnceAndNeverMoreThanFifty)
{
    std::array<std::string, kMaxPrefecturesRead> read;
    read[0] = "stale";
    std::vector<std::string> first{"13", "14"};
    EXPECT_EQ(MarkPrefecturesRead(first, 0, read), 2);
    EXPECT_EQ(read[0], "13");
    std::vector<std::string> second{"14", "", "19"};
    EXPECT_EQ(MarkPrefecturesRead(second, 2, read), 3);
    EXPECT_EQ(second, (std::vector<std::string>{"", "", "19"}));
    EXPECT_EQ(read[2], "19");
    // A list that would run past the 50 entries stops at the last one.
    int count = 3;
    for (int i = 0; i < 10; ++i) {
        std::vector<std::string> cell;
        for (int k = 0; k < 10; ++k)
            cell.push_back(vd::format("x%d", i * 10 + k));
        count = MarkPrefecturesRead(cell, count, read);
    }
    EXPECT_EQ(count, kMaxPrefecturesRead);
}

} // namespace
