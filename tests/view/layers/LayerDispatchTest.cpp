// The renderer's layer dispatch against the layer stand-in: every plain type and white-map
// dispatcher with its arguments in order, the derived frame values and the land-layer switches.
#include "app/document/VeldoranDoc.h"
#include "basemap/projection/LatitudeRatioTable.h"
#include "platform/dc/RecordingDc.h"
#include "platform/text/Format.h"
#include "platform/ui/UiScript.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/support/FakeLayers.h"
#include "view/layers/LandLayerTable.h"
#include "view/renderer/MapRenderer.h"
#include "view/renderer/OverviewLayerFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string F(float value) { return vd::format("%.9g", double(value)); }

std::string Repeat(const std::string& text, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text;
    return out;
}

class LayerDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        vd::ui::Script::install();
        doctest::InstallFakeEditor();
        fakelayers::Install(VD_FAKE_LAYERS);
        doc = std::make_unique<CVeldoranDoc>();
        doc->folders.m_strAppDir = "Z:\\app\\";
        // An overview frame of 36-34 N, 135-137 E; the reference point 36 N 135 E at x 420, 100
        // units a pixel, so the 600-pixel window's bottom edge lies at 30 N.
        doc->m_strFrameNorth = "36.0000";
        doc->m_strFrameSouth = "34.0000";
        doc->m_strFrameWest = "135.0000";
        doc->m_strFrameEast = "137.0000";
        doc->m_fRefLatitude = 360000;
        doc->m_fRefLongitude = 1350000;
        doc->m_fMapScale = 100;
        doc->pointer.m_nOverviewOriginX = 420;
        doc->position.m_nPrefecture = 12;
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = 9;
        doc->m_astrBlockMeshCode[4] = "5235";
        doc->layerChoice.m_strLayerPrefFlags = "F|";
        doc->m_fWhiteZoomX = 1.5f;
        doc->m_fWhiteZoomY = 1.25f;
        fakelayers::Log().clear();
    }

    std::vector<std::string> Plain(int type, int count)
    {
        fakelayers::Log().clear();
        vd::RecordingDc dc;
        CMapRenderer renderer(&dc, doc.get(), 800, 600);
        renderer.DrawLandLayer(type, count);
        return fakelayers::Calls();
    }

    std::vector<std::string> White(const std::function<void(CMapRenderer&)>& draw)
    {
        fakelayers::Log().clear();
        vd::RecordingDc dc;
        CMapRenderer renderer(&dc, doc.get(), 800, 600);
        draw(renderer);
        return fakelayers::Calls();
    }

    // The frame in arc-seconds and the transform, as the Part's single-precision formulas give them.
    static std::string Frame() { return "129600,486000,122400,493200"; }
    std::string Transform() const
    {
        const float k = doc->latitudeRatios.m_afLatitudeRatio[30];
        const float s = 100;
        const float xoff = 420.0f + (486000.0f * 2.7777777f - 1350000.0f) / s / k;
        const float yoff = (360000.0f - 129600.0f * 2.7777777f) / s;
        return F(xoff) + "," + F(yoff) + "," + F(10000.0f / s / k * 0.00027777778f) + "," +
               F(10000.0f / s * 0.00027777778f);
    }
    static std::string Flags() { return Repeat("0|", 13) + "1|" + Repeat("0|", 34); }
    static std::string Mesh3() { return "[5236],[5236],[5236]"; }

    std::unique_ptr<CVeldoranDoc> doc;
};

} // namespace

TEST_F(LayerDispatch, DerivedFrameValues)
{
    const OverviewLayerFrame f = OverviewLayerFrameOf(*doc, 600);
    EXPECT_EQ(f.mesh, "5236");
    EXPECT_EQ(f.pixelsPerDegree, int(10000.0f / 100.0f * 0.00027777778f * 3600.0f));
    EXPECT_EQ(OverviewPrefectureFlags(*doc), Flags());
    doc->environment.m_nPrfMpData = 1;
    EXPECT_EQ(OverviewPrefectureFlags(*doc), "1|" + Repeat("0|", 47));
    // Prefecture 46 (index 45) moves the longitude code, not the latitude code.
    doc->position.m_nPrefecture = 45;
    EXPECT_EQ(OverviewLayerFrameOf(*doc, 600).mesh, "5237");
    // A window whose bottom edge lies outside the ratio table still has finite scales.
    doc->m_fRefLatitude = 200000;
    const OverviewLayerFrame low = OverviewLayerFrameOf(*doc, 1000);
    EXPECT_EQ(low.ratio, LatitudeRatioAt(doc->latitudeRatios.m_afLatitudeRatio, 15));
    EXPECT_TRUE(std::isfinite(low.scaleX));
    EXPECT_TRUE(std::isfinite(low.originX));
}

TEST_F(LayerDispatch, PlainTypesPassTheirArgumentsInOrder)
{
    const std::string t = Transform();
    const std::string area = "[広域3/" + Flags() + "]";
    doc->geology.m_nGeoLead = 0;
    doc->geology.m_nGeoOption = 4;
    doc->geology.m_astrGeoText = {"p0", "p1", "p2", "p3", "p4", "g5"};
    doc->geology.m_strLandClassName = "cn";
    doc->geology.m_strLandClassFile = "cf";
    doc->geology.m_nGeologyLayer = 1;
    doc->m_anMeshRowFlag[1][2] = 1; // KIND 3
    EXPECT_EQ(Plain(0, -1),
              (std::vector<std::string>{"OnD4GeologyMesh(5," + Frame() + ",2,2,2,10001,3,3000,800,4,600," + t + "," +
                                        area + "," + Mesh3() + ",[g5],[Z:\\app\\],[p0#p1])"}));
    doc->geology.m_nGeoLead = 2;
    EXPECT_EQ(Plain(10, -1), (std::vector<std::string>{"OnD4GeologyMesh(5," + Frame() + ",2,2,2,1,3,13020,800,4,600," +
                                                       t + "," + area + "," + Mesh3() + ",[cn/cf],[Z:\\app\\],[p2])"}));
    doc->m_anMeshRowFlag[1][2] = 0;

    doc->m_anFineMeshFlag = {1, 0, 1, 0, 0, 1, 0, 0, 0};
    doc->m_anFineMeshValue = {7, 8, 9, 10};
    doc->m_astrFineMeshName = {"m0", "m1", "m2", "m3"};
    doc->m_strFineMeshRest = "rest";
    EXPECT_EQ(Plain(1, -1),
              (std::vector<std::string>{"OnDdPlnF10Mesh(5," + Frame() + ",2,2,2,10001,3,1000,800,7,600,0," + t + "," +
                                            area + "," + Mesh3() + ",[m0],[Z:\\app\\],[rest])",
                                        "OnDdPlnF10Mesh(5," + Frame() + ",2,2,2,10001,3,1020,800,9,600,0," + t + "," +
                                            area + "," + Mesh3() + ",[m2],[Z:\\app\\],[rest])"}));

    doc->m_anSurfaceRowFlag[1][3] = 1;
    doc->m_anSurfaceRowA[1][3] = 11, doc->m_anSurfaceRowB[1][3] = 12, doc->m_anSurfaceRowC[1][3] = 13;
    doc->m_astrSurfaceName[8] = "sn", doc->m_astrSurfaceFile[8] = "sf";
    EXPECT_EQ(Plain(2, 1),
              (std::vector<std::string>{"OnDdPlainLASurface(13,11," + Frame() + ",2,2,2,1,3,12,13,600," + t +
                                        ",[広域3/sn/" + Flags() + "]," + Mesh3() + ",[sf],[Z:\\app\\])"}));
    doc->m_anSurfaceRowFlag[2][0] = 1;
    doc->m_anSurfaceRowA[2][0] = 21, doc->m_anSurfaceRowB[2][0] = 22, doc->m_anSurfaceRowC[2][0] = 23;
    doc->m_astrSurfaceName[10] = "wn", doc->m_astrSurfaceFile[10] = "wf";
    EXPECT_EQ(Plain(3, -1),
              (std::vector<std::string>{"OnDdSrfcPlainWhole(0,21," + Frame() + ",2,2,2,1,3,22,23,600," + t +
                                        ",[広域3/wn],[5236/" + Flags() + "],[5236],[5236],[wf],[Z:\\app\\])"}));

    const std::string ppd = std::to_string(int(10000.0f / 100.0f * 0.00027777778f * 3600.0f));
    doc->m_anLineRowFlag[0] = {1, 1, 0, 0, 1, 1, 1};
    doc->m_anLineRowValue[0] = {30, 31, 32, 33, 34};
    doc->m_astrLineName[1] = "river", doc->m_astrLineFile[0] = "road.dat", doc->m_astrLineFile[1] = "river.dat";
    EXPECT_EQ(Plain(4, -1), (std::vector<std::string>{"OnDdPlainRoad(30," + Frame() + ",2,2,2,1,3," + ppd + ",600," +
                                                      t + "," + area + "," + Mesh3() + ",[road.dat],[Z:\\app\\])"}));
    // Tab 0 draws its river rows 1-3 only: row 0 is the road, row 4 never drawn there.
    EXPECT_EQ(Plain(5, 0),
              (std::vector<std::string>{"OnDdPlainRiver(31," + Frame() + ",2,2,2,1,3," + ppd + ",600," + t +
                                        ",[広域3/river/" + Flags() + "]," + Mesh3() + ",[river.dat],[Z:\\app\\])"}));

    doc->m_anLineRowFlag[2][4] = 1, doc->m_anLineRowValue[2][4] = 23;
    doc->m_anLineRowFlag[4][4] = 1, doc->m_anLineRowValue[4][4] = 123;
    doc->m_astrLineName[14] = "rail", doc->m_astrLineFile[14] = "rail.dat";
    EXPECT_EQ(Plain(6, 2), (std::vector<std::string>{"OnDdPlainWholeCountry(10203," + Frame() + ",2,2,2,1,3,4,2,600," +
                                                     t + ",[広域3/rail]," + Mesh3() + ",[rail.dat],[Z:\\app\\])"}));
    EXPECT_EQ(fakelayers::Head(Plain(6, 4).at(0)), "OnDdPlainWholeCountry(23," + Frame() + ",2,2,2,1,3,4,4,600," + t);

    doc->m_anPointRowFlag[5][1] = 1;
    doc->m_anPointRowA[5] = {0, 6, 0, 0, 4};
    doc->m_anPointRowB[5][1] = 50, doc->m_anPointRowC[5][1] = 60;
    doc->m_astrPointName[26] = "price", doc->m_astrPointFile[26] = "price.dat";
    EXPECT_EQ(Plain(7, 5),
              (std::vector<std::string>{"OnDdPlainPoint(10604," + Frame() + ",2,2,2,1,3,510,60,50,600," + t +
                                        ",[広域3/price/" + Flags() + "]," + Mesh3() + ",[price.dat],[Z:\\app\\])"}));
    doc->m_anPointRowFlag[3][2] = 1;
    doc->m_anPointRowA[3][2] = 3, doc->m_anPointRowB[3] = {70, 0, 72, 0, 0}, doc->m_anPointRowC[3][2] = 80;
    EXPECT_EQ(fakelayers::Head(Plain(7, 3).at(0)), "OnDdPlainPoint(3," + Frame() + ",2,2,2,1,3,320,80,70,600," + t)
        << "tab 3 passes row 0's second value";

    doc->m_anMeshRowFlag[2][0] = 1;
    doc->m_anIndustryMeshValue[0] = 44;
    doc->m_astrMeshFile[10] = "census.dat";
    for (int i = 0; i < 30; ++i)
        doc->m_astrIndustryTable[i] = vd::format("c%d", i);
    std::string census;
    for (int j = 0; j < 28; ++j)
        census += vd::format("c%d#", 3 * (j % 10) + j / 10);
    EXPECT_EQ(Plain(8, 2),
              (std::vector<std::string>{"OnDdPlainMeshTavrel(0," + Frame() + ",2,2,2,10001,3,1200,800,44,600," + t +
                                        "," + area + "," + Mesh3() + ",[census.dat],[Z:\\app\\],[" + census + "])"}));

    doc->seismic.m_anSeisSetting = {0, 0, 0, 5, 1, 6, 1, 2, 3, 4};
    EXPECT_EQ(Plain(11, 0),
              (std::vector<std::string>{"OnSeisWhiteMeshTavrel(" + Frame() + ",2,2,2,1,3,42311,800,6,600," + t +
                                        ",[広域3]," + Mesh3() + ",[Z:\\app\\])"}));
    EXPECT_TRUE(Plain(9, 0).empty()) << "type 9 draws nothing";
}

TEST_F(LayerDispatch, WhiteDispatchersPassTheirArgumentsInOrder)
{
    const std::string zoom = "1.5,1.25";
    doc->m_anFineMeshFlag = {0, 1, 0, 0, 0, 1, 0, 0, 0};
    doc->m_anFineMeshValue[1] = 8;
    doc->m_astrFineMeshName[1] = "m1";
    doc->m_strFineMeshRest = "rest";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteFineMesh(); }),
              (std::vector<std::string>{"OnDdWhitePlnF10Mesh(0,0,1,2,0,2,10,800,8,600,10,30," + zoom +
                                        ",[],[5235],[9/F|],[m1],[Z:\\app\\],[rest])"}));

    doc->geology.m_nGeoLead = 3, doc->geology.m_nGeoOption = 4;
    doc->geology.m_astrGeoText = {"p0", "p1", "p2", "p3", "p4", "g5"};
    doc->geology.m_strLandClassName = "cn", doc->geology.m_strLandClassFile = "cf";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteGeologyMesh(1); }),
              (std::vector<std::string>{"OnDdWhiteG4Mesh(0,0,0,2,0,2,10003,800,4,600,10,30," + zoom +
                                        ",[],[5235],[],[9/F|],[cn/cf],[Z:\\app\\],[p4])"}));

    doc->m_anMeshRowFlag[0] = {0, 0, 1, 0, 0, 1, 1};
    doc->m_anNatureMeshValue[2] = 12;
    doc->m_astrMeshFile[2] = "mesh.dat";
    std::string census;
    for (int j = 0; j < 28; ++j)
        census += "#";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteMesh(0); }),
              (std::vector<std::string>{"OnDdWhiteMesh(0,999,1,2,0,2,20,800,12,600,10,30," + zoom + ",[],[5235],[" +
                                        census + "],[9=F|],[mesh.dat],[Z:\\app\\])"}));

    doc->m_anSurfaceRowFlag[1][0] = 1;
    doc->m_anSurfaceRowA[1][0] = 1, doc->m_anSurfaceRowB[1][0] = 2, doc->m_anSurfaceRowC[1][0] = 3;
    doc->m_astrSurfaceName[5] = "sn", doc->m_astrSurfaceFile[5] = "sf";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteSurface(1); }),
              (std::vector<std::string>{"OnDdSurfaceWhite(10,1,30,10,9,5235,0,0,0,0,3,2,600,0,0," + zoom +
                                        ",[F|],[5235],[sn],[9],[sf],[Z:\\app\\])"}));
    doc->m_anSurfaceRowFlag[2][4] = 1;
    doc->m_anSurfaceRowA[2][4] = 4, doc->m_anSurfaceRowB[2][4] = 5, doc->m_anSurfaceRowC[2][4] = 6;
    doc->m_astrSurfaceName[14] = "wn", doc->m_astrSurfaceFile[14] = "wf";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteSurface(2); }),
              (std::vector<std::string>{"OnDdSurfaceWhole(4,9,4,0,0,0,0,2,0,6,5,600,10,30," + zoom +
                                        ",[F|],[5235],[wn],[9],[wf],[Z:\\app\\])"}));

    doc->m_anLineRowFlag[0] = {1, 0, 1, 0, 1, 1, 1};
    doc->m_anLineRowValue[0] = {30, 31, 32, 33, 34};
    doc->m_astrLineFile[0] = "road.dat", doc->m_astrLineName[2] = "rn", doc->m_astrLineFile[2] = "rf";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteLines(0, 0); }),
              (std::vector<std::string>{"OnDdRoadWhite(30,30,10,9,5235,0,0,2,0,0,0,600,0,0," + zoom +
                                        ",[F|],[5235],[],[9],[road.dat],[Z:\\app\\])"}));
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteLines(1, 0); }),
              (std::vector<std::string>{"OnDdRiverWhite(32,30,10,9,5235,0,0,0,0,0,0,600,0,0," + zoom +
                                        ",[F|],[5235],[rn],[9],[rf],[Z:\\app\\])"}));
    doc->m_anLineRowFlag[2][4] = 1, doc->m_anLineRowValue[2][4] = 23;
    doc->m_astrLineName[14] = "rail", doc->m_astrLineFile[14] = "rail.dat";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhiteLines(2, 2); }),
              (std::vector<std::string>{"OnDDLWholeCountryWhite(203,9,2,0,0,0,0,2,0,0,0,4,600,10,30," + zoom +
                                        ",[],[5235],[rail],[9],[rail.dat],[Z:\\app\\])"}));

    doc->m_anPointRowFlag[1][4] = 1;
    doc->m_anPointRowA[1][4] = 7, doc->m_anPointRowB[1][4] = 8, doc->m_anPointRowC[1][4] = 9;
    doc->m_astrPointName[9] = "pn", doc->m_astrPointFile[9] = "pf";
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawWhitePoints(1); }),
              (std::vector<std::string>{"OnDdPointWhite(7,0,1,2,0,3,140,9,8,600,10,30," + zoom +
                                        ",[],[5235],[pn],[9=F|],[pf],[Z:\\app\\])"}));
    doc->m_anPointRowFlag[3][2] = 1;
    doc->m_anPointRowB[3] = {70, 0, 72, 0, 0};
    EXPECT_EQ(fakelayers::Head(White([](CMapRenderer& r) { r.DrawWhitePoints(3); }).at(0)),
              "OnDdPointWhite(0,0,1,2,0,2,320,0,72,600,10,30," + zoom)
        << "the row's own second value";

    doc->seismic.m_anSeisSetting = {0, 0, 1, 5, 0, 6, 1, 2, 3, 4};
    EXPECT_EQ(White([](CMapRenderer& r) { r.DrawSeismicWhiteMesh(); }),
              (std::vector<std::string>{"OnSeisWhiteMesh(0,999,1,2,0,2,42301,800,5,600,10,30," + zoom +
                                        ",[],[5235],[9=F|],[Z:\\app\\])"}));
}

TEST_F(LayerDispatch, WhiteBlockBySheetCount)
{
    doc->m_anPointRowFlag[0][0] = 1;
    doc->m_astrBlockMeshCode[1] = "5135";
    doc->m_astrBlockMeshCode[12] = "5337";
    struct Case {
        int frame, mode;
        std::string expected;
    };
    for (const Case& c :
         {Case{1, 9, "[],[5135],[],[F|]"}, Case{2, 25, "[],[5337],[],[25=F|]"}, Case{2, 49, "[],[],[],[49=F|]"}}) {
        doc->position.m_nMapFrame = c.frame;
        doc->position.m_nMapMode = c.mode;
        const auto calls = White([](CMapRenderer& r) { r.DrawWhitePoints(0); });
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_NE(calls[0].find(c.expected), std::string::npos) << calls[0];
    }
    doc->position.m_nMapFrame = 2, doc->position.m_nMapMode = 49;
    doc->m_anLineRowFlag[0][0] = 1;
    EXPECT_EQ(fakelayers::Head(White([](CMapRenderer& r) { r.DrawWhiteLines(0, 0); }).at(0)),
              "OnDdRoadWhite(0,30,10,49,0,0,0,2,0,0,0,600,0,0,1.5,1.25")
        << "no block: mesh number 0";
}

TEST_F(LayerDispatch, LandLayerSwitchesReadTheFlags)
{
    using L = LandLayer;
    struct Case {
        LandLayer layer;
        std::function<void(CVeldoranDoc&)> set;
    };
    const Case cases[] = {
        {L::FineMesh, [](CVeldoranDoc& d) { d.m_anFineMeshFlag[5] = 1; }},
        {L::GeologyFirst, [](CVeldoranDoc& d) { d.geology.m_nGeologyLayer = 1; }},
        {L::GeologySecond, [](CVeldoranDoc& d) { d.geology.m_nLandClassLayer = 1; }},
        {L::Mesh0, [](CVeldoranDoc& d) { d.m_anMeshRowFlag[0][5] = 1; }},
        {L::Mesh0Second, [](CVeldoranDoc& d) { d.m_anMeshRowFlag[0][1] = 1; }},
        {L::Mesh2, [](CVeldoranDoc& d) { d.m_anMeshRowFlag[2][5] = 1; }},
        {L::Seismic, [](CVeldoranDoc& d) { d.seismic.m_bSeismicLayer = 1; }},
        {L::Surface1, [](CVeldoranDoc& d) { d.m_anSurfaceRowFlag[1][5] = 1; }},
        {L::Lines0, [](CVeldoranDoc& d) { d.m_anLineRowFlag[0][5] = 1; }},
        {L::Roads0, [](CVeldoranDoc& d) { d.m_anLineRowFlag[0][0] = 1; }},
        {L::Lines6, [](CVeldoranDoc& d) { d.m_anLineRowFlag[6][5] = 1; }},
        {L::Points4, [](CVeldoranDoc& d) { d.m_anPointRowFlag[4][5] = 1; }},
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_FALSE(IsLandLayerShown(*doc, c.layer)) << int(c.layer);
        c.set(*doc);
        EXPECT_TRUE(IsLandLayerShown(*doc, c.layer)) << int(c.layer);
    }
}

TEST_F(LayerDispatch, WhiteLayerListCallsItsDispatcher)
{
    doc->m_anLineRowFlag[0] = {1, 1, 0, 0, 0, 1, 1};
    doc->m_anPointRowFlag[2][0] = 1;
    const auto first = [](const std::vector<std::string>& calls) {
        return calls.empty() ? std::string() : calls[0].substr(0, calls[0].find('('));
    };
    const auto sheetCall = [](LandLayer layer) {
        return [layer](CMapRenderer& r) { LandLayerRowOf(layer).drawOnSheet(r); };
    };
    EXPECT_EQ(first(White(sheetCall(LandLayer::Roads0))), "OnDdRoadWhite");
    EXPECT_EQ(first(White(sheetCall(LandLayer::Lines0))), "OnDdRiverWhite");
    EXPECT_EQ(first(White(sheetCall(LandLayer::Points2))), "OnDdPointWhite");
    EXPECT_EQ(LandLayerRowOf(LandLayer::Mesh0Second).drawOnSheet, nullptr);
}

// The white sheet map draws the shown layers in their order and marks its two results; the road
// row draws only with its rivers, and the 7 x 7 block and the free extent draw none.
TEST_F(LayerDispatch, WhiteSheetMapDrawsTheShownLayersInOrder)
{
    const auto names = [] {
        std::vector<std::string> out;
        for (const std::string& call : fakelayers::Calls())
            if (call.find("White") != std::string::npos || call.find("SurfaceWhole") != std::string::npos)
                out.push_back(call.substr(0, call.find('(')));
        return out;
    };
    std::optional<WhiteLayerResult> white;
    const auto draw = [&](int frame, int mode) {
        doc->position.m_nMapFrame = frame;
        doc->position.m_nMapMode = mode;
        fakelayers::Log().clear();
        vd::RecordingDc dc;
        CMapRenderer renderer(&dc, doc.get(), 1024, 768);
        white = renderer.DrawSheetMap(0, 0);
        return names();
    };
    const auto allOff = [&] {
        doc->m_anFineMeshFlag.fill(0);
        doc->geology.m_nGeologyLayer = doc->geology.m_nLandClassLayer = 0;
        for (auto& tab : doc->m_anMeshRowFlag)
            tab.fill(0);
        doc->seismic.m_bSeismicLayer = 0;
        for (auto& tab : doc->m_anSurfaceRowFlag)
            tab.fill(0);
        for (auto& tab : doc->m_anLineRowFlag)
            tab.fill(0);
        for (auto& tab : doc->m_anPointRowFlag)
            tab.fill(0);
    };
    // One row and the tab switched on in each family, the last tab of a family before its first.
    allOff();
    doc->m_anFineMeshFlag[0] = doc->m_anFineMeshFlag[5] = 1;
    doc->geology.m_nGeologyLayer = 1;
    doc->m_anMeshRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anMeshRowFlag[0] = {1, 0, 0, 0, 0, 1, 0};
    doc->seismic.m_bSeismicLayer = 1;
    doc->seismic.m_anSeisSetting[2] = 1;
    doc->m_anSurfaceRowFlag[2] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anSurfaceRowFlag[0] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anLineRowFlag[3] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anLineRowFlag[0] = {1, 1, 0, 0, 0, 1, 0};
    doc->m_anPointRowFlag[5] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(draw(2, 9), (std::vector<std::string>{"OnDdWhitePlnF10Mesh", "OnDdWhiteG4Mesh", "OnDdWhiteMesh",
                                                    "OnDdWhiteMesh", "OnSeisWhiteMesh", "OnDdSurfaceWhite",
                                                    "OnDdSurfaceWhole", "OnDdRoadWhite", "OnDdRiverWhite",
                                                    "OnDDLWholeCountryWhite", "OnDdPointWhite", "OnDdPointWhite"}));
    ASSERT_TRUE(white.has_value());
    EXPECT_EQ(white->state, 0);
    EXPECT_EQ(white->layerDrawn, 1);
    EXPECT_EQ(white->meshDrawn, 1);

    struct Case {
        const char* what;
        std::function<void(CVeldoranDoc&)> set;
        int layer, mesh;
        std::vector<std::string> drawn;
    };
    const Case cases[] = {
        {"a surface marks the layer result only",
         [](CVeldoranDoc& d) { d.m_anSurfaceRowFlag[1] = {1, 0, 0, 0, 0, 1, 0}; }, 1, -1, {"OnDdSurfaceWhite"}},
        {"lines and points mark nothing",
         [](CVeldoranDoc& d) {
             d.m_anLineRowFlag[3] = {1, 0, 0, 0, 0, 1, 0};
             d.m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 0};
         },
         -1, -1, {"OnDDLWholeCountryWhite", "OnDdPointWhite"}},
        {"the road row alone draws nothing", [](CVeldoranDoc& d) { d.m_anLineRowFlag[0][0] = 1; }, -1, -1, {}},
        {"the seismic layer marks both",
         [](CVeldoranDoc& d) {
             d.seismic.m_bSeismicLayer = 1;
             d.seismic.m_anSeisSetting[2] = 1;
         },
         1, 1, {"OnSeisWhiteMesh"}},
    };
    for (const Case& c : cases) {
        allOff();
        c.set(*doc);
        EXPECT_EQ(draw(1, 9), c.drawn) << c.what;
        ASSERT_TRUE(white.has_value()) << c.what;
        EXPECT_EQ(white->layerDrawn, c.layer) << c.what;
        EXPECT_EQ(white->meshDrawn, c.mesh) << c.what;
    }

    doc->m_anPointRowFlag[0] = {1, 0, 0, 0, 0, 1, 0};
    for (const auto& [frame, mode] : {std::pair{2, 49}, std::pair{3, 49}}) {
        EXPECT_TRUE(draw(frame, mode).empty()) << frame << " " << mode;
        ASSERT_TRUE(white.has_value());
        EXPECT_EQ(white->state, 999);
        EXPECT_FALSE(white->layerDrawn.has_value());
    }
}

// The overview groups in their order; point themes alone do not count as drawn, and a group
// outside 0-3 draws nothing.
TEST_F(LayerDispatch, OverviewGroupsInOrder)
{
    doc->geology.m_nLandClassLayer = 1;
    doc->m_anLineRowFlag[0] = {1, 1, 0, 0, 0, 1, 0};
    doc->m_anLineRowFlag[3] = {1, 0, 0, 0, 0, 1, 0};
    doc->m_anPointRowFlag[1] = {1, 0, 0, 0, 0, 1, 0};
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 800, 600);
    EXPECT_EQ(renderer.DrawOverviewLayers(4), -1);
    fakelayers::Log().clear();
    EXPECT_EQ(renderer.DrawOverviewLayers(0), 1);
    EXPECT_EQ(renderer.m_bOverviewGeologyDrawn, 1);
    EXPECT_EQ(renderer.DrawOverviewLayers(1), 1);
    EXPECT_EQ(renderer.DrawOverviewLayers(2), -1);
    std::vector<std::string> names;
    for (const std::string& call : fakelayers::Calls())
        names.push_back(call.substr(0, call.find('(')));
    EXPECT_EQ(names, (std::vector<std::string>{"OnD4GeologyMesh", "OnDdPlainRoad", "OnDdPlainRiver",
                                               "OnDdPlainWholeCountry", "OnDdPlainPoint"}));

    doc->geology.m_nLandClassLayer = 0;
    doc->m_anLineRowFlag[0][5] = doc->m_anLineRowFlag[3][5] = 0;
    EXPECT_EQ(renderer.DrawOverviewLayers(1), -1);
}

// Every layer of the table names a command the document handles: the settings of its family.
TEST_F(LayerDispatch, EveryLayerNamesItsFamilysSettingsCommand)
{
    for (const LandLayerRow& row : LandLayerTable()) {
        EXPECT_EQ(&LandLayerRowOf(row.id), &row);
        EXPECT_TRUE(doc->canHandle(row.menuCommand)) << int(row.id) << ": " << row.menuCommand;
    }
}
