#pragma once
// What one drawing call does, worked out from its arguments before anything is drawn: the
// renderer's fields and the chosen operation. Each entry point makes its plan with a pure
// function (EntryPointPlans.h) and runs it here.
#include "layers/render/LayerDrawParams.h"
#include "layers/render/LayerOperation.h"

#include <string>
#include <vector>

namespace vd {
class Dc;
}

struct LayerChoice {
    bool buildStationFile = false; // railways: the station file first
    // The MeshCode of each pass of a four-mesh block; none: one pass with the fields as they are.
    std::vector<std::string> passMeshCodes;
    LayerCall call;
    friend bool operator==(const LayerChoice&, const LayerChoice&) = default;
};

struct LayerPlan {
    LayerDrawParams params;
    LayerChoice choice;
};

// Runs the choice on a renderer: the result of the last pass, -1 when nothing runs.
int RunLayerChoice(CLayerRenderer& renderer, const LayerChoice& choice);

// The whole call: the renderer built from the plan's fields, the choice run, the caller's
// drawing objects back. A plan without an operation builds the renderer and draws nothing.
int RunLayerPlan(vd::Dc* dc, LayerPlan plan);
