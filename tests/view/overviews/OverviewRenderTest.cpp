// The overviews drawn from the bundled sample data into a 1024 x 768 picture, checked at named
// places: the whole country in both projections with its graticule, a regional map, and the
// Japan overview of Hokkaido and of a prefecture of Honshu.
#include "OverviewTestSupport.h"

#include "basemap/projection/AlbersProjection.h"
#include "basemap/projection/SansonProjection.h"
#include "platform/dc/BitmapImpl.h"
#include "platform/dc/ImageDc.h"
#include "view/renderer/MapRenderer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using vd::RGB;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr vd::COLORREF kBlack = RGB(0, 0, 0);
constexpr vd::COLORREF kGrey = RGB(150, 150, 150);

struct Place {
    const char* name;
    double latitude; // degrees
    double longitude;
};

// Whether a pixel of the colour lies within `reach` pixels of (x, y).
bool ColourNear(const vd::Dc& dc, vd::Point at, vd::COLORREF colour, int reach)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (dc.GetPixel(at.x + dx, at.y + dy) == colour)
                return true;
    return false;
}

vd::COLORREF PixelAt(const vd::Dc& dc, vd::Point p) { return dc.GetPixel(p.x, p.y); }

int CountColour(const vd::Dc& dc, vd::COLORREF colour)
{
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            n += dc.GetPixel(x, y) == colour;
    return n;
}

// With VD_OVERVIEW_PICTURES set, the pictures are kept there for a look.
void Keep(const vd::ImageDc& dc, const char* name)
{
    if (const char* folder = std::getenv("VD_OVERVIEW_PICTURES"))
        vd::bitmapImage(dc.GetSurface()).save(QString::fromUtf8(folder) + "/" + name + ".png");
}

class OverviewRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = viewtest::MakeDocumentWithSampleData();
        doc->m_nMapDisplayMode = 5;
        doc->spec.m_nLinkPoint = 0;
        doc->m_nSiteNameDisplay = 0;
    }
    vd::Point Band(const Place& p) const
    {
        const SansonProjection band(doc->pointer.m_nOverviewOriginX, 0, doc->m_fRefLatitude, doc->m_fRefLongitude,
                                    doc->m_fMapScale);
        const PixelPoint at = band.project(p.latitude * 10000, p.longitude * 10000);
        return {at.x, at.y};
    }
    std::unique_ptr<CVeldoranDoc> doc;
    vd::ImageDc dc{kWidth, kHeight};
};

constexpr Place kCapeSoya{"宗谷岬", 45.5225, 141.9364};
constexpr Place kCapeInubo{"犬吠埼", 35.7075, 140.8689};
constexpr Place kCapeSata{"佐多岬", 30.9942, 130.6614};
constexpr Place kCapeErimo{"襟裳岬", 41.9250, 143.2500};

TEST_F(OverviewRender, WholeCountryInTheBandProjectionWithItsGraticule)
{
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawOverviewFrame(1);
    Keep(dc, "whole-band");
    for (const Place& p : {kCapeSoya, kCapeInubo, kCapeSata, kCapeErimo})
        EXPECT_TRUE(ColourNear(dc, Band(p), kBlack, 3)) << p.name;
    // The meridian of 140 degrees east crosses the parallel of 40 degrees north.
    EXPECT_TRUE(ColourNear(dc, Band({"40N 140E", 40.0, 140.0}), kGrey, 1));
    // The Sea of Japan (39N 135E) and the Pacific (33N 145E) show the background.
    EXPECT_EQ(PixelAt(dc, Band({"日本海", 39.0, 135.0})), doc->colours.m_crBackground);
    EXPECT_EQ(PixelAt(dc, Band({"太平洋", 33.0, 145.5})), doc->colours.m_crBackground);
}

TEST_F(OverviewRender, WholeCountryInTheAlbersProjectionWithItsGraticule)
{
    doc->m_nClipIndexMap = 2;
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawOverviewFrame(1);
    Keep(dc, "whole-albers");
    const AlbersProjection conic(doc->pointer.m_nOverviewOriginX, doc->m_fRefLatitude, doc->m_fRefLongitude,
                                 doc->m_fMapScale);
    const auto at = [&](const Place& p) {
        const PixelPoint q = conic.project(p.latitude * 10000, p.longitude * 10000);
        return vd::Point{q.x, q.y};
    };
    for (const Place& p : {kCapeSoya, kCapeInubo, kCapeSata, kCapeErimo})
        EXPECT_TRUE(ColourNear(dc, at(p), kBlack, 3)) << p.name;
    EXPECT_TRUE(ColourNear(dc, at({"40N 140E", 40.0, 140.0}), kGrey, 1));
    EXPECT_EQ(PixelAt(dc, at({"日本海", 39.0, 135.0})), doc->colours.m_crBackground);
    // The conic's meridians lean: 130E is further left at 30N than at 40N... on the same side.
    EXPECT_NE(at({"", 30.0, 130.0}).x, at({"", 40.0, 130.0}).x);
}

TEST_F(OverviewRender, RegionalOverviewOfSouthWestJapan)
{
    doc->position.m_nPrefectureSel = 1;
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawOverviewFrame(1);
    Keep(dc, "region-southwest");
    EXPECT_EQ(doc->m_fRefLatitude, 370000.0f);
    EXPECT_TRUE(ColourNear(dc, Band(kCapeSata), kBlack, 3));
    EXPECT_TRUE(ColourNear(dc, Band({"室戸岬", 33.2447, 134.1764}), kBlack, 3));
    EXPECT_EQ(PixelAt(dc, Band({"土佐湾沖", 32.5, 134.0})), doc->colours.m_crBackground);
    EXPECT_GT(CountColour(dc, kBlack), 3000);
}

TEST_F(OverviewRender, JapanOverviewOfHokkaidoDrawsTheWholeOutlineInItsFrame)
{
    doc->position.m_nPrefecture = 0;
    doc->position.m_nPrefectureSel = 4;
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawJapanOverview();
    Keep(dc, "japan-hokkaido");
    EXPECT_EQ(doc->m_fRefLatitude, 460000.0f);
    EXPECT_EQ(doc->m_fMapScale, 1000 / 15.0f);
    for (const Place& p : {kCapeSoya, kCapeErimo, Place{"納沙布岬", 43.3850, 145.8167}})
        EXPECT_TRUE(ColourNear(dc, Band(p), kBlack, 3)) << p.name;
    EXPECT_EQ(PixelAt(dc, Band({"オホーツク海", 45.0, 144.0})), doc->colours.m_crBackground);
    EXPECT_EQ(doc->m_nClipIndexMap, 0);
}

TEST_F(OverviewRender, JapanOverviewOfKanagawaDrawsItsSheetsCoastAndScale)
{
    doc->position.m_nPrefecture = 13; // 神奈川県
    doc->position.m_nPrefectureSel = 4;
    doc->m_nClipIndexMap = 2; // put back after the drawing
    doc->environment.m_nPrfMpData = 1;
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawJapanOverview();
    Keep(dc, "japan-kanagawa");
    EXPECT_EQ(doc->m_nClipIndexMap, 2);
    // The frame of the window: north at the reference latitude, south 768 x 12.5 below it.
    EXPECT_EQ(doc->m_strFrameNorth, "35.4800");
    EXPECT_EQ(doc->m_strFrameSouth, "34.5024");
    // Tokyo Bay's shore south of Yokohama (Cape Kannon), drawn sheet by sheet in black.
    EXPECT_TRUE(ColourNear(dc, Band({"観音崎", 35.2561, 139.7450}), kBlack, 8));
    EXPECT_FALSE(ColourNear(dc, Band({"相模湾", 35.1000, 139.3500}), kBlack, 8));
    EXPECT_EQ(doc->m_strFrameName, "神奈川県");
    EXPECT_GT(CountColour(dc, kBlack) + CountColour(dc, RGB(0, 0, 255)), 1000);
}

} // namespace

namespace {

TEST_F(OverviewRender, DataSourceScreenListsTheSourcesInTheirColours)
{
    std::string binder;
    for (int n = 1; n <= 23; ++n)
        binder += "資料" + std::to_string(n) + "\r\n";
    viewtest::WriteHomeFile("SOURCE/BINDER.DAT", vd::utf8ToCp932(binder));
    viewtest::WriteSourceFile(*doc, "Source1.dat", {"那覇 26.1244 127.4052 a.txt"});
    doc->m_nMapDisplayMode = 7;
    CMapRenderer renderer(&dc, doc.get(), kWidth, kHeight);
    renderer.DrawOverviewFrame(0);
    Keep(dc, "data-sources");
    // The white list box, the common area's red legend circle and source 1's pink one.
    EXPECT_EQ(dc.GetPixel(150, 240), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(17, 26), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(17, 45), RGB(255, 120, 120));
    // Naha's point in source 1's colour.
    EXPECT_TRUE(ColourNear(dc, Band({"那覇", 26.2122, 127.6811}), RGB(255, 120, 120), 3));
    EXPECT_EQ(doc->m_nSourcePage, 10);
}

} // namespace
