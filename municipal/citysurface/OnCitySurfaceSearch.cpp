// The municipality of a 5-digit code, outlined and named in red on the plain map.
#include "basemap/drawing/DrawingGuard.h"
#include "contracts/surrick.h"
#include "municipal/SurrickModule.h"
#include "municipal/citysurface/MunicipalityRenderer.h"
#include "platform/ui/TemplateRegistry.h"

extern "C" void OnCitySurfaceSearch(vd::Dc* dc, int colourCode, int north, int west, int south, int east, int areaKind,
                                    int wideAreaMode, int areaSubMode, int spare, int wholeCountry, int fillFlag,
                                    int labelFlag, float originX, float originY, float scaleX, float scaleY,
                                    std::string area, std::string meshCode, std::string areaList,
                                    std::string furtherArea, std::string dataFolder, std::string boundaryFolder,
                                    std::string municipalityCode)
{
    GuardDrawing(dc, [&](vd::Dc& dc) {
        vd::ui::ModuleScope module(kSurrickModule);
        CMunicipalityRenderer r(dc);
        r.m_nColourCode = colourCode;
        r.m_nNorth = north;
        r.m_nWest = west;
        r.m_nSouth = south;
        r.m_nEast = east;
        r.m_nAreaKind = areaKind;
        r.m_nWideAreaMode = wideAreaMode;
        r.m_nAreaSubMode = areaSubMode;
        r.m_nSpare = spare;
        r.m_anPrefectureFlags[0] = wholeCountry;
        r.m_nFillFlag = fillFlag;
        r.m_nLabelFlags = labelFlag;
        r.m_fOriginX = originX;
        r.m_fOriginY = originY;
        r.m_fScaleX = scaleX;
        r.m_fScaleY = scaleY;
        r.m_strWideAreaName = area.substr(0, area.find('/'));
        r.m_strMeshCode = meshCode;
        r.m_strAreaList = areaList;
        r.m_strFurtherArea = furtherArea;
        r.m_strDataFolder = dataFolder;
        r.DrawSearchedMunicipality(boundaryFolder, municipalityCode);
    });
}
