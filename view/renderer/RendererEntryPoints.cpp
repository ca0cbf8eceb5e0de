#include "view/renderer/RendererEntryPoints.h"

#include "platform/sys/LibraryLoader.h"

RendererEntryPoints& rendererEntryPoints()
{
    static RendererEntryPoints slots;
    return slots;
}

void BindRendererEntryPoints()
{
    RendererEntryPoints& e = rendererEntryPoints();
    constexpr const char* dovanne = "Dovanne.dll";
    e.OnUnitLength = vd::entryPoint<OnUnitLength_fn>(dovanne, "OnUnitLength");
    e.OnWholeCoastLine = vd::entryPoint<OnWholeCoastLine_fn>(dovanne, "OnWholeCoastLine");
    e.OnWholePrfctrLine = vd::entryPoint<OnWholePrfctrLine_fn>(dovanne, "OnWholePrfctrLine");
    e.OnLakeDraw = vd::entryPoint<OnLakeDraw_fn>(dovanne, "OnLakeDraw");
    e.OnScaleX = vd::entryPoint<OnScaleX_fn>(dovanne, "OnScaleX");
    e.OnJapanCoastLineDraw = vd::entryPoint<OnJapanCoastLineDraw_fn>(dovanne, "OnJapanCoastLineDraw");
    e.OnCurrentFileCheck = vd::entryPoint<OnCurrentFileCheck_fn>(dovanne, "OnCurrentFileCheck");
    e.OnDfCModule = vd::entryPoint<OnDfCModule_fn>(dovanne, "OnDfCModule");
    e.OnCoastPrfctr = vd::entryPoint<OnCoastPrfctr_fn>(dovanne, "OnCoastPrfctr");
    e.OnCstPrfctrLine = vd::entryPoint<OnCstPrfctrLine_fn>(dovanne, "OnCstPrfctrLine");
    e.OnBmpPrfctrNameOut = vd::entryPoint<OnBmpPrfctrNameOut_fn>(dovanne, "OnBmpPrfctrNameOut");
    e.OnPrfctrLake = vd::entryPoint<OnPrfctrLake_fn>(dovanne, "OnPrfctrLake");
    e.OnPrfctrScale = vd::entryPoint<OnPrfctrScale_fn>(dovanne, "OnPrfctrScale");
    e.OnPrefectureLat = vd::entryPoint<OnPrefectureLat_fn>(dovanne, "OnPrefectureLat");

    e.OnPrectureLine = vd::entryPoint<OnPrectureLine_fn>("Surrick.DLL", "OnPrectureLine");
    e.OnCitySurfaceWhite = vd::entryPoint<OnCitySurfaceWhite_fn>("Surrick.DLL", "OnCitySurfaceWhite");
    e.OnCitySurfacePlain = vd::entryPoint<OnCitySurfacePlain_fn>("Surrick.DLL", "OnCitySurfacePlain");
    e.OnCitySurfaceSearch = vd::entryPoint<OnCitySurfaceSearch_fn>("SURRICK.DLL", "OnCitySurfaceSearch");

    constexpr const char* ombrisk = "Ombrisk.dll";
    e.OnSubmarineTpgraphyMesh = vd::entryPoint<OnSubmarineTpgraphyMesh_fn>(ombrisk, "OnSubmarineTpgraphyMesh");
    e.OnSubmarineTpgraphyRelief = vd::entryPoint<OnSubmarineTpgraphyRelief_fn>(ombrisk, "OnSubmarineTpgraphyRelief");
    e.OnSubmarineContour = vd::entryPoint<OnSubmarineContour_fn>(ombrisk, "OnSubmarineContour");
    e.OnSubmarineData = vd::entryPoint<OnSubmarineData_fn>(ombrisk, "OnSubmarineData");
    e.OnSubmarineLegned = vd::entryPoint<OnSubmarineLegned_fn>(ombrisk, "OnSubmarineLegned");
}
