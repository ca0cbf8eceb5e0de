// The view's base-map routines: the layered sheet map of map mode 5 with its restore and
// transparent passes, the sheet index map, the point symbols and the hit list's bound.
#include "MapViewFixture.h"

#include <algorithm>

#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Format.h"
#include "view/renderer/MapRenderer.h"

#include <fstream>

namespace {

using viewtest::MapView;

class BaseMapRoutines : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFrame = 2;
        doc->position.m_nMapMode = 9;
    }
};

TEST_F(BaseMapRoutines, LayeredMapDrawsTheBlockAndLeavesTheMapOnScreen)
{
    doc->m_nMapDisplayMode = 5;
    doc->m_strEntryParam = "param";
    ShowButtons({15, 30}); // a page's memo and scroll buttons
    Repaint();
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 1);
    EXPECT_EQ(view->m_nViewFrameKind, 2);
    EXPECT_EQ(view->m_strSavedEntryParam, "param");
    EXPECT_TRUE(doc->m_strEntryParam.empty());
    EXPECT_EQ(doc->m_astrBlockMeshCode[4], "5235") << "the centre sheet of the block";
    EXPECT_EQ(doc->m_nBlockSouthSec, 34 * 3600 + 40 * 60 - 2400);
    // The page's buttons go; the sheet map's come: slide show, settings and the block's panel.
    const std::vector<std::string> shown = ShownButtons();
    for (const char* gone : {"15 k15", "30 k30"})
        EXPECT_EQ(std::count(shown.begin(), shown.end(), gone), 0) << gone;
    for (const char* up : {"12 他地域", "13 ﾃｷｽﾄ", "14 画像", "28 設定", "29 ｽﾗｲﾄﾞ"})
        EXPECT_EQ(std::count(shown.begin(), shown.end(), up), 1) << up;
}

TEST_F(BaseMapRoutines, CoveredMapIsOnlyPutBack)
{
    doc->m_nMapDisplayMode = 5;
    view->m_nPictureState = -8888;
    view->m_strSavedEntryParam = "kept";
    Repaint();
    EXPECT_EQ(view->m_nPictureState, 1);
    EXPECT_EQ(doc->m_nMapPixelHeight, 0) << "no sheet map was drawn";
    EXPECT_TRUE(view->m_strSavedEntryParam.empty());
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(BaseMapRoutines, TransparentPassPutsItsSettingsBack)
{
    doc->m_nMapDisplayMode = 5;
    doc->repaint.m_nOverlayLayer = 3;
    doc->repaint.m_bOverlayTransparent = 1;
    doc->repaint.m_nOverlayLakes = -1;
    doc->spec.m_nLake = 1;
    doc->position.m_nMapFigure = 1;
    doc->depth.m_nSubmarineLayer = 1;
    doc->m_astrPointRecord[0] = "first";
    doc->environment.m_strSiteNameFile.clear();
    Repaint();
    EXPECT_EQ(doc->spec.m_nLake, 1);
    EXPECT_EQ(doc->position.m_nMapFigure, 1);
    EXPECT_EQ(doc->depth.m_nSubmarineLayer, 1);
    EXPECT_EQ(doc->m_astrPointRecord[0], "first");
}

TEST_F(BaseMapRoutines, PointerReadoutBoxUnderTheMap)
{
    doc->m_nMapDisplayMode = 5;
    doc->spec.m_nPointerCoords = 1;
    Repaint();
    // Wide window: the box's top is the client height - 27; its face is white, its left edge black.
    EXPECT_EQ(picture->GetPixel(20, kHeight - 27 + 10), vd::RGB(255, 255, 255));
    EXPECT_EQ(picture->GetPixel(12, kHeight - 27 + 10), vd::RGB(0, 0, 0));
    EXPECT_EQ(picture->GetPixel(11, kHeight - 27 + 10), vd::RGB(0, 0, 0));
}

TEST_F(BaseMapRoutines, SheetIndexMapTitleAndPrompt)
{
    doc->m_nMapDisplayMode = 4;
    doc->repaint.m_bMapOnScreen = 0;
    Repaint();
    EXPECT_EQ(frame->GetWindowText(), "1/20万地勢図索引図");
    bool red = false;
    for (int x = 20; x < 200 && !red; ++x)
        for (int y = 6; y < 20 && !red; ++y)
            red = picture->GetPixel(x, y) == vd::RGB(255, 0, 0);
    EXPECT_TRUE(red) << "the double-click prompt in red";
}

TEST_F(BaseMapRoutines, PointSymbolsBySchemeAndShape)
{
    vd::ImageDc dc(100, 100);
    struct Case {
        int scheme, shape;
        vd::COLORREF edge, inside;
        vd::Point edgeAt, insideAt, outsideAt;
    };
    for (const Case& c : std::initializer_list<Case>{
             // Scheme 10: a square one pixel larger than asked, whatever the shape.
             {10, 4, vd::RGB(160, 0, 0), vd::RGB(255, 255, 0), {47, 50}, {50, 50}, {46, 50}},
             {4, 2, vd::RGB(255, 0, 0), vd::RGB(255, 0, 0), {48, 50}, {50, 50}, {47, 50}},
             {8, 4, vd::RGB(0, 0, 255), vd::RGB(0, 0, 255), {47, 50}, {50, 50}, {46, 50}},
             {0, 2, vd::RGB(0, 0, 0), vd::RGB(255, 255, 255), {48, 50}, {50, 50}, {47, 50}},
         }) {
        dc.FillSolidRect(0, 0, 100, 100, vd::RGB(200, 200, 200));
        view->m_nSymbolScheme = c.scheme;
        view->DrawPointSymbol(dc, 50, 50, 3, c.shape);
        EXPECT_EQ(dc.GetPixel(c.edgeAt.x, c.edgeAt.y), c.edge) << "scheme " << c.scheme;
        EXPECT_EQ(dc.GetPixel(c.insideAt.x, c.insideAt.y), c.inside) << "scheme " << c.scheme;
        EXPECT_EQ(dc.GetPixel(c.outsideAt.x, c.outsideAt.y), vd::RGB(200, 200, 200)) << "scheme " << c.scheme;
        EXPECT_EQ(view->m_nSelectedSymbolScheme, c.scheme);
    }
}

TEST_F(BaseMapRoutines, HitListStopsWithRoomForItsEndMark)
{
    // Two files of 3000 points inside the start sheet: the data file and the common area's.
    const auto write = [](const std::string& name) {
        std::ofstream out(doctest::Home() / "SOURCE" / name, std::ios::binary);
        for (int i = 0; i < 3000; ++i)
            out << vd::format("p%d 35.%02d00 135.%02d00 memo.txt\r\n", i, 1 + i % 19, 1 + i % 59);
    };
    std::filesystem::create_directories(doctest::Home() / "SOURCE");
    write("points.dat");
    write("common.dat");
    doc->registered.m_strDataFile = doc->folders.m_strSourceDir + "points.dat";
    doc->registered.m_strCommonDataFile = doc->folders.m_strSourceDir + "common.dat";
    doc->registered.m_strCommonDataSwitch = "on";
    doc->position.m_nMapFrame = 1;
    doc->spec.m_nLinkPoint = 1;
    vd::ImageDc dc(kWidth, kHeight);
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawSheetMap(0, 0);
    EXPECT_EQ(renderer.m_nPointCount, 4999);
    EXPECT_EQ(doc->m_astrHitRecord[4999], "999");
    EXPECT_FALSE(doc->m_astrHitRecord[4998].empty());
    EXPECT_EQ(doc->m_astrHitRecord[2999].substr(0, 6), "p2999 ") << "the common area's points come first";
    EXPECT_EQ(doc->m_astrHitRecord[3000].substr(0, 3), "p0 ");
}

TEST_F(BaseMapRoutines, SiteNamesSetTheirDensityLevelAndTips)
{
    // 60 names inside the start sheet: level 1 on one sheet (50-99 names).
    {
        std::ofstream out(doctest::Home() / "placenmn.dat", std::ios::binary);
        for (int i = 0; i < 60; ++i)
            out << vd::format("n%d 35.%02d00 135.%02d00 %d\r\n", i, 1 + i % 19, 1 + i % 59, 100 + i);
    }
    doc->environment.m_strSiteNameFile = doc->folders.m_strAppDir + "placenmn.dat";
    doc->m_nPointDisplayFlag = 14;
    doc->spec.m_nSiteNamePopup = 1;
    doc->spec.m_nLinkPoint = 0;
    doc->position.m_nMapFrame = 1;
    doc->spec.m_anPlaceNameKind[0] = 1;
    vd::ImageDc dc(kWidth, kHeight);
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawSheetMap(0, 0);
    EXPECT_EQ(doc->m_nPointDisplayFlag, 1);
    EXPECT_GT(doc->m_nSiteNameTipCount, 0);
    EXPECT_LE(doc->m_nSiteNameTipCount, 60);
    EXPECT_EQ(doc->m_nPlaceNameInMap, doc->m_nSiteNameTipCount);
    EXPECT_EQ(doc->m_astrSiteNameTip[0].substr(0, 3), "n0/");
    EXPECT_NE(doc->m_astrSiteNameTip[0].find("m)"), std::string::npos) << doc->m_astrSiteNameTip[0];
    EXPECT_TRUE(doc->m_astrPointRecord[0].empty()) << "the record list is emptied after drawing";
    EXPECT_EQ(doc->m_nSheetLabelHeight, 12);
    EXPECT_EQ(doc->m_nSheetLabelGap, 4);
}

} // namespace
