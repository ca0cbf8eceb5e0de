#pragma once
// The arguments of the two plain exports copied into the renderer: one set-up for both.
#include "seismic/SeismicCallSetup.h"
#include "seismic/SeismicLayerRenderer.h"

#include <array>
#include <string>

struct PlainCallNumbers {
    int north, west, south, east, optionCode, wideAreaMode, mapFrameMode, statusFlag, detailLevel, layerModeCode,
        legendX, statusLineY;
    float offsetX, offsetY, scaleX, scaleY;
};

// Fills the renderer's fields and the map title; answers the decoded option code.
seismic::PlainOption SetUpPlainCall(CSeismicLayerRenderer& r, const PlainCallNumbers& n,
                                    std::array<std::string, 5> strings);
