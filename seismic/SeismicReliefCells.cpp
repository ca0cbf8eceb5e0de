// The relief form's cells, shared by the probabilistic and the scenario maps: the shades of the
// map's classes, the grid origin of a block and the n x n sub-cells of one cell.
#include "meshcode/MeshRecordPosition.h"
#include "meshcode/Truncate.h"
#include "platform/dc/Dc.h"
#include "seismic/SeismicLayerRenderer.h"
#include "seismic/SeismicRelief.h"
#include "seismic/probabilistic/ProbabilisticRecord.h"
#include "seismic/scenario/ScenarioRecord.h"

void CSeismicLayerRenderer::FillReliefCell(const seismic::ReliefShading& relief, int cellLatitude, int cellLongitude,
                                           int valueClass)
{
    const int n = relief.SubCells();
    for (int k = 0; k < n * n; ++k) {
        const int latitude = (k / n) * meshcode::kThirdMeshLatitudeSeconds / n + cellLatitude;
        const int longitude = (k % n) * meshcode::kThirdMeshLongitudeSeconds / n + cellLongitude;
        if (latitude < South || latitude >= North || longitude < West || longitude >= East)
            continue;
        const auto shade = relief.Shade(valueClass, latitude, longitude);
        if (!shade)
            continue; // a class without a colour (a file of unknown quantity)
        const int x = meshcode::TruncateToInt(float(longitude - West) * XScale + XOffset);
        const int y = meshcode::TruncateToInt(float(North - latitude) * YScale + YOffset) - relief.Height();
        DeviceContext.FillSolidRect(x, y, relief.Width(), relief.Height(), *shade);
    }
}

meshcode::GridOrigin CSeismicLayerRenderer::ReliefOrigin(int cellCount, int n, const std::string& code,
                                                         int wideAreaMode) const
{
    if (AreaKind == 3)
        return meshcode::CellGridOrigin(1, 0, 0, 0, 3, Strings[1], wideAreaMode % 10, wideAreaMode / 10);
    const meshcode::MeshCorner corner = meshcode::FirstMeshCorner(code);
    return meshcode::CellGridOrigin(cellCount, n, corner.longitude, corner.latitude, AreaKind, Strings[1],
                                    wideAreaMode % 10, wideAreaMode / 10);
}

std::vector<vd::COLORREF> CSeismicLayerRenderer::ClassColours(int mapKind)
{
    std::vector<vd::COLORREF> colours;
    const int count = mapKind == kProbabilisticMap ? seismic::ProbabilisticClassCount(DataKind)
                                                   : seismic::ScenarioClassCount(ScenarioQuantity);
    const vd::COLORREF kept = CellColour;
    for (int i = 0; i < count; ++i) {
        if (mapKind == kProbabilisticMap)
            SelectProbabilisticColour(i);
        else
            SelectScenarioColour(i);
        colours.push_back(CellColour);
    }
    CellColour = kept;
    return colours;
}

