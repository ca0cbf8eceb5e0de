// Municipality boundaries over a plain map of any extent.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/citysurface/MunicipalityRenderer.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

constexpr int kKeepColourMode = 3;

} // namespace

extern "C" void OnCitySurfacePlain(vd::Dc* dc, int colourMode, int colourCode, int coastlinePen, int north, int west,
                                   int south, int east, int areaKind, int wideAreaMode, int areaSubMode, int spare,
                                   int detailLevel, int fillFlag, int labelFlags, int linearFlag, float scale,
                                   float refLongitude, float originX, float originY, float scaleX, float scaleY,
                                   std::string areaSpec, std::string meshCode, std::string areaList,
                                   std::string furtherArea, std::string dataFolder, std::string boundaryFolder,
                                   std::string coastlineFolder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        vd::ui::ModuleScope module(kSurrickModule);
        CMunicipalityRenderer r(dc);
        r.m_nColourCode = colourMode == kKeepColourMode ? colourCode : -colourCode;
        r.m_nCoastlinePenCode = coastlinePen;
        r.m_nNorth = north;
        r.m_nWest = west;
        r.m_nSouth = south;
        r.m_nEast = east;
        r.m_nAreaKind = areaKind;
        r.m_nWideAreaMode = wideAreaMode;
        r.m_nAreaSubMode = areaSubMode;
        r.m_nSpare = spare;
        r.m_nDetailLevel = detailLevel;
        r.m_nFillFlag = fillFlag;
        r.m_nLabelFlags = labelFlags;
        r.m_fOriginX = originX;
        r.m_fOriginY = originY;
        r.m_fScaleX = scaleX;
        r.m_fScaleY = scaleY;
        // Any flag but 0 projects linearly.
        if (linearFlag == 0)
            r.UseLatitudeBand(scale, refLongitude);

        const std::size_t slash = areaSpec.find('/');
        r.m_strWideAreaName = areaSpec.substr(0, slash);
        const std::string flags = slash == std::string::npos ? std::string() : areaSpec.substr(slash + 1);
        r.m_anPrefectureFlags = meshcode::ParseOptionList(flags);
        if (flags.empty())
            r.m_anPrefectureFlags[0] = 1;
        r.m_strMeshCode = meshCode;
        r.m_strAreaList = areaList;
        r.m_strFurtherArea = furtherArea;
        r.m_strDataFolder = dataFolder;

        r.CollectPrefectures(r.CellCodes());
        r.DrawMunicipalities(boundaryFolder, coastlineFolder);
    });
}
