// The block of first-level meshes, the progress box and the prefectures of a mesh.
#include "geology/GeoMeshRenderer.h"
#include "platform/dc/RecordingDc.h"
#include "tests/geology/GeoFixtures.h"

#include <gtest/gtest.h>

using namespace geology_test;

namespace {

struct BlockCase {
    int areaKind;
    int wideAreaMode;
    int blockMode;
    std::string name;
    int cells;
    std::vector<std::pair<int, std::string>> codes; // cell n, its code
};

CGeoMeshRenderer BlockOf(const BlockCase& c)
{
    CGeoMeshRenderer r;
    r.m_nAreaKind = c.areaKind;
    r.m_nWideAreaMode = c.wideAreaMode;
    r.m_nBlockMode = c.blockMode;
    r.m_strWideAreaName = c.name;
    r.m_strCentreMesh = "5339";
    r.m_strWideCentre3 = "5339";
    r.m_strWideCentre5 = "5339";
    return r;
}

} // namespace

TEST(GeoMeshBlock, CellsAndCodesOfEachBlockShape)
{
    const BlockCase cases[] = {
        {2, 0, 2, "広域5", 25, {{0, "5537"}, {12, "5339"}, {24, "5141"}}},
        {1, 0, 2, "広域3", 9, {{0, "5438"}, {4, "5339"}, {8, "5240"}}},
        // Dovanne has no block size for 広域5_7: one cell, though its codes follow the 5 x 5 rule.
        {2, 0, 2, "広域5_7", 1, {{0, "5537"}}},
        {2, 0, 1, "広域5", 1, {{0, ""}}},
        {0, 3, 1, "", 4, {{0, "5438"}, {1, "5439"}, {2, "5338"}, {3, "5339"}}},
        {0, 2, 1, "", 9, {{0, "5537"}, {8, "5339"}}},
        {0, 1, 1, "", 1, {{0, ""}}},
        {3, 10, 1, "", 1, {{0, ""}}},
        {7, 0, 2, "広域5", 1, {{0, ""}}},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "area kind " << c.areaKind << " mode " << c.wideAreaMode << " " << c.name);
        CGeoMeshRenderer r = BlockOf(c);
        EXPECT_EQ(r.CountBlockCells(), c.cells);
        for (const auto& [n, code] : c.codes)
            EXPECT_EQ(r.BlockCellCode(n), code) << "cell " << n;
    }
}

TEST(GeoMeshBlock, CountingSettlesTheModeAndTheDetail)
{
    CGeoMeshRenderer r = BlockOf({0, -1, 1, "", 1, {}});
    r.m_nDetailLevel = 2;
    EXPECT_EQ(r.CountBlockCells(), 1);
    EXPECT_EQ(r.m_nWideAreaMode, 1);
    EXPECT_EQ(r.m_nDetailLevel, 3);

    CGeoMeshRenderer quad = BlockOf({3, 10, 1, "", 1, {}});
    quad.m_nDetailLevel = 2;
    EXPECT_EQ(quad.CountBlockCells(), 1);
    EXPECT_EQ(quad.m_nDetailLevel, 3);
}

TEST(GeoMeshBlock, CellMeshCodeByQuadBlockOrCount)
{
    CGeoMeshRenderer r = BlockOf({2, 0, 2, "広域5", 25, {}});
    // The block's own rule; a cell it has no code for keeps the running code.
    EXPECT_EQ(r.CellMeshCode(25, 24, -1, 0, 0, 0, "alt", "cur"), "5141");
    r.m_nBlockMode = 1;
    EXPECT_EQ(r.CellMeshCode(1, 0, -1, 0, 0, 0, "alt", "cur"), "cur");
    // An explicit count: 3 x 3 and 5 x 5 around the base, else the alternative.
    EXPECT_EQ(r.CellMeshCode(9, 0, 9, 5339, 0, 0, "alt", "cur"), "5438");
    EXPECT_EQ(r.CellMeshCode(25, 0, 25, 5339, 0, 0, "alt", "cur"), "5537");
    r.m_nDetailLevel = 2;
    EXPECT_EQ(r.CellMeshCode(1, 0, 1, 5339, 0, 1, "alt", "cur"), "alt");
    EXPECT_EQ(r.m_nDetailLevel, 3);

    // Quad list fields 0, 2, 8 and 10; a repeated code is not drawn twice.
    EXPECT_EQ(r.ParseQuadList(9, "5339|"), 0);
    EXPECT_EQ(r.ParseQuadList(10, "5339|5340|5341|5342|5239|5240|5241|5242|5139|5140|5141|5142|5039|5040|5041|5042|"), 1);
    EXPECT_EQ(r.m_astrQuad, (std::array<std::string, 4>{"5339", "5341", "5139", "5141"}));
    EXPECT_EQ(r.CellMeshCode(4, 2, 4, 0, 1, 0, "alt", "cur"), "5139");
    EXPECT_EQ(r.CellMeshCode(4, 7, 4, 0, 1, 0, "alt", "cur"), "");
    EXPECT_EQ(r.ParseQuadList(10, "5339|5339|5339|5339|5339|5339|5339|5339|5339|5339|5339|"), 1);
    EXPECT_EQ(r.m_astrQuad, (std::array<std::string, 4>{"5339", "", "", ""}));
}

TEST(GeoMeshBlock, ProgressBoxOnARecordingDc)
{
    struct Case {
        int y;
        int show;
        std::string text;
        int i, n;
        vd::Rect box;
        int textX;
        std::string shown;
    };
    const Case cases[] = {
        {700, -1, "土壌(自然地形ﾒｯｼｭ)", 2, 9, {667, 674, 881, 696}, 674, "土壌(自然地形ﾒｯｼｭ) 3/9"},
        {680, -1, "", 2, 9, {829, 654, 978, 676}, 832, "国土数値情報を表示"},
        {700, 0, "谷密度メッシュ", 0, 1, {667, 674, 881, 696}, 674, "国土数値情報を表示"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        vd::RecordingDc dc;
        CGeoMeshRenderer r;
        r.m_pDC = &dc;
        r.m_nStatusLineY = c.y;
        r.ShowProgress(c.show, c.text, c.i, c.n);
        ASSERT_EQ(dc.Calls().size(), 2u);
        EXPECT_EQ(dc.Calls()[0].op.kind, vd::DrawOp::Rectangle);
        EXPECT_EQ(dc.Calls()[0].op.rect, c.box);
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].at, (vd::Point{c.textX, c.y - 23}));
        EXPECT_EQ(texts[0].text, c.shown);
        EXPECT_EQ(texts[0].colour, vd::RGB(255, 0, 0));
        EXPECT_EQ(texts[0].background, vd::RGB(255, 255, 255));
        EXPECT_EQ(dc.State().textColour, vd::RGB(0, 0, 0));
    }
}

TEST(GeoMeshBlock, MeshPrefecturesFromMshPrft)
{
    GeoFolder folder;
    folder.WriteLines("Msh_prft.dat", {"; mesh=prefectures", "", "5339=13 14 19", "5340=13", "5341=13  14",
                                       "5339=1 2", "5342=1 2 3 4 5 6 7 8 9 10 11 12",
                                       "5343=" + std::string(300, '1')});
    CGeoMeshRenderer r;
    r.m_strDataFolder = folder.Windows();
    EXPECT_EQ(r.ReadMeshPrefectures("5339"), 3);
    EXPECT_EQ((std::vector<std::string>(r.m_astrMeshPrefectures.begin(), r.m_astrMeshPrefectures.begin() + 3)),
              (std::vector<std::string>{"13", "14", "19"}));
    EXPECT_EQ(r.ReadMeshPrefectures("5340"), 1);
    EXPECT_EQ(r.m_astrMeshPrefectures[1], "");
    EXPECT_EQ(r.ReadMeshPrefectures("5341"), 3); // a double blank is an empty entry
    EXPECT_EQ(r.m_astrMeshPrefectures[1], "");
    EXPECT_EQ(r.ReadMeshPrefectures("5342"), 10); // the eleventh and twelfth do not fit
    EXPECT_EQ(r.ReadMeshPrefectures("5343"), 1);  // a long line is read whole
    EXPECT_EQ(r.m_astrMeshPrefectures[0].size(), 300u);
    EXPECT_EQ(r.ReadMeshPrefectures("6000"), 0);

    CGeoMeshRenderer missing;
    missing.m_strDataFolder = folder.Windows() + "NONE\\";
    EXPECT_EQ(missing.ReadMeshPrefectures("5339"), 0);
}

TEST(GeoMeshBlock, EachPrefectureIsReadOncePerBlock)
{
    CGeoMeshRenderer r;
    r.m_astrDrawnPrefectures[0] = "stale";
    r.m_astrMeshPrefectures = {"13", "", "14"};
    EXPECT_EQ(r.FilterDrawnPrefectures(3, 0), 2);
    EXPECT_EQ(r.m_astrDrawnPrefectures[0], "13");
    EXPECT_EQ(r.m_astrDrawnPrefectures[1], "14");

    r.m_astrMeshPrefectures = {"14", "19", "13"};
    EXPECT_EQ(r.FilterDrawnPrefectures(3, 2), 3);
    EXPECT_EQ(r.m_astrMeshPrefectures[0], "");
    EXPECT_EQ(r.m_astrMeshPrefectures[1], "19");
    EXPECT_EQ(r.m_astrMeshPrefectures[2], "");
    EXPECT_EQ(r.m_astrDrawnPrefectures[2], "19");

    // Past 50 prefectures a call, the rest is still drawn but no longer noted.
    for (int k = 0; k < 6; ++k) {
        for (int i = 0; i < 10; ++i)
            r.m_astrMeshPrefectures[std::size_t(i)] = vd::format("%d", 100 + 10 * k + i);
        r.FilterDrawnPrefectures(10, k == 0 ? 0 : std::min(50, 10 * k));
    }
    EXPECT_EQ(r.FilterDrawnPrefectures(0, 50), 50);
}

TEST(GeoMeshBlock, OptionListFromTheFlagText)
{
    CGeoMeshRenderer r;
    r.m_anOptions.fill(7);
    r.ParseOptionList("0|1||0|1");
    EXPECT_EQ(r.m_anOptions[0], 0);
    EXPECT_EQ(r.m_anOptions[1], 1);
    EXPECT_EQ(r.m_anOptions[2], 0);
    EXPECT_EQ(r.m_anOptions[3], 0);
    EXPECT_EQ(r.m_anOptions[4], 0); // no "|" after it
    EXPECT_EQ(r.m_anOptions[47], 0);
}
