// The choosers of the drawing entry points: every row of their tables, and selectors outside them.
#include "layers/render/EntryPointPlans.h"
#include "tests/layers/render/LayerCallPrinter.h"

#include <gtest/gtest.h>

namespace {

using S = std::string;
using enum LayerOp;

TEST(EntryPointChoices, SurfaceGroupsAndItems)
{
    const struct {
        int selector;
        LayerCall call;
    } rows[] = {
        {0, {DrawSurfaceAreas, {-1, 7, 8, S("f")}}},    {3, {DrawSurfaceAreas, {-1, 7, 8, S("f")}}},
        {4, {DrawSurfaceLines, {-1, 7, 8, S("f")}}},    {9, {DrawSurfaceLines, {-1, 7, 8, S("f")}}},
        {10, {DrawSurfaceBoundaries, {-1, 7, 8, 0, S("f")}}}, {12, {DrawSurfaceBoundaries, {-1, 7, 8, 2, S("f")}}},
        {13, {DrawSurfaceRegions, {-1, 7, 8, S("f")}}}, {14, {DrawSurfaceRegions, {-1, 7, 8, S("f")}}},
        {15, {}}, {19, {}}, {20, {}}, {-1, {}}, {-10, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseSurfaceOperation(row.selector, -1, 7, 8, "f"), row.call) << row.selector;
    EXPECT_EQ(ChooseSurfaceOperation(11, 9, 1, 2, "x"), (LayerCall{DrawSurfaceBoundaries, {9, 1, 2, 1, S("x")}}));
}

TEST(EntryPointChoices, WholeCountrySurfaceThemes)
{
    const LayerOp ops[] = {DrawCountrySurfaceA, DrawCountrySurfaceB, DrawCountrySurfaceC, DrawCountrySurfaceD,
                           DrawCountrySurfaceE};
    for (int theme = 0; theme < 5; ++theme)
        EXPECT_EQ(ChooseCountrySurfaceOperation(theme, 25, 1, 2, "f"), (LayerCall{ops[theme], {25, 1, 2, S("f")}}));
    EXPECT_EQ(ChooseCountrySurfaceOperation(5, 25, 1, 2, "f"), LayerCall{});
    EXPECT_EQ(ChooseCountrySurfaceOperation(-1, 25, 1, 2, "f"), LayerCall{});
}

TEST(EntryPointChoices, PointThemes)
{
    // m -1, class filter 7, label selector 8, land-price sub-item 5, flags "f".
    const struct {
        int code;
        LayerCall call;
        std::optional<std::string> dataName;
    } rows[] = {
        {0, {DrawPointMarkers, {-1, 7, 8, S("f")}}, {}},
        {10, {DrawHeritagePoints, {-1, 10, 8, S("f")}}, {}},
        {20, {DrawPointLengths, {-1, 8, S("f")}}, {}},
        {30, {DrawHeritagePoints, {-1, 30, 8, S("")}}, {}},
        {40, {DrawFacilityPoints, {-1, 40, 8, S("")}}, {}},
        {50, {}, {}},
        {100, {DrawFacilityPoints, {-1, 100, 8, S("f")}}, {}},
        {110, {DrawPointNames, {-1, 8, S("f")}}, {}},
        {130, {DrawPointNames, {-1, 8, S("f")}}, {}},
        {140, {DrawCodedPoints, {-1, 8, 1, S("")}}, "発電所"},
        {150, {}, {}},
        {200, {DrawPlainPoints, {-1, 8}}, {}},
        {240, {DrawPlainPoints, {-1, 8}}, {}},
        {300, {DrawCodedPoints, {-1, 8, 0, S("f")}}, {}},
        {330, {DrawCodedPoints, {-1, 8, 0, S("f")}}, {}},
        {400, {DrawFacilityPoints, {-1, 400, 8, S("")}}, "感潮限界"},
        {410, {DrawFacilityPoints, {-1, 410, 8, S("")}}, "港湾"},
        {420, {DrawFacilityPoints, {-1, 420, 8, S("")}}, "漁港"},
        {430, {DrawFacilityPoints, {-1, 430, 8, S("")}}, "空港台帳"},
        {440, {}, {}},
        {500, {DrawLandPricePoints, {-1, 8, 0, 5, S("f")}}, {}},
        {540, {DrawLandPricePoints, {-1, 8, 0, 5, S("f")}}, {}},
        {600, {}, {}},
        {-10, {}, {}},
    };
    for (const auto& row : rows) {
        const PointChoice choice = ChoosePointOperation(row.code, -1, 7, 8, 5, "f");
        EXPECT_EQ(choice.call, row.call) << row.code;
        EXPECT_EQ(choice.dataName, row.dataName) << row.code;
    }
}

TEST(EntryPointChoices, MeshDigitsAndNames)
{
    EXPECT_EQ(PlainMeshDigits(1234), (MeshDigits{2, 3}));
    EXPECT_EQ(PlainMeshDigits(25), (MeshDigits{0, 2}));
    EXPECT_EQ(WhiteMeshDigits(1234), (MeshDigits{12, 3}));
    EXPECT_EQ(WhiteMeshDigits(215), (MeshDigits{2, 1}));
    EXPECT_EQ(PlainMeshDigits(-100), (MeshDigits{-1, -1}));
    EXPECT_EQ(SubdividedMeshTheme(1030), 3);
    EXPECT_EQ(SubdividedMeshTheme(30), 3);
    EXPECT_EQ(SubdividedMeshTheme(1230), 23); // the hundreds stay: no 1/10 theme
    EXPECT_EQ(SubdividedMeshTheme(-30), -1);
    EXPECT_EQ(WhiteSubdividedMeshTheme(1230), 3);

    const struct {
        MeshDigits digits;
        const char* name;
    } names[] = {
        {{0, 0}, "気候値(ﾒｯｼｭ)"},         {{0, 1}, "指定地域(ﾒｯｼｭ)"},   {{0, 2}, "流路延長(ﾒｯｼｭ)"},
        {{1, 0}, "森林・国公有地(ﾒｯｼｭ)"}, {{1, 1}, "沿岸海域(ﾒｯｼｭ)"},   {{1, 2}, ""},
        {{2, 0}, "商業統計(ﾒｯｼｭ)"},       {{2, 1}, "工業統計(ﾒｯｼｭ)"},   {{2, 2}, "農業ｾﾝｻｽ(ﾒｯｼｭ)"},
        {{0, 3}, ""},                      {{3, 0}, ""},                  {{-1, -1}, ""},
    };
    for (const auto& row : names)
        EXPECT_EQ(MeshThemeName(row.digits), row.name) << row.digits.group << row.digits.theme;
    EXPECT_EQ(SubdividedMeshThemeName(0), "土地利用(1/10細分ﾒｯｼｭ)");
    EXPECT_EQ(SubdividedMeshThemeName(1), "指定地域(1/10細分ﾒｯｼｭ)");
    EXPECT_EQ(SubdividedMeshThemeName(2), "流域・非集水域(1/10細分ﾒｯｼｭ)");
    EXPECT_EQ(SubdividedMeshThemeName(3), "湖沼(1/10細分ﾒｯｼｭ)");
    EXPECT_EQ(SubdividedMeshThemeName(4), "");
}

TEST(EntryPointChoices, PlainMeshForms)
{
    using F = PlainMeshForm;
    // m -1, values A 7 and B 8, census classes "c", flags "f".
    const struct {
        F form;
        int code;
        int method;
        LayerCall call;
    } rows[] = {
        {F::Mesh, 0, 1, {DrawPrefectureMeshValues, {-1, 0, 7, 8, S("f")}}},
        {F::Mesh, 1020, 0, {DrawPrefectureMeshCells, {-1, 1020, 7, 8, S("f")}}},
        {F::Mesh, 100, 1, {DrawSingleFileMeshValues, {-2, 100, 7, 8}}},
        {F::Mesh, 110, 0, {DrawSingleFileMeshCells, {-1, 110, 7, 8}}},
        {F::Mesh, 120, 0, {}},
        {F::Mesh, 200, 0, {OnPlainLclMeshCensas, {-1, 200, 7, 1, 8, S("c"), S("f")}}},
        {F::Mesh, 210, 2, {OnPlainLclMeshCensas, {-1, 210, 7, 0, 8, S("c"), S("f")}}},
        {F::Mesh, 300, 0, {}},
        {F::Mesh, 30, 1, {}},
        {F::Relief, 10, 1, {DrawPrefectureMeshValues, {-1, 10, 7, 8, S("f")}}},
        {F::Relief, 10, 0, {DrawPrefectureMeshRelief, {-1, 10, 7, 8, S("f")}}},
        {F::Relief, 110, 1, {DrawSingleFileMeshValues, {-1, 110, 7, 8}}},
        {F::Relief, 100, 0, {DrawSingleFileMeshRelief, {-2, 100, 7, 8}}},
        {F::Relief, 220, 1, {OnPlainLclMeshCensas, {-1, 220, 7, 0, 8, S("c"), S("f")}}},
        {F::Relief, 220, 2, {OnPlainLclMeshCensas, {-1, 220, 7, 1, 8, S("c"), S("f")}}},
        {F::Relief, 220, 0, {OnPlainLclReliefCensas, {-1, 220, 7, 1, 8, S("c"), S("f")}}},
        {F::Relief, 400, 0, {}},
        {F::WholeCountry, 0, 0, {DrawCountryPrefectureMeshCells, {-1, 0, 7, S("f")}}},
        {F::WholeCountry, 100, 0, {DrawCountrySingleFileMeshCells, {-2, 100, 7}}},
        {F::WholeCountry, 110, 0, {DrawCountrySingleFileMeshCells, {-1, 110, 7}}},
        {F::WholeCountry, 200, 1, {OnPlainLclMeshCensas, {-1, 200, 7, 1, 0, S("c"), S("f")}}},
        {F::WholeCountry, -200, 0, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChoosePlainMeshOperation(row.form, PlainMeshDigits(row.code), row.method, -1, row.code, 7, 8, "c", "f"),
                  row.call)
            << int(row.form) << " " << row.code << " " << row.method;
}

TEST(EntryPointChoices, WhiteMeshThemes)
{
    const struct {
        int code;
        LayerCall call;
    } rows[] = {
        {0, {DrawWhitePrefectureMeshCells, {9, 0, 4, S("f")}}},
        {10, {DrawWhiteDesignatedAreaCells, {9, 10, 4, S("f")}}},
        {21, {DrawWhitePrefectureMeshCells, {9, 21, 4, S("f")}}},
        {100, {DrawWhiteSingleFileMeshCells, {1, 9, 100, 4}}},
        {110, {DrawWhiteSingleFileMeshCells, {0, 9, 110, 4}}},
        {120, {}},
        {210, {OnPlainLclMeshCensas, {9, 210, 4, 1, 0, S("c"), S("f")}}},
        {1000, {}}, // the thousands digit is part of the group here
        {-1, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseWhiteMeshOperation(WhiteMeshDigits(row.code), 9, row.code, 4, "c", "f"), row.call) << row.code;
}

TEST(EntryPointChoices, SubdividedMeshThemes)
{
    const struct {
        int theme, relief, flag;
        LayerCall call;
    } rows[] = {
        {3, 0, 1, {DrawSubdividedLakes, {-1, 35, 7, 0, 8, S("f")}}},
        {3, 9, 1, {DrawSubdividedLakes, {-1, 35, 7, 0, 8, S("f")}}},
        {0, 5, 1, {DrawSubdividedMesh, {-1, 35, 7, S("u"), 1, 8, S("f")}}},
        {2, 0, 0, {DrawSubdividedMesh, {-1, 35, 7, S("u"), 0, 8, S("f")}}},
        {1, 6, 1, {DrawSubdividedMeshRelief, {-1, 35, 7, S("u"), 0, 8, S("f")}}},
        {4, 0, 0, {}},
        {-1, 0, 0, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseSubdividedMeshOperation(row.theme, row.relief, row.flag, -1, 35, 7, 8, "u", "f"), row.call)
            << row.theme << " " << row.relief;
    EXPECT_EQ(ChooseWhiteSubdividedMeshOperation(3, 25, 30, 4, "u", "f"),
              (LayerCall{DrawSubdividedLakes, {25, 30, 4, 1, 0, S("f")}}));
    EXPECT_EQ(ChooseWhiteSubdividedMeshOperation(1, 25, 10, 4, "u", "f"),
              (LayerCall{DrawSubdividedMesh, {25, 10, 4, S("u"), 1, 0, S("f")}}));
    EXPECT_EQ(ChooseWhiteSubdividedMeshOperation(5, 25, 50, 4, "u", "f"), LayerCall{});
}

} // namespace
