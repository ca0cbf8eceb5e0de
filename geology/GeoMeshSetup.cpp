#include "geology/GeoMeshSetup.h"

#include "meshcode/MeshCode.h"

#include <string_view>
#include <utility>

namespace {

constexpr int kLandClassMark = 10000;
constexpr int kValleyTheme = 3;

bool DrawnTheme(int theme) { return theme >= 0 && theme <= kValleyTheme; }

// Text before and after the first "/"; without one, the whole text is `whole`'s side.
std::pair<std::string, std::string> SplitAtSlash(const std::string& text, bool wholeBefore)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return wholeBefore ? std::pair{text, std::string()} : std::pair{std::string(), text};
    return {text.substr(0, slash), text.substr(slash + 1)};
}

// The land-classification file of the theme: before the "/" for themes 0-2, after it for the
// valley density; without a "/" the text names the valley-density file only.
std::string LandClassPart(const std::string& text, int theme)
{
    auto [classFile, valleyFile] = SplitAtSlash(text, false);
    return theme == kValleyTheme ? valleyFile : classFile;
}

} // namespace

std::string GeoLayerTitle(bool landClass, int theme)
{
    static constexpr const char* kTerrain[] = {"表層地質(自然地形ﾒｯｼｭ)", "土壌(自然地形ﾒｯｼｭ)", "地形分類(自然地形ﾒｯｼｭ)",
                                               "谷密度(自然地形ﾒｯｼｭ)"};
    static constexpr const char* kLandClass[] = {"表層地質(土地分類ﾒｯｼｭ)", "土壌(土地分類ﾒｯｼｭ)", "地形分類(土地分類ﾒｯｼｭ)",
                                                 "谷密度メッシュ"};
    if (!DrawnTheme(theme))
        return {};
    return landClass ? kLandClass[theme] : kTerrain[theme];
}

GeoDrawerCall SetUpD4GeologyMesh(CGeoMeshRenderer& r, vd::Dc* dc, const D4GeologyMeshArgs& a)
{
    auto [name, flagList] = SplitAtSlash(a.areaSpec, false);
    r.m_pDC = dc;
    r.m_nNorth = a.north;
    r.m_nWest = a.west;
    r.m_nSouth = a.south;
    r.m_nEast = a.east;
    r.m_nAreaKind = a.areaKind;
    r.m_nWideAreaMode = a.wideAreaMode;
    r.m_nBlockMode = a.blockMode;
    r.m_nLayerFlagWhole = a.layerFlag;
    r.m_nLayerFlag = a.layerFlag % kLandClassMark;
    r.m_nDetailLevel = a.detailLevel;
    r.m_nItem = a.item;
    r.m_nStatusLineY = a.statusLineY;
    r.m_fOriginX = a.originX;
    r.m_fOriginY = a.originY;
    r.m_fScaleX = a.scaleX;
    r.m_fScaleY = a.scaleY;
    r.m_strWideAreaName = std::move(name);
    r.m_strCentreMesh = a.centreMesh;
    r.m_strWideCentre3 = a.wideCentre3;
    r.m_strWideCentre5 = a.wideCentre5;
    r.m_strDataPrefix = a.dataPrefix;
    r.m_strDataFolder = a.dataFolder;

    int code = a.layerModeCode;
    const bool landClass = code >= kLandClassMark;
    if (landClass)
        code -= kLandClassMark;
    const int theme = (code >= 1000 ? code % 1000 : code) / 10;
    r.m_strTitle = GeoLayerTitle(landClass, theme);

    GeoDrawerCall call{GeoDrawer::None, -1, code, a.displayOption, a.selection, std::move(flagList)};
    if (!DrawnTheme(theme))
        return call;
    if (!landClass) {
        call.drawer = GeoDrawer::Terrain;
        return call;
    }
    r.m_strDataPrefix = LandClassPart(a.dataPrefix, theme);
    if (!r.m_strDataPrefix.empty())
        call.drawer = GeoDrawer::LandClass;
    return call;
}

GeoDrawerCall SetUpWhiteG4Mesh(CGeoMeshRenderer& r, vd::Dc* dc, const WhiteG4MeshArgs& a)
{
    using namespace meshcode;
    int mode = a.modeCode;
    const bool landClass = mode >= kLandClassMark;
    std::string data = a.dataText;
    if (landClass) {
        mode -= kLandClassMark;
        data = LandClassPart(a.dataText, mode);
    }
    // One sheet passes the prefecture flags alone: a text without "/" that holds "|" is the
    // flag list itself, not a cell count.
    const bool flagsAlone = a.cellCountAndText.find('/') == std::string::npos &&
                            a.cellCountAndText.find('|') != std::string::npos;
    auto [countText, flagList] = flagsAlone ? std::pair{std::string(), a.cellCountAndText}
                                            : SplitAtSlash(a.cellCountAndText, true);

    r.m_pDC = dc;
    r.m_nAreaKind = a.areaKind;
    r.m_nBlockMode = a.blockMode;
    r.m_nLayerFlag = a.layerFlag;
    r.m_nDetailLevel = a.detailLevel;
    r.m_nItem = a.item;
    r.m_nStatusLineY = a.statusLineY;
    r.m_fOriginX = a.originX;
    r.m_fOriginY = a.originY;
    // A first-level mesh is 320 pixels wide and high at zoom 1.
    r.m_fScaleX = a.zoomX * 0.08888889f;
    r.m_fScaleY = a.zoomY * 0.13333334f;
    r.m_strWideAreaName = a.wideAreaName;
    r.m_strCentreMesh = a.centreMesh;
    r.m_strWideCentre5 = countText;
    r.m_strDataPrefix = data;
    r.m_strDataFolder = a.applicationFolder;

    const int lat = CodeDigits(a.centreMesh, 0, 2);
    const int lon = CodeDigits(a.centreMesh, 2, 2);
    const int westOf = lon * kFirstMeshLongitudeSeconds + kLongitudeCodeBase; // west edge of the centre mesh
    int cells = 9;
    int rings = 1; // first-level meshes on each side of the centre
    if (a.blockMode == 1) {
        cells = 1;
        rings = 0;
    } else if (countText == "25") {
        cells = 25;
        rings = 2;
    }
    // The single mesh is the centre itself; a block lies around it.
    r.m_nNorth = (lat + 1 + rings) * kFirstMeshLatitudeSeconds;
    r.m_nSouth = (lat - rings) * kFirstMeshLatitudeSeconds;
    r.m_nWest = westOf - rings * kFirstMeshLongitudeSeconds;
    r.m_nEast = westOf + (1 + rings) * kFirstMeshLongitudeSeconds;

    GeoDrawerCall call{landClass ? GeoDrawer::WhiteLandClass : GeoDrawer::WhiteTerrain, cells, mode, a.layerValue,
                       a.selection, std::move(flagList)};
    if (!DrawnTheme(mode))
        call.drawer = GeoDrawer::None;
    return call;
}

void RunGeoDrawerCall(CGeoMeshRenderer& r, const GeoDrawerCall& c)
{
    switch (c.drawer) {
    case GeoDrawer::Terrain:
        r.DrawTerrainMesh(c.cellCount, c.code, c.displayOption, c.selection, c.flagList);
        break;
    case GeoDrawer::LandClass:
        r.DrawLandClassMesh(c.cellCount, c.code, c.displayOption, c.selection, c.flagList);
        break;
    case GeoDrawer::WhiteTerrain:
        r.DrawWhiteTerrainMesh(c.cellCount, c.code, c.displayOption, c.selection, c.flagList);
        break;
    case GeoDrawer::WhiteLandClass:
        r.DrawWhiteLandClassMesh(c.cellCount, c.code, c.displayOption, c.selection, c.flagList);
        break;
    case GeoDrawer::None:
        break;
    }
}
