#pragma once
// The libraries the map's drawing calls, loaded before the first input: their own start-up is
// then no part of any input's run.
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/OmbriskExports.h"
#include "contracts/bindings/SurrickExports.h"

namespace vd::fuzz {

inline void loadDrawingLibraries()
{
    Dovanne();
    Surrick();
    Ombrisk();
}

} // namespace vd::fuzz
