// The start sheet 京都及大阪 drawn from the bundled sample data as one sheet, in blocks of 3 x 3,
// 5 x 5 and 7 x 7 and as a free extent, checked at named places.
#include "ViewTestSupport.h"

#include "platform/dc/Bitmap.h"
#include "platform/dc/ImageDc.h"
#include "platform/fs/PathResolver.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/UiScript.h"
#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Place {
    const char* name;
    double latitude;  // degrees
    double longitude; // degrees
};
// Places inside the start sheet (34°40'-35°20' N, 135°-136° E).
constexpr double Deg(int d, int m, int s) { return d + m / 60.0 + s / 3600.0; }
constexpr Place kOsakaBay{"Osaka Bay", Deg(34, 40, 40), Deg(135, 20, 0)};
constexpr Place kKyoto{"Kyoto", Deg(35, 0, 40), Deg(135, 46, 0)};
constexpr Place kShiga{"Otsu", Deg(35, 0, 40), Deg(135, 54, 0)};
constexpr Place kLakeBiwa{"Lake Biwa", Deg(35, 5, 0), Deg(135, 55, 0)};

class SheetMapRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        vd::seedFolder(VD_SAMPLE_DATA_DIR, doctest::Home());
        doc = viewtest::MakeDocument();
        vd::ui::Script::install()->setFullScreenSize({1280, 1000});
        doc->m_strMapName = "京都及大阪";
        doc->FindSheetByName(doc->m_strMapName, doc->folders.m_strSheetIndexFile);
        doc->position.m_nMapType = 1;
        doc->position.m_nMapFigure = 0;
        doc->spec.m_nLake = 1;
        doc->spec.m_nPrefBorder = 1;
        doc->spec.m_strPrefBorderColour = "RED";
        doc->colours.m_crSeaColour = vd::RGB(126, 180, 234);
        // The named places are checked on the map itself, without the place names over it.
        doc->environment.m_strSiteNameFile.clear();
    }

    void Draw(int frame, int mode)
    {
        doc->position.m_nMapFrame = frame;
        doc->position.m_nMapMode = mode;
        CMapRenderer renderer(&picture, doc.get(), kWidth, kHeight);
        white = renderer.DrawSheetMap(0, 1);
        if (const char* dir = std::getenv("VD_SHEETMAP_PICTURES"))
            picture.GetBitmap().ToDib().WriteFile(std::string(dir) + "/sheet-" + std::to_string(frame) + "-" +
                                                  std::to_string(mode) + ".bmp");
    }

    // Where a place falls on the drawn block.
    vd::Point PixelOf(const Place& place) const
    {
        const double latSec = place.latitude * 3600;
        const double lonSec = place.longitude * 3600;
        double sx, sy, north;
        if (doc->position.m_nMapFrame == 3) {
            sx = doc->m_fWhiteZoomX;
            sy = doc->m_fWhiteZoomY;
            north = doc->position.m_nRangeNorthSec;
        } else {
            const int n = doc->position.m_nMapFrame == 1   ? 1
                          : doc->position.m_nMapMode == 9  ? 3
                          : doc->position.m_nMapMode == 25 ? 5
                                                           : 7;
            sx = doc->m_fWhiteZoomX * 0.08888889;
            sy = doc->m_fWhiteZoomY * 0.13333334;
            north = doc->m_nBlockSouthSec + n * 2400;
        }
        return {10 + int((lonSec - doc->m_nBlockWestSec) * sx), 30 + int((north - latSec) * sy)};
    }
    vd::COLORREF At(const Place& place) const
    {
        const vd::Point p = PixelOf(place);
        return picture.GetPixel(p.x, p.y);
    }
    // Whether a pixel of the colour lies on the path between two places: north or south first,
    // then east or west (a path of neighbouring pixels, so no 1-pixel line slips through).
    bool Crossed(const Place& from, const Place& to, vd::COLORREF colour) const
    {
        const vd::Point a = PixelOf(from);
        const vd::Point b = PixelOf(to);
        for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
            if (picture.GetPixel(a.x, y) == colour)
                return true;
        for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
            if (picture.GetPixel(x, b.y) == colour)
                return true;
        return false;
    }
    void ExpectNamedPlaces()
    {
        const vd::COLORREF land = doc->colours.m_crBackground;
        EXPECT_EQ(At(kOsakaBay), land);
        EXPECT_EQ(At(kKyoto), land);
        EXPECT_EQ(At(kLakeBiwa), doc->colours.m_crLakeColour);
        // The coast lies between the bay and Kyoto; the Kyoto-Shiga border between Kyoto and Otsu.
        EXPECT_TRUE(Crossed(kOsakaBay, kKyoto, vd::RGB(0, 0, 0)));
        EXPECT_FALSE(Crossed(kKyoto, kKyoto, kBorderRed));
        EXPECT_TRUE(Crossed(kKyoto, kShiga, kBorderRed));
    }

    static constexpr vd::COLORREF kBorderRed = vd::RGB(255, 0, 0);
    std::unique_ptr<CVeldoranDoc> doc;
    vd::ImageDc picture{kWidth, kHeight};
    std::optional<WhiteLayerResult> white;
};

TEST_F(SheetMapRender, OneSheetAndBlocksShowBayKyotoLakeAndBorder)
{
    for (const auto& [frame, mode] : {std::pair{1, 9}, {2, 9}, {2, 25}, {2, 49}}) {
        SCOPED_TRACE(testing::Message() << "frame " << frame << " mode " << mode);
        Draw(frame, mode);
        ExpectNamedPlaces();
    }
}

TEST_F(SheetMapRender, FreeExtentOfTheStartSheet)
{
    doc->position.m_nRangeNorthSec = 35 * 3600 + 20 * 60;
    doc->position.m_nRangeSouthSec = 34 * 3600 + 40 * 60;
    doc->position.m_nRangeWestSec = 135 * 3600;
    doc->position.m_nRangeEastSec = 136 * 3600;
    doc->position.m_nRangeDragLeft = 100;
    doc->position.m_nRangeDragTop = 100;
    doc->position.m_nRangeDragRight = 400;
    doc->position.m_nRangeDragBottom = 300;
    doc->m_strFrameNorth = "35.2000";
    doc->m_strFrameSouth = "34.4000";
    doc->m_strFrameWest = "135.0000";
    doc->m_strFrameEast = "136.0000";
    Draw(3, 9);
    ExpectNamedPlaces();
    ASSERT_TRUE(white.has_value());
    EXPECT_EQ(white->state, 999);
}

TEST_F(SheetMapRender, SheetBitmapUnderTheBlockAndTheMaskAroundIt)
{
    // A tinted sheet bitmap of the start sheet's mesh 5235 in MAPFGRS\.
    vd::Dib sheet = vd::Dib::Create(160, 160, 24);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 160; ++x)
            sheet.SetPixel(x, y, vd::RGB(200, 120, 40));
    std::filesystem::create_directories(doctest::Home() / "MAPFGRS");
    ASSERT_TRUE(sheet.WriteFile((doctest::Home() / "MAPFGRS" / "5235.bmp").string()));
    picture.FillSolidRect(0, 0, kWidth, kHeight, vd::RGB(1, 2, 3));
    doc->position.m_nMapFigure = 1;
    doc->colours.m_nColorStep = 1;
    doc->spec.m_nLake = 0;
    doc->spec.m_nLinkPoint = 0;
    Draw(1, 9);
    const vd::Point kyoto = PixelOf(kKyoto);
    EXPECT_EQ(picture.GetPixel(kyoto.x, kyoto.y), vd::RGB(200, 120, 40));
    // Outside the sheet the window is masked in the background colour, under the side panel too.
    EXPECT_EQ(picture.GetPixel(kWidth - 5, kHeight - 5), doc->colours.m_crBackground);
    EXPECT_EQ(picture.GetPixel(5, 15), doc->colours.m_crBackground);
    EXPECT_EQ(picture.GetPixel(kWidth / 2, kHeight - 3), doc->colours.m_crBackground);
}

// A track over the start sheet's 3 x 3 block through the built Dovanne: blue where its points
// fall, nothing of it beyond the block (the points outside are dropped).
TEST_F(SheetMapRender, TrackOverTheBlockStaysInsideIt)
{
    const auto line = [](const Place& p) {
        const int lat = int(p.latitude * 3600 + 0.5), lon = int(p.longitude * 3600 + 0.5);
        char text[64];
        std::snprintf(text, sizeof text, "T  N%02d%02d%02d.0 E%03d%02d%02d.0\r\n", lat / 3600, lat / 60 % 60, lat % 60,
                      lon / 3600, lon / 60 % 60, lon % 60);
        return std::string(text);
    };
    constexpr Place kFarNorth{"Sea of Japan", Deg(37, 0, 0), Deg(135, 46, 0)};
    constexpr Place kFarWest{"Okayama", Deg(34, 40, 0), Deg(133, 50, 0)};
    viewtest::WriteHomeFile("track.trk", "H  SOFTWARE\r\nU  LAT LON DMS\r\nH  LATITUDE    LONGITUDE\r\n" +
                                             line(kOsakaBay) + line(kKyoto) + line(kFarNorth) + line(kShiga) +
                                             line(kLakeBiwa) + line(kFarWest));
    doc->spec.m_nLake = 0;
    Draw(2, 9);
    // The side panel has blue of its own: only what the track turned blue counts.
    const vd::COLORREF blue = vd::RGB(0, 0, 255);
    std::vector<bool> blueBefore(std::size_t(kWidth * kHeight));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            blueBefore[std::size_t(y * kWidth + x)] = picture.GetPixel(x, y) == blue;
    doc->tracks.m_strTrackFile = vd::toWindowsPath((doctest::Home() / "track.trk").string()).value_or("");
    doc->m_strTrackKind = "trk";
    {
        CMapRenderer renderer(&picture, doc.get(), kWidth, kHeight);
        renderer.DrawTracks();
    }
    for (const Place& p : {kOsakaBay, kKyoto, kShiga, kLakeBiwa}) {
        SCOPED_TRACE(p.name);
        const vd::Point at = PixelOf(p);
        bool near = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                near = near || picture.GetPixel(at.x + dx, at.y + dy) == blue;
        EXPECT_TRUE(near);
    }
    // The start sheet is the centre of the block; its 3 x 3 neighbours end one sheet beyond it.
    const vd::Point northWest = PixelOf({"", Deg(36, 0, 0), Deg(134, 0, 0)});
    const vd::Point southEast = PixelOf({"", Deg(34, 0, 0), Deg(137, 0, 0)});
    int outside = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if ((x < northWest.x - 1 || y < northWest.y - 1 || x > southEast.x + 1 || y > southEast.y + 1) &&
                picture.GetPixel(x, y) == blue && !blueBefore[std::size_t(y * kWidth + x)])
                ++outside;
    EXPECT_EQ(outside, 0);
}

} // namespace

namespace {

// Place-name search hits over the start sheet: each hit's symbol (a filled blue square of class
// colour type 1) lands on the pixel its position gives, on one sheet and on a block.
TEST_F(SheetMapRender, SearchHitsShowTheirSymbolsAtTheirPlaces)
{
    viewtest::WriteHomeFile("tyuuki.csv",
                            viewtest::Cp932Lines({"523501,注記,1,26101,0,3,2,1,京都,きょうと,x,y,1354600,350040",
                                                  "523502,注記,1,27100,0,3,2,1,大阪湾,おおさかわん,x,y,1352000,344040"}));
    doc->environment.m_strAnnotationTable = vd::toWindowsPath((doctest::Home() / "tyuuki.csv").string()).value_or("");
    doc->placeNameClasses.m_anSymbolSetting[3][2] = 8;
    doc->placeNameClasses.m_anClassColour[2 * 55 + 1] = 1;
    doc->placeNameClasses.m_bClassColours = 1;
    doc->search.m_nPlaceNameLayer = 0;
    doc->m_nGnpfValue3 = 3;
    for (const auto& [frame, mode] : {std::pair{1, 9}, {2, 9}}) {
        SCOPED_TRACE(testing::Message() << "frame " << frame << " mode " << mode);
        Draw(frame, mode);
        CMapRenderer renderer(&picture, doc.get(), kWidth, kHeight);
        renderer.DrawPlaceNames();
        EXPECT_EQ(doc->m_nResultDrawn, 2);
        EXPECT_EQ(At(kKyoto), vd::RGB(0, 0, 255));
        EXPECT_EQ(At(kOsakaBay), vd::RGB(0, 0, 255));
        const vd::Point kyoto = PixelOf(kKyoto);
        EXPECT_NE(picture.GetPixel(kyoto.x + 4, kyoto.y), vd::RGB(0, 0, 255));
    }
}

} // namespace
