// The layer operations whose themes are still to come: each is a member the entry points already
// choose and call, and draws nothing until its theme fills it in (then it leaves this file).
// Those with a result answer -1, as an operation that drew nothing does.
#include "layers/render/LayerRenderer.h"

// ---- To be filled by the mesh relief and white-map mesh themes (the census relief member too)
int CLayerRenderer::DrawPrefectureMeshRelief(int, int, int, int, std::string) { return -1; }
int CLayerRenderer::DrawSingleFileMeshRelief(int, int, int, int) { return -1; }
int CLayerRenderer::OnPlainLclReliefCensas(int, int, int, int, int, std::string, std::string) { return -1; }
void CLayerRenderer::DrawWhitePrefectureMeshCells(int, int, int, std::string) {}
void CLayerRenderer::DrawWhiteDesignatedAreaCells(int, int, int, std::string) {}
void CLayerRenderer::DrawWhiteSingleFileMeshCells(int, int, int, int) {}

// ---- To be filled by the 1/10 subdivided mesh themes and their lakes
int CLayerRenderer::DrawSubdividedMesh(int, int, int, std::string, int, int, std::string) { return -1; }
int CLayerRenderer::DrawSubdividedMeshRelief(int, int, int, std::string, int, int, std::string) { return -1; }
int CLayerRenderer::DrawSubdividedLakes(int, int, int, int, int, std::string) { return -1; }
