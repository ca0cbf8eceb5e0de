#include "layers/render/LayerPlan.h"

#include "layers/render/EntryPointFrame.h"

int RunLayerChoice(CLayerRenderer& renderer, const LayerChoice& choice)
{
    if (choice.call.op == LayerOp::None)
        return -1;
    if (choice.buildStationFile)
        renderer.BuildStationFile();
    if (choice.passMeshCodes.empty())
        return RunLayerOperation(renderer, choice.call);
    int result = -1;
    for (const std::string& code : choice.passMeshCodes) {
        renderer.MeshCode = code;
        result = RunLayerOperation(renderer, choice.call);
    }
    return result;
}

int RunLayerPlan(vd::Dc* dc, LayerPlan plan)
{
    return RunLayerCall(dc, std::move(plan.params),
                        [&](CLayerRenderer& renderer) { return RunLayerChoice(renderer, plan.choice); });
}
