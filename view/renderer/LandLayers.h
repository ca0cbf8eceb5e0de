#pragma once
// The national-land layers that the white sheet map and the overviews draw through the layer
// dispatch, and the one question both ask of it: does the document show this layer? The answer
// is a process-wide slot that the layer pieces fill; until then no layer is shown.
#include <functional>

class CVeldoranDoc;

enum class LandLayer {
    FineMesh,
    GeologyFirst,
    GeologySecond,
    Mesh0,
    Mesh0Second, // row 1 of mesh tab 0 (lakes drawn as outlines over it)
    Mesh1,
    Mesh2,
    Seismic,
    Surface0,
    Surface1,
    Surface2,
    Lines0, // line tab 0: roads and rivers
    Roads0, // its road row (row 0)
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
};

// The slot: 1 when the document shows the layer.
std::function<int(const CVeldoranDoc&, LandLayer)>& landLayerShown();

bool IsLandLayerShown(const CVeldoranDoc& doc, LandLayer layer);
