// Prefecture and Hokkaido sub-prefecture lines over the cells of a plain map.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/citysurface/MunicipalityRenderer.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnPlnPrfctrLine(vd::Dc* dc, int options, int north, int west, int south, int east, int areaKind,
                                int wideAreaMode, int areaSubMode, int working, int detailLevel, int spare,
                                float originX, float originY, float scaleX, float scaleY, std::string wideAreaName,
                                std::string meshCode, std::string areaList, std::string furtherArea,
                                std::string marker, std::string dataFolder)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        vd::ui::ModuleScope module(kSurrickModule);
        CMunicipalityRenderer r(dc);
        r.m_nNorth = north;
        r.m_nWest = west;
        r.m_nSouth = south;
        r.m_nEast = east;
        r.m_nAreaKind = areaKind;
        r.m_nWideAreaMode = wideAreaMode;
        r.m_nAreaSubMode = areaSubMode;
        r.m_nWork = working;
        r.m_nDetailLevel = detailLevel;
        r.m_nSpare = spare;
        r.m_fOriginX = originX;
        r.m_fOriginY = originY;
        r.m_fScaleX = scaleX;
        r.m_fScaleY = scaleY;
        r.m_strWideAreaName = wideAreaName;
        r.m_strMeshCode = meshCode;
        r.m_strAreaList = areaList;
        r.m_strFurtherArea = furtherArea;
        r.m_strMarker = marker;
        r.m_strDataFolder = dataFolder;
        r.DrawPrefectureLines(options);
    });
}
