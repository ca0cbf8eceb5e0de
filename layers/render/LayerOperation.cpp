#include "layers/render/LayerOperation.h"

#include "layers/render/LayerRenderer.h"

namespace {

int Int(const LayerCall& call, std::size_t i) { return std::get<int>(call.args.at(i)); }
// Each member takes its strings by value: it gets its own copy.
std::string Text(const LayerCall& call, std::size_t i) { return std::get<std::string>(call.args.at(i)); }

} // namespace

std::string_view LayerOpName(LayerOp op)
{
    switch (op) {
    case LayerOp::None: return "None";
    case LayerOp::DrawRailways: return "DrawRailways";
    case LayerOp::DrawCountryRivers: return "DrawCountryRivers";
    case LayerOp::DrawLedgerLines: return "DrawLedgerLines";
    case LayerOp::DrawSurfaceAreas: return "DrawSurfaceAreas";
    case LayerOp::DrawSurfaceLines: return "DrawSurfaceLines";
    case LayerOp::DrawSurfaceBoundaries: return "DrawSurfaceBoundaries";
    case LayerOp::DrawSurfaceRegions: return "DrawSurfaceRegions";
    case LayerOp::DrawCountrySurfaceA: return "DrawCountrySurfaceA";
    case LayerOp::DrawCountrySurfaceB: return "DrawCountrySurfaceB";
    case LayerOp::DrawCountrySurfaceC: return "DrawCountrySurfaceC";
    case LayerOp::DrawCountrySurfaceD: return "DrawCountrySurfaceD";
    case LayerOp::DrawCountrySurfaceE: return "DrawCountrySurfaceE";
    case LayerOp::DrawPointMarkers: return "DrawPointMarkers";
    case LayerOp::DrawHeritagePoints: return "DrawHeritagePoints";
    case LayerOp::DrawPointLengths: return "DrawPointLengths";
    case LayerOp::DrawFacilityPoints: return "DrawFacilityPoints";
    case LayerOp::DrawPointNames: return "DrawPointNames";
    case LayerOp::DrawCodedPoints: return "DrawCodedPoints";
    case LayerOp::DrawPlainPoints: return "DrawPlainPoints";
    case LayerOp::DrawLandPricePoints: return "DrawLandPricePoints";
    case LayerOp::DrawPrefectureMeshValues: return "DrawPrefectureMeshValues";
    case LayerOp::DrawPrefectureMeshCells: return "DrawPrefectureMeshCells";
    case LayerOp::DrawPrefectureMeshRelief: return "DrawPrefectureMeshRelief";
    case LayerOp::DrawSingleFileMeshValues: return "DrawSingleFileMeshValues";
    case LayerOp::DrawSingleFileMeshCells: return "DrawSingleFileMeshCells";
    case LayerOp::DrawSingleFileMeshRelief: return "DrawSingleFileMeshRelief";
    case LayerOp::OnPlainLclMeshCensas: return "OnPlainLclMeshCensas";
    case LayerOp::OnPlainLclReliefCensas: return "OnPlainLclReliefCensas";
    case LayerOp::DrawCountryPrefectureMeshCells: return "DrawCountryPrefectureMeshCells";
    case LayerOp::DrawCountrySingleFileMeshCells: return "DrawCountrySingleFileMeshCells";
    case LayerOp::DrawWhitePrefectureMeshCells: return "DrawWhitePrefectureMeshCells";
    case LayerOp::DrawWhiteDesignatedAreaCells: return "DrawWhiteDesignatedAreaCells";
    case LayerOp::DrawWhiteSingleFileMeshCells: return "DrawWhiteSingleFileMeshCells";
    case LayerOp::DrawSubdividedMesh: return "DrawSubdividedMesh";
    case LayerOp::DrawSubdividedMeshRelief: return "DrawSubdividedMeshRelief";
    case LayerOp::DrawSubdividedLakes: return "DrawSubdividedLakes";
    }
    return "?";
}

int RunLayerOperation(CLayerRenderer& r, const LayerCall& call)
{
    switch (call.op) {
    case LayerOp::None:
        return -1;
    case LayerOp::DrawRailways:
        r.DrawRailways(Int(call, 0), Int(call, 1));
        return -1;
    case LayerOp::DrawCountryRivers:
        r.DrawCountryRivers(Int(call, 0), Int(call, 1));
        return -1;
    case LayerOp::DrawLedgerLines:
        r.DrawLedgerLines(Int(call, 0), Int(call, 1));
        return -1;
    case LayerOp::DrawSurfaceAreas:
        r.DrawSurfaceAreas(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawSurfaceLines:
        r.DrawSurfaceLines(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawSurfaceBoundaries:
        r.DrawSurfaceBoundaries(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Text(call, 4));
        return -1;
    case LayerOp::DrawSurfaceRegions:
        r.DrawSurfaceRegions(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawCountrySurfaceA:
        r.DrawCountrySurfaceA(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawCountrySurfaceB:
        r.DrawCountrySurfaceB(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawCountrySurfaceC:
        r.DrawCountrySurfaceC(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawCountrySurfaceD:
        r.DrawCountrySurfaceD(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawCountrySurfaceE:
        r.DrawCountrySurfaceE(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawPointMarkers:
        r.DrawPointMarkers(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawHeritagePoints:
        r.DrawHeritagePoints(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawPointLengths:
        r.DrawPointLengths(Int(call, 0), Int(call, 1), Text(call, 2));
        return -1;
    case LayerOp::DrawFacilityPoints:
        r.DrawFacilityPoints(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawPointNames:
        r.DrawPointNames(Int(call, 0), Int(call, 1), Text(call, 2));
        return -1;
    case LayerOp::DrawCodedPoints:
        r.DrawCodedPoints(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawPlainPoints:
        r.DrawPlainPoints(Int(call, 0), Int(call, 1));
        return -1;
    case LayerOp::DrawLandPricePoints:
        r.DrawLandPricePoints(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Text(call, 4));
        return -1;
    case LayerOp::DrawPrefectureMeshValues:
        return r.DrawPrefectureMeshValues(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Text(call, 4));
    case LayerOp::DrawPrefectureMeshCells:
        return r.DrawPrefectureMeshCells(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Text(call, 4));
    case LayerOp::DrawPrefectureMeshRelief:
        return r.DrawPrefectureMeshRelief(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Text(call, 4));
    case LayerOp::DrawSingleFileMeshValues:
        return r.DrawSingleFileMeshValues(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3));
    case LayerOp::DrawSingleFileMeshCells:
        return r.DrawSingleFileMeshCells(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3));
    case LayerOp::DrawSingleFileMeshRelief:
        return r.DrawSingleFileMeshRelief(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3));
    case LayerOp::OnPlainLclMeshCensas:
        return r.OnPlainLclMeshCensas(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Int(call, 4), Text(call, 5), Text(call, 6));
    case LayerOp::OnPlainLclReliefCensas:
        return r.OnPlainLclReliefCensas(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Int(call, 4), Text(call, 5), Text(call, 6));
    case LayerOp::DrawCountryPrefectureMeshCells:
        r.DrawCountryPrefectureMeshCells(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawCountrySingleFileMeshCells:
        r.DrawCountrySingleFileMeshCells(Int(call, 0), Int(call, 1), Int(call, 2));
        return -1;
    case LayerOp::DrawWhitePrefectureMeshCells:
        r.DrawWhitePrefectureMeshCells(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawWhiteDesignatedAreaCells:
        r.DrawWhiteDesignatedAreaCells(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3));
        return -1;
    case LayerOp::DrawWhiteSingleFileMeshCells:
        r.DrawWhiteSingleFileMeshCells(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3));
        return -1;
    case LayerOp::DrawSubdividedMesh:
        return r.DrawSubdividedMesh(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3), Int(call, 4), Int(call, 5), Text(call, 6));
    case LayerOp::DrawSubdividedMeshRelief:
        return r.DrawSubdividedMeshRelief(Int(call, 0), Int(call, 1), Int(call, 2), Text(call, 3), Int(call, 4), Int(call, 5), Text(call, 6));
    case LayerOp::DrawSubdividedLakes:
        return r.DrawSubdividedLakes(Int(call, 0), Int(call, 1), Int(call, 2), Int(call, 3), Int(call, 4), Text(call, 5));
    }
    return -1;
}
