#pragma once
// The overview's drawing call into the layer dispatch, by layer type and index: a process-wide
// slot that the layer pieces fill; until then nothing is drawn. Whether a layer is shown is asked
// of view/renderer/LandLayers.h.
#include "view/renderer/LandLayers.h"

#include <functional>

class CMapRenderer;
class CVeldoranDoc;

struct OverviewLayerDispatch {
    std::function<void(CMapRenderer&, int type, int index)> drawLandLayer;
};

OverviewLayerDispatch& overviewLayerDispatch();
