// The set-ups of the two geology entry points: the object's fields and the drawer call.
#include "geology/GeoMeshSetup.h"
#include "platform/dc/RecordingDc.h"

#include <gtest/gtest.h>

namespace {

const std::string kFlags = "1|0|0|";

D4GeologyMeshArgs PlainArgs(int modeCode, const std::string& prefix)
{
    D4GeologyMeshArgs a;
    a.north = 129600, a.west = 500400, a.south = 127200, a.east = 504000;
    a.areaKind = 2, a.wideAreaMode = 2, a.blockMode = 1, a.layerFlag = 10001, a.detailLevel = 3;
    a.layerModeCode = modeCode, a.item = 4, a.displayOption = 1, a.statusLineY = 700;
    a.originX = 1.5f, a.originY = 2.5f, a.scaleX = 0.25f, a.scaleY = 0.5f;
    a.areaSpec = "広域3/" + kFlags;
    a.centreMesh = "5339", a.wideCentre3 = "5340", a.wideCentre5 = "5341";
    a.dataPrefix = prefix, a.dataFolder = "Z:\\app\\", a.selection = "0101";
    return a;
}

WhiteG4MeshArgs WhiteArgs(int modeCode, int blockMode, const std::string& countAndText)
{
    WhiteG4MeshArgs a;
    a.blockMode = blockMode, a.detailLevel = 2, a.modeCode = modeCode, a.item = 800, a.layerValue = 7;
    a.statusLineY = 600, a.originX = 30, a.originY = 40, a.zoomX = 1.0f, a.zoomY = 2.0f;
    a.centreMesh = "5339", a.cellCountAndText = countAndText;
    a.dataText = "Z:\\KSJ\\LAND.txt/Z:\\KSJ\\VALLEY.txt", a.applicationFolder = "Z:\\app\\", a.selection = "1#1";
    return a;
}

} // namespace

TEST(GeoMeshSetup, PlainModesThemesAndTitles)
{
    struct Case {
        int mode;
        std::string prefix;
        GeoDrawer drawer;
        int code;
        std::string title;
        std::string dataPrefix;
    };
    const Case cases[] = {
        {0, "KSJ\\(GEO01234)", GeoDrawer::Terrain, 0, "表層地質(自然地形ﾒｯｼｭ)", "KSJ\\(GEO01234)"},
        {10, "p", GeoDrawer::Terrain, 10, "土壌(自然地形ﾒｯｼｭ)", "p"},
        {1020, "p", GeoDrawer::Terrain, 1020, "地形分類(自然地形ﾒｯｼｭ)", "p"},
        {1030, "p", GeoDrawer::Terrain, 1030, "谷密度(自然地形ﾒｯｼｭ)", "p"},
        {10000, "L/V", GeoDrawer::LandClass, 0, "表層地質(土地分類ﾒｯｼｭ)", "L"},
        {10010, "L/V", GeoDrawer::LandClass, 10, "土壌(土地分類ﾒｯｼｭ)", "L"},
        {10020, "L/V", GeoDrawer::LandClass, 20, "地形分類(土地分類ﾒｯｼｭ)", "L"},
        {10030, "L/V", GeoDrawer::LandClass, 30, "谷密度メッシュ", "V"},
        {10030, "V", GeoDrawer::LandClass, 30, "谷密度メッシュ", "V"},  // no "/": the valley file
        {10020, "L", GeoDrawer::None, 20, "地形分類(土地分類ﾒｯｼｭ)", ""},  // ... and none for the rest
        {10020, "/V", GeoDrawer::None, 20, "地形分類(土地分類ﾒｯｼｭ)", ""},
        {40, "p", GeoDrawer::None, 40, "", "p"},
        {-10, "p", GeoDrawer::None, -10, "", "p"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CGeoMeshRenderer r;
        const GeoDrawerCall call = SetUpD4GeologyMesh(r, nullptr, PlainArgs(c.mode, c.prefix));
        EXPECT_EQ(call.drawer, c.drawer);
        EXPECT_EQ(call.code, c.code);
        EXPECT_EQ(r.m_strTitle, c.title);
        EXPECT_EQ(r.m_strDataPrefix, c.dataPrefix);
    }
}

TEST(GeoMeshSetup, PlainArgumentsReachTheObjectAndTheDrawer)
{
    vd::RecordingDc dc;
    CGeoMeshRenderer r;
    const GeoDrawerCall call = SetUpD4GeologyMesh(r, &dc, PlainArgs(1020, "KSJ\\"));
    EXPECT_EQ(call, (GeoDrawerCall{GeoDrawer::Terrain, -1, 1020, 1, "0101", kFlags}));
    EXPECT_EQ(r.m_pDC, &dc);
    EXPECT_EQ(r.m_nNorth, 129600);
    EXPECT_EQ(r.m_nWest, 500400);
    EXPECT_EQ(r.m_nSouth, 127200);
    EXPECT_EQ(r.m_nEast, 504000);
    EXPECT_EQ(r.m_nAreaKind, 2);
    EXPECT_EQ(r.m_nWideAreaMode, 2);
    EXPECT_EQ(r.m_nBlockMode, 1);
    EXPECT_EQ(r.m_nLayerFlagWhole, 10001);
    EXPECT_EQ(r.m_nLayerFlag, 1);
    EXPECT_EQ(r.m_nDetailLevel, 3);
    EXPECT_EQ(r.m_nItem, 4);
    EXPECT_EQ(r.m_nStatusLineY, 700);
    EXPECT_EQ(r.m_fOriginX, 1.5f);
    EXPECT_EQ(r.m_fOriginY, 2.5f);
    EXPECT_EQ(r.m_fScaleX, 0.25f);
    EXPECT_EQ(r.m_fScaleY, 0.5f);
    EXPECT_EQ(r.m_strWideAreaName, "広域3");
    EXPECT_EQ(r.m_strCentreMesh, "5339");
    EXPECT_EQ(r.m_strWideCentre3, "5340");
    EXPECT_EQ(r.m_strWideCentre5, "5341");
    EXPECT_EQ(r.m_strDataFolder, "Z:\\app\\");

    // Without a "/" the name is empty and the whole text is the flag list.
    D4GeologyMeshArgs a = PlainArgs(0, "p");
    a.areaSpec = kFlags;
    EXPECT_EQ(SetUpD4GeologyMesh(r, &dc, a).flagList, kFlags);
    EXPECT_EQ(r.m_strWideAreaName, "");
}

TEST(GeoMeshSetup, WhiteExtentsScalesAndCells)
{
    struct Case {
        int blockMode;
        std::string countAndText;
        int cells;
        int north, west, south, east;
        std::string flags;
    };
    const Case cases[] = {
        {2, "25/" + kFlags, 25, 56 * 2400, 137 * 3600, 51 * 2400, 142 * 3600, kFlags},
        {2, "9/" + kFlags, 9, 55 * 2400, 138 * 3600, 52 * 2400, 141 * 3600, kFlags},
        {2, "25", 25, 56 * 2400, 137 * 3600, 51 * 2400, 142 * 3600, ""},
        {1, "25/" + kFlags, 1, 129600, 500400, 127200, 504000, kFlags},
        // One sheet passes the flags alone: they are the flag list, not a count.
        {1, kFlags, 1, 129600, 500400, 127200, 504000, kFlags},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.countAndText);
        CGeoMeshRenderer r;
        const GeoDrawerCall call = SetUpWhiteG4Mesh(r, nullptr, WhiteArgs(2, c.blockMode, c.countAndText));
        EXPECT_EQ(call, (GeoDrawerCall{GeoDrawer::WhiteTerrain, c.cells, 2, 7, "1#1", c.flags}));
        EXPECT_EQ(r.m_nNorth, c.north);
        EXPECT_EQ(r.m_nWest, c.west);
        EXPECT_EQ(r.m_nSouth, c.south);
        EXPECT_EQ(r.m_nEast, c.east);
        EXPECT_EQ(r.m_fScaleX, 1.0f * 0.08888889f);
        EXPECT_EQ(r.m_fScaleY, 2.0f * 0.13333334f);
        EXPECT_EQ(r.m_nBlockMode, c.blockMode);
        EXPECT_EQ(r.m_nDetailLevel, 2);
        EXPECT_EQ(r.m_nItem, 800);
        EXPECT_EQ(r.m_nStatusLineY, 600);
        EXPECT_EQ(r.m_fOriginX, 30.0f);
        EXPECT_EQ(r.m_strCentreMesh, "5339");
        EXPECT_EQ(r.m_strDataFolder, "Z:\\app\\");
    }
}

TEST(GeoMeshSetup, WhiteLandClassificationChoosesItsFile)
{
    struct Case {
        int mode;
        GeoDrawer drawer;
        int theme;
        std::string prefix;
    };
    const Case cases[] = {
        {10002, GeoDrawer::WhiteLandClass, 2, "Z:\\KSJ\\LAND.txt"},
        {10003, GeoDrawer::WhiteLandClass, 3, "Z:\\KSJ\\VALLEY.txt"},
        {3, GeoDrawer::WhiteTerrain, 3, "Z:\\KSJ\\LAND.txt/Z:\\KSJ\\VALLEY.txt"},
        {10004, GeoDrawer::None, 4, "Z:\\KSJ\\LAND.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CGeoMeshRenderer r;
        const GeoDrawerCall call = SetUpWhiteG4Mesh(r, nullptr, WhiteArgs(c.mode, 2, "9/" + kFlags));
        EXPECT_EQ(call.drawer, c.drawer);
        EXPECT_EQ(call.code, c.theme);
        EXPECT_EQ(r.m_strDataPrefix, c.prefix);
        EXPECT_EQ(r.m_strWideCentre5, "9");
    }
}
