// The renderer's own rules: colour codes and pens, the cells of every block form, the prefectures
// of the cells, the kept-point window, the label font and the two projections.
#include "municipal/citysurface/MunicipalityAreas.h"
#include "municipal/citysurface/MunicipalityColour.h"
#include "municipal/citysurface/MunicipalityRenderer.h"
#include "platform/dc/RecordingDc.h"
#include "tests/municipal/citysurface/CitySurfaceFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace surrick;

TEST(MunicipalityColours, PensAndBrushesOfTheCodes)
{
    struct Case {
        int code;
        int style, width;
        vd::COLORREF colour, brush;
    };
    const Case cases[] = {
        {0, vd::PS_SOLID, 1, 0xFFFF00, 0xFFFF00},  {12, vd::PS_SOLID, 2, 0xFFFF00, 0xFFFF00},
        {19, vd::PS_SOLID, 2, 0xA0A0A0, 0xA0A0A0}, {11, vd::PS_SOLID, 1, 0x8C8C8C, 0x8C8C8C},
        {31, vd::PS_DOT, 1, 0xFF0080, 0xFF0080},   {47, vd::PS_DOT, 2, 0x0000FF, 0x0000FF},
        {-11, vd::PS_SOLID, 1, 0xDCDCDC, 0xDCDCDC}, {-3, vd::PS_SOLID, 1, 0x000000, 0x000000},
        {10, vd::PS_SOLID, 1, 0x000000, 0x000000}, {62, vd::PS_SOLID, 1, 0x000000, 0xFF0000},
    };
    for (const Case& c : cases) {
        const vd::Pen pen = MunicipalityPolygonPen(c.code);
        EXPECT_EQ(pen.Style(), c.style) << c.code;
        EXPECT_EQ(pen.Width(), c.width) << c.code;
        EXPECT_EQ(pen.Colour(), c.colour) << c.code;
        EXPECT_EQ(MunicipalityFillBrush(c.code).Colour(), c.brush) << c.code;
    }
    EXPECT_EQ(MunicipalityCoastlinePen(31), vd::Pen(vd::PS_SOLID, 1, 0));
    EXPECT_EQ(MunicipalityCoastlinePen(15), vd::Pen(vd::PS_SOLID, 2, 0x008000));
}

struct CellCase {
    const char* what;
    int cellCount, areaKind, wideAreaMode, subMode;
    std::string name, mesh, areaList, further;
    std::vector<std::string> cells; // the ones checked: first, and last when given
    int count, detail;
};

TEST(MunicipalityCells, EveryBlockForm)
{
    std::string quad;
    for (int i = 0; i < 16; ++i)
        quad += std::to_string(5538 + (i % 4) - (i / 4) * 100) + "|";
    const CellCase cases[] = {
        {"white 1", 1, 0, 0, 0, "", "5339", "", "", {"5339"}, 1, 0},
        {"white 9", 9, 0, 0, 0, "", "5339", "", "", {"5438", "5240"}, 9, 0},
        {"white 25", 25, 0, 0, 0, "", "5339", "", "", {"5537", "5141"}, 25, 0},
        {"white 49", 49, 0, 0, 0, "", "5339", "", "", {"5636", "5042"}, 49, 0},
        {"kind 0 mode 2", -1, 0, 2, 0, "", "5339", "", "", {"5537", "5339"}, 9, 0},
        {"kind 0 mode 3", -1, 0, 3, 0, "", "5339", "", "", {"5438", "5339"}, 4, 0},
        {"kind 0 mode -1", -1, 0, -1, 0, "", "533912", "", "", {"5339"}, 1, 3},
        {"広域3", -1, 1, 0, 2, "広域3", "0000", "5339", "", {"5438", "5240"}, 9, 0},
        {"広域5", -1, 2, 0, 2, "広域5", "0000", "", "5339", {"5537", "5141"}, 25, 0},
        {"広域5_7", -1, 1, 0, 2, "広域5_7", "0000", "", "5339", {"5636", "5042"}, 49, 0},
        {"sub-mode 1", -1, 1, 0, 1, "広域5", "5339xx", "", "", {"5339"}, 1, 0},
        {"kind 3 four codes", -1, 3, 10, 0, "", "0000", quad, "", {"5538", "5540", "5338", "5340"}, 4, 3},
        {"kind 4", -1, 4, 0, 0, "", "533912", "", "", {"5339"}, 1, 3},
    };
    for (const CellCase& c : cases) {
        vd::RecordingDc dc;
        CMunicipalityRenderer r(dc);
        r.m_nCellCount = c.cellCount;
        r.m_nAreaKind = c.areaKind;
        r.m_nWideAreaMode = c.wideAreaMode;
        r.m_nAreaSubMode = c.subMode;
        r.m_strWideAreaName = c.name;
        r.m_strMeshCode = c.mesh;
        r.m_strAreaList = c.areaList;
        r.m_strFurtherArea = c.further;
        const std::vector<std::string> cells = r.CellCodes();
        ASSERT_EQ(int(cells.size()), c.count) << c.what;
        EXPECT_EQ(r.m_nDetailLevel, c.detail) << c.what;
        if (c.cells.size() == 4) {
            EXPECT_EQ(cells, c.cells) << c.what;
        } else {
            EXPECT_EQ(cells.front(), c.cells.front()) << c.what;
            EXPECT_EQ(cells.back(), c.cells.back()) << c.what;
        }
    }
    // The centre of the 7 x 7 white block is the mesh itself.
    vd::RecordingDc dc;
    CMunicipalityRenderer r(dc);
    r.m_nCellCount = 49;
    r.m_strMeshCode = "5339";
    EXPECT_EQ(r.CellCodes()[24], "5339");
}

TEST(MunicipalityCells, PrefecturesFromTheLastLineOfEachCell)
{
    prefmap_test::MapFolder data("data");
    data.WriteText("Msh_prft.dat", {"; table", "5339=26", "", "5339=13 14 1 01 11 12 19 20 22 23 24 25 27",
                                    "5340=13 19", "5137=9"});
    vd::RecordingDc dc;
    CMunicipalityRenderer r(dc);
    r.m_strDataFolder = data.Windows();
    r.m_anPrefectureFlags[0] = 1;
    r.CollectPrefectures({"5339", "", "5340"});
    // All thirteen codes of the long line, "1" and "01" once, 13 and 19 once over both cells.
    EXPECT_EQ(r.m_astrPrefectures, (std::vector<std::string>{"13", "14", "01", "11", "12", "19", "20", "22", "23",
                                                             "24", "25", "27"}));

    r.m_anPrefectureFlags = meshcode::ParseOptionList("0|1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1|");
    r.CollectPrefectures({"5339", "5340"});
    EXPECT_EQ(r.m_astrPrefectures, (std::vector<std::string>{"01", "19"}));

    // At full detail a block's cell outside the extent gives nothing.
    r.m_anPrefectureFlags[0] = 1;
    r.m_nDetailLevel = 3;
    r.m_nSouth = 53 * 2400;
    r.m_nNorth = r.m_nSouth + 2400;
    r.m_nWest = 39 * 3600 + 360000;
    r.m_nEast = r.m_nWest + 3600;
    r.CollectPrefectures({"5339", "5137"});
    EXPECT_EQ(r.m_astrPrefectures.size(), 12u);
    r.CollectPrefectures({"5137"});
    EXPECT_EQ(r.m_astrPrefectures, (std::vector<std::string>{"09"}));
}

TEST(MunicipalityRenderer, KeptPointsAndTheirClampToTheExtent)
{
    vd::RecordingDc dc;
    CMunicipalityRenderer r(dc);
    r.m_nSouth = 1000;
    r.m_nNorth = 2000;
    r.m_nWest = 10000;
    r.m_nEast = 12000;
    struct Case {
        int detail, longitude, latitude;
        bool kept;
        int clampedLongitude, clampedLatitude;
    };
    const Case cases[] = {
        // North of the extent but within its longitude band: on the northern edge.
        {0, 11000, 9000, true, 11000, 2000},
        {0, 20000, 2800, true, 12000, 2000},  // latitude band reaches north + 800
        {0, 20000, 2801, false, 0, 0},
        {3, 20000, 2400, true, 12000, 2000},  // 400 at full detail
        {3, 20000, 2401, false, 0, 0},
        {3, 12600, 9000, true, 12000, 2000},  // longitude band east + 600
        {3, 12601, 9000, false, 0, 0},
        {0, 8800, 100, true, 10000, 1000},    // west - 1200
    };
    for (const Case& c : cases) {
        r.m_nDetailLevel = c.detail;
        EXPECT_EQ(r.KeepsPoint(c.longitude, c.latitude), c.kept) << c.longitude << " " << c.latitude;
        if (!c.kept)
            continue;
        int longitude = c.longitude, latitude = c.latitude;
        r.ClampToExtent(longitude, latitude);
        EXPECT_EQ(longitude, c.clampedLongitude);
        EXPECT_EQ(latitude, c.clampedLatitude);
    }
}

TEST(MunicipalityRenderer, LabelFontHeights)
{
    struct Case {
        int cellCount, detail, height;
    };
    const Case cases[] = {{1, 0, 10}, {9, 0, 9}, {-1, 0, 9}, {9, 3, 10}, {-888, 0, 12}, {-999, 3, 11}};
    for (const Case& c : cases) {
        vd::RecordingDc dc;
        CMunicipalityRenderer r(dc);
        r.m_nCellCount = c.cellCount;
        r.m_nDetailLevel = c.detail;
        EXPECT_EQ(LabelFontHeight(r), c.height) << c.cellCount << " " << c.detail;
    }
}

TEST(MunicipalityRenderer, LinearAndLatitudeBandProjections)
{
    vd::RecordingDc dc;
    CMunicipalityRenderer r(dc);
    r.m_nNorth = 130000;
    r.m_nWest = 500000;
    r.m_fOriginX = 10;
    r.m_fOriginY = 20;
    r.m_fScaleX = 0.5f;
    r.m_fScaleY = 0.25f;
    EXPECT_EQ(r.Project(500100, 129000), (vd::Point{60, 270}));
    // Band: 1/10000 degree per pixel 10 gives 10000 / 36000 pixels a second; 36 N has ratio
    // 1.2152789 + (1.3002677 - 1.2152789) / 5. Reference longitude 139 E = 500400 seconds:
    // 3600 seconds east is 1000 / 1.23227666 = 811.5 pixels.
    r.UseLatitudeBand(10.f, 1390000.f);
    const vd::Point p = r.Project(504000, 36 * 3600 + 10);
    EXPECT_EQ(p.x, 10 + 811);
    EXPECT_EQ(p.y, int(float(130000 - 129610) * 0.25f + 20));
    // Far south or north the table's end rows hold.
    EXPECT_EQ(r.Project(500400, 0).x, 10);
}

} // namespace
