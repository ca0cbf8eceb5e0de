#pragma once
// The entry points of Dovanne, Surrick and Ombrisk that the map renderer draws through. The slots
// are process-wide and rebound by every renderer's construction; a slot stays null when its
// library or export is missing, and the drawing that needs it is then skipped.
#include "contracts/dovanne.h"
#include "contracts/ombrisk.h"
#include "contracts/surrick.h"

struct RendererEntryPoints {
    // "Dovanne.dll"
    OnUnitLength_fn* OnUnitLength = nullptr;
    OnWholeCoastLine_fn* OnWholeCoastLine = nullptr;
    OnWholePrfctrLine_fn* OnWholePrfctrLine = nullptr;
    OnLakeDraw_fn* OnLakeDraw = nullptr;
    OnScaleX_fn* OnScaleX = nullptr;
    OnJapanCoastLineDraw_fn* OnJapanCoastLineDraw = nullptr;
    OnCurrentFileCheck_fn* OnCurrentFileCheck = nullptr;
    OnDfCModule_fn* OnDfCModule = nullptr;
    OnCoastPrfctr_fn* OnCoastPrfctr = nullptr;
    OnCstPrfctrLine_fn* OnCstPrfctrLine = nullptr;
    OnBmpPrfctrNameOut_fn* OnBmpPrfctrNameOut = nullptr;
    OnPrfctrLake_fn* OnPrfctrLake = nullptr;
    OnPrfctrScale_fn* OnPrfctrScale = nullptr;
    OnPrefectureLat_fn* OnPrefectureLat = nullptr;
    // "Surrick.DLL" and "SURRICK.DLL"
    OnPrectureLine_fn* OnPrectureLine = nullptr;
    OnCitySurfaceWhite_fn* OnCitySurfaceWhite = nullptr;
    OnCitySurfacePlain_fn* OnCitySurfacePlain = nullptr;
    OnCitySurfaceSearch_fn* OnCitySurfaceSearch = nullptr;
    // "Ombrisk.dll"
    OnSubmarineTpgraphyMesh_fn* OnSubmarineTpgraphyMesh = nullptr;
    OnSubmarineTpgraphyRelief_fn* OnSubmarineTpgraphyRelief = nullptr;
    OnSubmarineContour_fn* OnSubmarineContour = nullptr;
    OnSubmarineData_fn* OnSubmarineData = nullptr;
    OnSubmarineLegned_fn* OnSubmarineLegned = nullptr;
};

// The process-wide slots.
RendererEntryPoints& rendererEntryPoints();
// Looks the 23 entry points up again, in the renderer's order.
void BindRendererEntryPoints();
