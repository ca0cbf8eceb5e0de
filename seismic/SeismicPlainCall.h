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

// How the plain exports draw the cells of a display method 0: flat or over the relief.
enum class PlainCells { Flat, Relief };

// The plain exports' drawing after their set-up: the cells (display method 0) or the value labels
// of the probabilistic or scenario map; -1 for another map kind.
int DrawPlainCall(CSeismicLayerRenderer& r, const seismic::PlainOption& option, PlainCells cells, int layerModeCode,
                  int entry, int legendYOffset);
