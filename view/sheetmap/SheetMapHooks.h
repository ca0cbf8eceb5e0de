#pragma once
// What the sheet maps and the view's base-map routines call of pieces that are built apart from
// them: the point symbols and labels, the overview and prefecture maps of the renderer, the
// white-map layer dispatch, the seismic title and the data-source caption. Each is a
// process-wide slot that its piece fills; an empty slot draws nothing (and a layer switch that
// nobody answers is off), so the sheet map stands without them. Which slot is filled, and by
// which piece, is listed in view/ViewSlots.cpp.
#include "view/renderer/LandLayers.h"

#include <functional>
#include <string>

class CMapRenderer;
class CVeldoranDoc;
namespace vd {
class Dc;
}

struct SheetMapHooks {
    // Renderer operations of the overview and point pieces.
    std::function<void(CMapRenderer&, int x, int y, int size, int shape)> drawPointMark;
    std::function<void(CMapRenderer&, int elevation, const std::string& value, int x, int y, int gap,
                       int secondLineOffset, int offsetX, int offsetY, int symbolSize)>
        drawElevationLabel;
    std::function<void(CMapRenderer&)> drawJapanOverview;
    std::function<void(CMapRenderer&, int width, int height)> drawPrefectureMap;
    std::function<void(CMapRenderer&, int divisor, int top, int left, int state, int page, const std::string& text)>
        drawAreaData;

    // The white-map layers' drawing call (whether one is shown: view/renderer/LandLayers.h).
    std::function<void(CMapRenderer&, LandLayer)> drawWhiteLayer;

    // Document functions of the layer and seismic commands.
    std::function<std::string(CVeldoranDoc&)> seismicMapTitle;
    std::function<int(const CVeldoranDoc&, int level)> isAnyLayerSelected;

    // The album piece's data-source caption under the map.
    std::function<void(vd::Dc&)> drawDataSourceCaption;
};

SheetMapHooks& sheetMapHooks();
