// The plans of the drawing entry points: the fields each form fills, the splits, the white-map
// blocks, the four-mesh passes and the chosen operation with its arguments.
#include "layers/render/EntryPointPlans.h"
#include "tests/layers/render/LayerCallPrinter.h"

#include <gtest/gtest.h>

namespace {

using S = std::string;
using enum LayerOp;

std::array<int, 4> Extent(const LayerDrawParams& p) { return {p.North, p.West, p.South, p.East}; }

// Item 1234, extent 1-4, area kind 1, wide-area mode 6, block mode 2, status 9, detail 3, y 700.
const PlainScalars kPlain{1234, 1, 2, 3, 4, 1, 6, 2, 9, 3, 700, 1.5f, 2.5f, 0.25f, 0.5f};

LayerStrings PlainStrings(S areaSpec, S dataSet = "D:\\KSJ\\(N02)", S blockCentre5 = "533945")
{
    return {std::move(areaSpec), "5339", "5338", std::move(blockCentre5), std::move(dataSet), "D:\\KSJ\\"};
}

const std::vector<std::string> kFourPasses{"5438", "5441", "5138", "5141"};

TEST(EntryPointPlans, WholeCountryLinesOnThePlainMap)
{
    // Railways on a 広域5 block: the station file, four passes with 25 cells, the hundreds kept.
    LayerPlan plan = PlanPlainWholeCountry(kPlain, 4, 2, PlainStrings("広域5/鉄道"));
    EXPECT_EQ(plan.params.WideAreaName, "広域5");
    EXPECT_EQ(plan.params.DataName, "鉄道（線）");
    EXPECT_EQ(plan.params.ItemCode, 1200);
    EXPECT_TRUE(plan.choice.buildStationFile);
    EXPECT_EQ(plan.choice.passMeshCodes, kFourPasses);
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawRailways, {4, 25}}));
    EXPECT_EQ(plan.params.MeshCode, "5339");

    // Another block: one pass over the block the fields name.
    plan = PlanPlainWholeCountry(kPlain, 4, 2, PlainStrings("広域3/鉄道"));
    EXPECT_EQ(plan.params.ItemCode, 1234);
    EXPECT_TRUE(plan.choice.passMeshCodes.empty());
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawRailways, {4, -1}}));
    PlainScalars kindZero = kPlain;
    kindZero.areaKind = 0;
    EXPECT_TRUE(PlanPlainWholeCountry(kindZero, 4, 2, PlainStrings("広域5/鉄道")).choice.passMeshCodes.empty());

    // Other line themes: the rest of the area text names the theme, the data set chooses.
    plan = PlanPlainWholeCountry(kPlain, 4, 1, PlainStrings("広域5/河川/x", "d:\\ksj\\(w15-52l-13.txt)"));
    EXPECT_EQ(plan.params.DataName, "河川/x");
    EXPECT_FALSE(plan.choice.buildStationFile);
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawCountryRivers, {4, -1}}));
    plan = PlanPlainWholeCountry(kPlain, 7, 0, PlainStrings("広域5/開発"));
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawLedgerLines, {7, -1}}));
    // No "/": the whole text is the wide-area name and the data name stays empty.
    plan = PlanPlainWholeCountry(kPlain, 7, 0, PlainStrings("広域5"));
    EXPECT_EQ(plan.params.WideAreaName, "広域5");
    EXPECT_EQ(plan.params.DataName, "");
}

TEST(EntryPointPlans, WholeCountryLinesOnTheWhiteMap)
{
    const WhiteLineScalars a{1234, 40.5f, 30.5f, 2, 0, 5, 700, 1.0f, 2.0f, false};
    LayerPlan plan = PlanWholeCountryWhite(a, 2, 3, 6, 4, {"t", "5339", "鉄道", "25", "D:\\(N02)", "D:\\"});
    EXPECT_EQ(plan.params.DetailLevel, 3);
    EXPECT_EQ(plan.params.DataName, "鉄道（線）");
    EXPECT_EQ(plan.params.ItemCode, 1200);
    EXPECT_EQ(plan.params.MeshCode, "5339");
    EXPECT_EQ(Extent(plan.params), (std::array{134400, 493200, 122400, 511200}));
    EXPECT_EQ(plan.params.XOrigin, 30.5f);
    EXPECT_EQ(plan.params.YOrigin, 40.5f);
    EXPECT_EQ(plan.params.YScale, 2.0f * 0.13333334f);
    EXPECT_TRUE(plan.choice.buildStationFile);
    EXPECT_EQ(plan.choice.passMeshCodes, kFourPasses);
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawRailways, {6, 2}}));

    plan = PlanWholeCountryWhite(a, 2, 3, 6, 4, {"t", "5339", "鉄道", "9", "D:\\(N02)", "D:\\"});
    EXPECT_EQ(plan.params.ItemCode, 1234);
    EXPECT_TRUE(plan.choice.passMeshCodes.empty());

    plan = PlanWholeCountryWhite(a, 2, 3, 6, 3, {"t", "5339", "河川", "9", "D:\\(W15-52L)", "D:\\"});
    EXPECT_EQ(plan.params.DataName, "河川");
    EXPECT_EQ(plan.params.DetailLevel, 1);
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawCountryRivers, {6, 2}}));
    plan = PlanWholeCountryWhite(a, 0, 3, 6, 4, {"t", "5339", "開発", "9", "D:\\(C09)", "D:\\"});
    EXPECT_EQ(plan.params.DetailLevel, 0);
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawLedgerLines, {6, 2}}));
}

TEST(EntryPointPlans, SurfacesOnBothMaps)
{
    LayerPlan plan = PlanPlainSurface(kPlain, 12, 7, 8, PlainStrings("広域3/行政/1|0|"));
    EXPECT_EQ(plan.params.ItemCode, 1234);
    EXPECT_EQ(plan.params.DataName, "行政");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSurfaceBoundaries, {-1, 7, 8, 2, S("1|0|")}}));
    // No "/": the whole text is the wide-area name and no flags are passed on.
    plan = PlanPlainSurface(kPlain, 0, 7, 8, PlainStrings("1|0|"));
    EXPECT_EQ(plan.params.WideAreaName, "1|0|");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSurfaceAreas, {-1, 7, 8, S("")}}));

    const WhiteLineScalars white{5, 40, 30, 9, 5235, -1, 700, 1.0f, 1.0f};
    plan = PlanSurfaceWhite(white, 13, 7, 8, {"1|0|", "given", "面", "9", "D:\\(A10)", "D:\\"});
    EXPECT_EQ(plan.params.MeshCode, "5235");
    EXPECT_EQ(plan.params.DataName, "面");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSurfaceRegions, {9, 7, 8, S("1|0|")}}));

    // Whole-country themes: string 2 holds the mesh code and the flags.
    PlainScalars kindTwo = kPlain;
    kindTwo.areaKind = 2;
    LayerStrings strings = PlainStrings("広域5/全国面/x");
    strings.s2 = "5339/1|0|";
    plan = PlanPlainCountrySurface(kindTwo, 2, 7, 8, strings);
    EXPECT_EQ(plan.params.MeshCode, "5339");
    EXPECT_EQ(plan.params.DataName, "全国面/x");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawCountrySurfaceC, {-1, 7, 8, S("1|0|")}}));
    EXPECT_EQ(plan.choice.passMeshCodes, kFourPasses);
    EXPECT_TRUE(PlanPlainCountrySurface(kindTwo, 1, 7, 8, strings).choice.passMeshCodes.empty());
    strings.s1 = "広域3/全国面";
    EXPECT_TRUE(PlanPlainCountrySurface(kindTwo, 2, 7, 8, strings).choice.passMeshCodes.empty());

    const WhiteLineScalars whole{5, 40, 30, 3, 0, -1, 700, 1.0f, 1.0f, false};
    plan = PlanCountrySurfaceWhite(whole, 2, 7, 8, {"f", "5339", "全国面", "25", "D:\\(A)", "D:\\"});
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawCountrySurfaceC, {3, 7, 8, S("f")}}));
    EXPECT_EQ(plan.choice.passMeshCodes, kFourPasses);
    plan = PlanCountrySurfaceWhite(whole, 2, 7, 8, {"f", "5339", "全国面", "9", "D:\\(A)", "D:\\"});
    EXPECT_TRUE(plan.choice.passMeshCodes.empty());
}

TEST(EntryPointPlans, PointsOnBothMaps)
{
    PlainScalars price = kPlain;
    price.itemCode = 10305;
    LayerPlan plan = PlanPlainPoint(price, 500, 7, 8, PlainStrings("広域3/地価/1|0|"));
    EXPECT_EQ(plan.params.ItemCode, 3);
    EXPECT_EQ(plan.params.DataName, "地価");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawLandPricePoints, {-1, 8, 0, 5, S("1|0|")}}));
    plan = PlanPlainPoint(kPlain, 500, 7, 8, PlainStrings("広域3/地価/1|0|"));
    EXPECT_EQ(plan.params.ItemCode, 1234);
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawLandPricePoints, {-1, 8, 0, 0, S("1|0|")}}));
    plan = PlanPlainPoint(kPlain, 140, 7, 8, PlainStrings("広域3/電力/1|0|"));
    EXPECT_EQ(plan.params.DataName, "発電所");

    const WhiteScalars white{10305, 999, 2, -1, 2, 700, 10.0f, 20.0f, 1.0f, 1.0f};
    plan = PlanPointWhite(white, 500, 7, 8, {"広域", "5339", "地価", "25=1|0|", "D:\\(L01)", "D:\\"});
    EXPECT_EQ(plan.params.ItemCode, 305);
    EXPECT_EQ((std::array{plan.params.AreaKind, plan.params.BlockMode, plan.params.WideAreaMode}),
              (std::array{999, 2, 0}));
    EXPECT_EQ((std::array{plan.params.StatusFlag, plan.params.ProgressFlag, plan.params.DetailLevel}),
              (std::array{-1, -1, 2}));
    EXPECT_EQ(plan.params.WideAreaName, "広域");
    EXPECT_EQ(plan.params.DataName, "地価");
    EXPECT_EQ(plan.params.DataSetPath, "D:\\(L01)");
    EXPECT_EQ(plan.params.DataFolder, "D:\\");
    EXPECT_EQ(Extent(plan.params), (std::array{134400, 493200, 122400, 511200}));
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawLandPricePoints, {25, 8, 0, 5, S("1|0|")}}));

    const struct {
        int blockMode;
        const char* text;
        int cells;
        const char* flags;
        std::array<int, 4> extent;
    } blocks[] = {
        {2, "9=1|0|", 9, "1|0|", {132000, 496800, 124800, 507600}},
        {2, "1|0|", 9, "1|0|", {132000, 496800, 124800, 507600}}, // no "=": key and text
        {1, "25=1|0|", 1, "1|0|", {129600, 500400, 127200, 504000}},
    };
    for (const auto& b : blocks) {
        WhiteScalars scalars = white;
        scalars.blockMode = b.blockMode;
        plan = PlanPointWhite(scalars, 0, 7, 8, {"", "5339", "", b.text, "", ""});
        EXPECT_EQ(plan.choice.call, (LayerCall{DrawPointMarkers, {b.cells, 7, 8, S(b.flags)}})) << b.text;
        EXPECT_EQ(Extent(plan.params), b.extent) << b.text;
    }
}

TEST(EntryPointPlans, MeshesOnThePlainMap)
{
    // The sixth argument 10002: area kind 2, method digit 1 (values).
    PlainScalars packed = kPlain;
    packed.areaKind = 10002;
    LayerPlan plan = PlanPlainMesh(PlainMeshForm::Mesh, packed, 20, 7, 8, PlainStrings("広域3/x/1|0|"), "c");
    EXPECT_EQ(plan.params.AreaKind, 2);
    EXPECT_EQ(plan.params.DataName, "流路延長(ﾒｯｼｭ)");
    EXPECT_EQ((std::array{plan.params.StatusFlag, plan.params.ProgressFlag}), (std::array{9, 9}));
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawPrefectureMeshValues, {-1, 20, 7, 8, S("x/1|0|")}}));
    packed.areaKind = 2;
    plan = PlanPlainMesh(PlainMeshForm::Relief, packed, 220, 7, 8, PlainStrings("広域3/x"), "c");
    EXPECT_EQ(plan.params.DataName, "農業ｾﾝｻｽ(ﾒｯｼｭ)");
    EXPECT_EQ(plan.choice.call, (LayerCall{OnPlainLclReliefCensas, {-1, 220, 7, 1, 8, S("c"), S("x")}}));
    // No "/": nothing is tested, the whole text is passed on.
    plan = PlanPlainMesh(PlainMeshForm::Mesh, packed, 0, 7, 8, PlainStrings("1|0|"), "c");
    EXPECT_EQ(plan.params.WideAreaName, "");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawPrefectureMeshCells, {-1, 0, 7, 8, S("1|0|")}}));

    // The whole-country form: a status value.
    PlainScalars status = kPlain;
    status.statusFlag = 10003;
    plan = PlanPlainMesh(PlainMeshForm::WholeCountry, status, 110, 7, 0, PlainStrings("広域3/x"), "c");
    EXPECT_EQ((std::array{plan.params.StatusFlag, plan.params.ProgressFlag, plan.params.AreaKind}),
              (std::array{3, 10003, 1}));
    EXPECT_EQ(plan.params.DataName, "沿岸海域(ﾒｯｼｭ)");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawCountrySingleFileMeshCells, {-1, 110, 7}}));

    // The 1/10 mesh: status value 10001 is progress 10001, status 1 and flag 1.
    status.statusFlag = 10001;
    plan = PlanSubdividedMesh(status, 2, 1010, 7, 8, PlainStrings("広域3/x"), "u");
    EXPECT_EQ((std::array{plan.params.StatusFlag, plan.params.ProgressFlag}), (std::array{1, 10001}));
    EXPECT_EQ(plan.params.DataName, "指定地域(1/10細分ﾒｯｼｭ)");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSubdividedMesh, {-1, 1010, 7, S("u"), 1, 8, S("x")}}));
    status.statusFlag = 3;
    plan = PlanSubdividedMesh(status, 2, 1010, 7, 8, PlainStrings("広域3/x"), "u");
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSubdividedMesh, {-1, 1010, 7, S("u"), 0, 8, S("x")}}));
}

TEST(EntryPointPlans, MeshesOnTheWhiteMap)
{
    const WhiteScalars white{123, 999, 1, 0, 3, 700, 10.0f, 20.0f, 1.0f, 1.0f};
    LayerPlan plan = PlanWhiteMesh(white, 200, 4, {"広域", "5339", "c", "25=1|0|", "D:\\(M)", "D:\\"});
    EXPECT_EQ(plan.params.ItemCode, 123);
    EXPECT_EQ(plan.params.DataName, "商業統計(ﾒｯｼｭ)");
    EXPECT_EQ(plan.params.DataSetPath, "D:\\(M)");
    EXPECT_EQ(plan.params.DataFolder, "D:\\");
    // Block mode 1: the single mesh, whatever the key.
    EXPECT_EQ(Extent(plan.params), (std::array{129600, 500400, 127200, 504000}));
    EXPECT_EQ(plan.choice.call, (LayerCall{OnPlainLclMeshCensas, {1, 200, 4, 1, 0, S("c"), S("1|0|")}}));

    WhiteScalars block = white;
    block.blockMode = 2;
    plan = PlanWhiteSubdividedMesh(block, 30, 4, {"広域", "5339", "25/1|0|", "D:\\(F)", "D:\\", "u"});
    EXPECT_EQ(plan.params.BlockCentre5, "25");
    EXPECT_EQ(plan.params.DataSetPath, "D:\\(F)");
    EXPECT_EQ(plan.params.DataFolder, "D:\\");
    EXPECT_EQ(plan.params.DataName, "湖沼(1/10細分ﾒｯｼｭ)");
    EXPECT_EQ(Extent(plan.params), (std::array{134400, 493200, 122400, 511200}));
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSubdividedLakes, {25, 30, 4, 1, 0, S("1|0|")}}));
    plan = PlanWhiteSubdividedMesh(block, 10, 4, {"広域", "5339", "1|0|", "D:\\(F)", "D:\\", "u"});
    EXPECT_EQ(plan.choice.call, (LayerCall{DrawSubdividedMesh, {9, 10, 4, S("u"), 1, 0, S("1|0|")}}));
}

TEST(EntryPointPlans, FourMeshPassesAroundTheCentre)
{
    EXPECT_EQ(FourMeshPasses("5339"), kFourPasses);
    EXPECT_EQ(FourMeshPasses("533945"), kFourPasses);
    EXPECT_EQ(FourMeshPasses(""), (std::vector<std::string>{"99", "102", "-201", "-198"}));
}

} // namespace
