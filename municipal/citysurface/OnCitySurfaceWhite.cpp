// Municipality boundaries over the white map of one first-level mesh or a block of them.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "meshcode/MeshCode.h"
#include "municipal/SurrickModule.h"
#include "municipal/citysurface/MunicipalityRenderer.h"
#include "platform/text/Cp932Text.h"
#include "platform/text/Format.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

// 320 pixels a first-level mesh at zoom 1: 3600 seconds of longitude, 2400 of latitude.
constexpr float kWhiteScaleX = 0.08888889f;
constexpr float kWhiteScaleY = 0.13333334f;

// The extent of the block around the mesh's south-west corner, in whole meshes each way.
struct BlockReach {
    int south, north, west, east;
};
BlockReach ReachOf(int cellCount, const std::string& wideArea)
{
    if (cellCount == 1)
        return {0, 1, 0, 1};
    if (wideArea == "25")
        return {2, 3, 2, 3};
    if (cellCount == 49 || wideArea == "49")
        return {3, 4, 3, 4};
    return {1, 2, 1, 2};
}

} // namespace

extern "C" void OnCitySurfaceWhite(vd::Dc* dc, int colourCode, int originY, int originX, int cellCount, int meshCode,
                                   int coastlinePen, int spare1, int spare2, int labelFlags, int fillFlag, float zoomX,
                                   float zoomY, std::string prefectureFlags, std::string meshText, std::string wideArea,
                                   std::string dataFolder, std::string boundaryFolder, std::string coastlineFolder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        vd::ui::ModuleScope module(kSurrickModule);
        CMunicipalityRenderer r(dc);
        r.m_nColourCode = colourCode;
        r.m_fOriginY = static_cast<float>(originY);
        r.m_fOriginX = static_cast<float>(originX);
        r.m_nCellCount = cellCount;
        r.m_nCoastlinePenCode = coastlinePen;
        r.m_nSpare = spare1;
        r.m_nWork = spare2;
        r.m_nLabelFlags = labelFlags;
        r.m_nFillFlag = fillFlag;
        r.m_fScaleX = zoomX * kWhiteScaleX;
        r.m_fScaleY = zoomY * kWhiteScaleY;
        r.m_anPrefectureFlags = meshcode::ParseOptionList(prefectureFlags);
        if (prefectureFlags.empty())
            r.m_anPrefectureFlags[0] = 1;
        // The single sheet's call gives no mesh code, only the sheet's mesh text: that mesh is drawn
        // rather than a mesh 0 far off the map.
        r.m_strMeshCode = meshCode == 0 ? vd::cp932Left(meshText, 4) : vd::format("%d", meshCode);
        r.m_strWideAreaName = wideArea;
        r.m_strDataFolder = dataFolder;
        if (cellCount == 1)
            r.m_nDetailLevel = 3;

        const std::string code = r.m_strMeshCode;
        const int south = meshcode::CodeDigits(code, 0, 2) * meshcode::kFirstMeshLatitudeSeconds;
        const int west = meshcode::CodeDigits(code, 2, 2) * meshcode::kFirstMeshLongitudeSeconds + meshcode::kLongitudeCodeBase;
        const BlockReach reach = ReachOf(cellCount, wideArea);
        r.m_nSouth = south - reach.south * meshcode::kFirstMeshLatitudeSeconds;
        r.m_nNorth = south + reach.north * meshcode::kFirstMeshLatitudeSeconds;
        r.m_nWest = west - reach.west * meshcode::kFirstMeshLongitudeSeconds;
        r.m_nEast = west + reach.east * meshcode::kFirstMeshLongitudeSeconds;

        r.CollectPrefectures(r.CellCodes());
        r.DrawMunicipalities(boundaryFolder, coastlineFolder);
    });
}
