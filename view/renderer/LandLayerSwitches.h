#pragma once
// The document's layer selection as the land-layer list reads it: whether a layer is on, and the
// white-map dispatcher that draws it.
#include "view/renderer/LandLayers.h"

class CMapRenderer;
class CVeldoranDoc;

// The flag behind a layer: a tab's on flag (entry 5), the road row (line tab 0, row 0), row 1 of
// mesh tab 0, the 1/10-mesh on flag, the geology and land-classification states, the seismic layer.
int LandLayerFlag(const CVeldoranDoc& doc, LandLayer layer);

// Line tab 0 is two calls: the road (Roads0) and then the rivers (Lines0).
void DrawWhiteLandLayer(CMapRenderer& renderer, LandLayer layer);
