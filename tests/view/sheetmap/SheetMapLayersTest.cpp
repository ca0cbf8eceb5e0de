// The sheet map's calls of the municipality and submarine libraries (stand-ins that log their
// arguments): the searched municipality, the submarine layers with their legend, the
// alternative layout's municipality surfaces, the white map's surfaces over a background picture
// and the overview codes.
#include "ViewTestSupport.h"

#include "platform/dc/RecordingDc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Format.h"
#include "platform/ui/UiScript.h"
#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string F(float value)
{
    return vd::format("%.9g", double(value));
}

class SheetMapLayers : public ::testing::Test {
protected:
    void SetUp() override
    {
        vd::ui::Script::install()->setFullScreenSize({1280, 1000});
        doctest::InstallFakeEditor();
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Dovanne.dll", VD_FAKE_DOVANNE_SHEETS));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Surrick.DLL", VD_FAKE_SHEET_LAYERS));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Ombrisk.dll", VD_FAKE_SHEET_LAYERS));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so"));
        ASSERT_TRUE(vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so"));
        doc = std::make_unique<CVeldoranDoc>();
        viewtest::ShowKyotoOsakaSheet(*doc);
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = 9;
        doc->spec.m_nLinkPoint = 0;
        doc->folders.m_strAppDir = "Z:\\app\\";
        doc->folders.m_strCityBorderDir = "Z:\\city\\";
        doc->folders.m_strCoastlineDir = "Z:\\cityCoast\\";
        doc->folders.m_strSubmarineDir = "Z:\\sea\\";
        Log().clear();
    }

    static std::string& Log()
    {
        using LogFn = std::string*();
        return *vd::entryPoint<LogFn>("Surrick.DLL", "FakeSheetLayersLog")();
    }
    static std::vector<std::string> Calls()
    {
        std::vector<std::string> calls;
        const std::string& log = Log();
        for (std::size_t at = 0, end; (end = log.find(");", at)) != std::string::npos; at = end + 2)
            calls.push_back(log.substr(at, end + 1 - at));
        return calls;
    }

    void Draw(int legendFlag = 0)
    {
        vd::RecordingDc dc;
        CMapRenderer renderer(&dc, doc.get(), 1024, 768);
        renderer.DrawSheetMap(0, legendFlag);
    }

    // The 3 x 3 block at 1024 x 768 with the logging Dovanne's ratio 1.25: 703 pixels high.
    static float ScaleY() { return 703 * 0.003125f / 3; }
    static float ScaleX() { return ScaleY() * (1.5f / 1.25f); }
    static std::string PerSecond() { return F(ScaleX() * 0.08888889f) + "," + F(ScaleY() * 0.13333334f) + ","; }

    std::unique_ptr<CVeldoranDoc> doc;
};

TEST_F(SheetMapLayers, SearchedMunicipalityAtTheLastCellOnly)
{
    doc->pointer.m_nFindPlaceKind = 3;
    doc->pointer.m_nActiveViewDialog = 2;
    doc->pointer.m_strFindMunicipality = "26100";
    doc->layerChoice.m_strLayerPrefFlags = "0|1|";
    Draw();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"OnCitySurfaceSearch(5,129600,482400,122400,493200,1,2,2,1,2,1,0,10,"
                                                 "30," +
                                                 PerSecond() +
                                                 "[広域3/0|1|][5136][5235][][Z:\\app\\][Z:\\city\\][26100])"}));
    // Not shown while another dialog is up.
    Log().clear();
    doc->pointer.m_nActiveViewDialog = 1;
    Draw();
    EXPECT_TRUE(Calls().empty());
}

TEST_F(SheetMapLayers, SubmarineLayersByMethodWithTheirLegend)
{
    doc->depth.m_nSubmarineLayer = 1;
    const std::string tail = "10,30," + PerSecond() + "493200,129600,482400,122400,3";
    const std::string cyan = std::to_string(vd::RGB(0, 255, 255));
    struct Case {
        std::array<int, 3> setting;
        std::string call;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{0, 1, 7}, "OnSubmarineTpgraphyRelief([Z:\\sea\\][5134]768,1024,0,7," + tail + ",0,)"},
             {{0, 0, 7}, "OnSubmarineTpgraphyMesh([Z:\\sea\\][5134]768,1024,0,7," + tail + "," + cyan + ",)"},
             {{1, 0, 7}, "OnSubmarineContour([Z:\\sea\\][5134]768,1024,1,1,0," + tail + "," + cyan + ",)"},
             {{3, 0, 7}, "OnSubmarineData([Z:\\sea\\][5134]768,3," + tail + ",)"},
         }) {
        Log().clear();
        doc->depth.m_anSubmarineSetting = c.setting;
        Draw(1);
        EXPECT_EQ(Calls(), (std::vector<std::string>{c.call, "OnSubmarineLegned(" + std::to_string(c.setting[0]) +
                                                                 ",4000,1024," + std::to_string(c.setting[1]) + "," +
                                                                 cyan + ",)"}));
    }
    // Without the legend flag no legend; other methods draw nothing.
    Log().clear();
    doc->depth.m_anSubmarineSetting = {5, 0, 0};
    Draw(0);
    EXPECT_TRUE(Calls().empty());
    // Never in a free extent.
    doc->depth.m_anSubmarineSetting = {1, 0, 0};
    doc->position.m_nMapFrame = 3;
    doc->position.m_nRangeNorthSec = 126000;
    doc->position.m_nRangeSouthSec = 124800;
    doc->position.m_nRangeWestSec = 486000;
    doc->position.m_nRangeEastSec = 487800;
    Draw(1);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(SheetMapLayers, AlternativeLayoutDrawsTheMunicipalitySurfacesOnceAtTheNinthCell)
{
    doc->position.m_nAltSheetLayout = 1;
    doc->m_fMapScale = 2.5f;
    Draw();
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "OnCitySurfacePlain(3,11,10,129600,482400,122400,493200,1,2,2,1,2,0,0,1,2.5,0,10,30," +
                           PerSecond() + "[広域3/][5136][5235][][Z:\\app\\][Z:\\city\\][Z:\\cityCoast\\])"}));
}

TEST_F(SheetMapLayers, WhiteMapSurfacesOverTheBackgroundPicture)
{
    // The tint sheets of the block's meshes (their presence is what counts here).
    doc->folders.m_strMapFigureDir = vd::applicationFolder() + "MAPFGRS\\";
    for (int lat = 50; lat <= 54; ++lat)
        for (int lon = 33; lon <= 37; ++lon)
            viewtest::WriteHomeFile("MAPFGRS/" + std::to_string(lat * 100 + lon) + ".bmp", "BM");
    doc->position.m_nMapFigure = 1;
    doc->spec.m_nCityBorder = 1;
    doc->position.m_nMapFrame = 1;
    Draw();
    const float oneY = 703 * 0.003125f;
    const float oneX = oneY * (1.5f / 1.25f);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"OnCitySurfaceWhite(-11,30,10,1,0,10,1,0,0,0," + F(oneX) + "," +
                                                 F(oneY) + ",[][5235][][Z:\\app\\][Z:\\city\\][Z:\\cityCoast\\])"}));
    Log().clear();
    doc->position.m_nMapFrame = 2;
    Draw();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"OnCitySurfaceWhite(-11,30,10,9,5235,10,2,0,0,0," + F(ScaleX()) +
                                                 "," + F(ScaleY()) +
                                                 ",[][5136][9][Z:\\app\\][Z:\\city\\][Z:\\cityCoast\\])"}));

    // Without its tint sheets the block is drawn plain: no background picture, no surfaces over it.
    std::filesystem::remove_all(std::filesystem::path(std::getenv("VELDORAN_HOME")) / "MAPFGRS");
    Log().clear();
    Draw();
    EXPECT_TRUE(Calls().empty());
}

TEST_F(SheetMapLayers, OverviewCodesSurfacesAndGrid)
{
    vd::RecordingDc dc;
    CMapRenderer renderer(&dc, doc.get(), 1024, 768);
    doc->m_nClipIndexMap = 0;
    doc->pointer.m_nOverviewOriginX = 560;
    doc->position.m_nMapPjctn = 0;
    renderer.SetPrefectureExtent(25);
    renderer.ComputeSheetCodes();
    const int north = CVeldoranDoc::DmsToSeconds(doc->m_strFrameNorth);
    const int west = CVeldoranDoc::DmsToSeconds(doc->m_strFrameWest);
    const int south = CVeldoranDoc::DmsToSeconds(doc->m_strFrameSouth);
    const int east = CVeldoranDoc::DmsToSeconds(doc->m_strFrameEast);
    EXPECT_EQ(north, int(358000 * 0.36f));
    EXPECT_LT(south, north);
    EXPECT_LT(west, east);
    const std::string mesh = vd::format("%02d%02d", (north + south) / 4800, (east + west) / 7200 - 100);
    const auto calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    const std::string head = vd::format("OnCitySurfacePlain(3,11,18,%d,%d,%d,%d,2,2,2,1,3,0,0,0,", north, west, south, east);
    EXPECT_EQ(calls[0].substr(0, head.size()), head);
    EXPECT_NE(calls[0].find("[広域3/][" + mesh + "][" + mesh + "][" + mesh + "][Z:\\app\\][Z:\\city\\][Z:\\cityCoast\\]"),
              std::string::npos)
        << calls[0];
    // XOFF is the overview's origin in the band projection's setting 0.
    EXPECT_NE(calls[0].find("," + F(doc->m_fMapScale) + "," + F(1355000) + ",560,"), std::string::npos) << calls[0];
}

} // namespace
