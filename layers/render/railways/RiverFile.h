#pragma once
// The river file of the whole-country rivers (W15-52L): Riverddd.dat beside the data file, built
// once with its progress drawn into the renderer's device context; an existing file is kept.
#include <string>

class CLayerRenderer;

void BuildRiverFile(CLayerRenderer& r, const std::string& dataPath);
