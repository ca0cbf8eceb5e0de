#pragma once
// Dovanne's exports the program calls: the base map, the overviews and prefecture maps, tracks,
// the index map, distances, place-name helpers and the geology layers.
#include "contracts/bindings/LibraryExport.h"
#include "contracts/bindings/LibraryNames.h"
#include "contracts/dovanne.h"

#define VD_DOVANNE_EXPORTS(X) \
    X(OnUnitLength) \
    X(OnDistance) \
    X(OnIndexMap) \
    X(OnScaleX) \
    X(OnWholeCoastLine) \
    X(OnWholePrfctrLine) \
    X(OnLakeDraw) \
    X(OnJapanCoastLineDraw) \
    X(OnForeEastCoast) \
    X(OnCurrentFileCheck) \
    X(OnDfCModule) \
    X(OnCoastPrfctr) \
    X(OnCstPrfctrLine) \
    X(OnBmpPrfctrNameOut) \
    X(OnPrfctrLake) \
    X(OnPrfctrScale) \
    X(OnPrefectureLat) \
    X(OnMapFigureMakeModule) \
    X(OnTrackStartMapModule) \
    X(OnTrackDrawModule) \
    X(OnGetMechCodeFromGovermentCode) \
    X(OnGnpfOutPut) \
    X(OnZenkakuToHankaku) \
    X(OnD4GeologyMesh) \
    X(OnD4GeologyLegend) \
    X(OnG4LegendTable) \
    X(OnDdWhiteG4Mesh) \
    X(OnDlgGeoSet) \
    X(OnDlgNtrSet)

struct DovanneExports : LibraryExports {
    static constexpr const char* kLibrary = kDovanneLibrary;
    VD_DOVANNE_EXPORTS(VD_LIBRARY_EXPORT_MEMBER)

    template <class Visit>
    void forEach(Visit&& visit)
    {
        VD_DOVANNE_EXPORTS(VD_LIBRARY_EXPORT_VISIT)
    }
};

// The process's binding, filled when the library is first found (members null until then).
DovanneExports& Dovanne();
