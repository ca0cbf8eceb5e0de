#pragma once
// The national-land layers of the overview, reached through the layer dispatch: whether the
// document shows a layer, and the dispatch's drawing call by layer type and index. Both are
// process-wide slots that the layer pieces fill; until then no layer is on and nothing is drawn.
#include <functional>

class CMapRenderer;
class CVeldoranDoc;

enum class OverviewLayer {
    GeologyFirst,
    GeologySecond,
    FineMesh,
    Surface0,
    Surface1,
    Surface2,
    WholeCountryLines,
    WholeCountryRivers,
    Lines1,
    Lines2,
    Lines3,
    Lines4,
    Lines5,
    Lines6,
    Points0,
    Points1,
    Points2,
    Points3,
    Points4,
    Points5,
    Mesh0,
    Mesh1,
    Mesh2,
    Mesh0Second, // the first mesh theme's second switch (lakes drawn as outlines over it)
    Seismic,
};

struct OverviewLayerDispatch {
    std::function<int(const CVeldoranDoc&, OverviewLayer)> layerOn;
    std::function<void(CMapRenderer&, int type, int index)> drawLandLayer;
};

OverviewLayerDispatch& overviewLayerDispatch();
