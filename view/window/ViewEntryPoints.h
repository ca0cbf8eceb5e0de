#pragma once
// The six entry points the view binds when it is built (process-wide slots): Dovanne's index map,
// distance, unit length and coastline, Surrick's picture display and Ombrisk's depth-file frames.
// A slot stays null when its library or export is missing; its caller then skips the call.
#include "contracts/dovanne.h"
#include "contracts/ombrisk.h"
#include "contracts/surrick.h"

struct ViewEntryPoints {
    OnIndexMap_fn* OnIndexMap = nullptr;
    OnDistance_fn* OnDistance = nullptr;
    OnUnitLength_fn* OnUnitLength = nullptr;
    OnJapanCoastLineDraw_fn* OnJapanCoastLineDraw = nullptr;
    OnDlgBmpShow_fn* OnDlgBmpShow = nullptr;
    OnSbmrnMeshDistribution_fn* OnSbmrnMeshDistribution = nullptr;
};

ViewEntryPoints& viewEntryPoints();
// Loads the libraries while the view's Dovanne slot is empty (reporting a missing Dovanne), then
// looks the six entry points up again.
void BindViewEntryPoints();
