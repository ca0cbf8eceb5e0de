#pragma once
// Surrick's exports the program calls: municipalities, prefecture statistics, pictures, presets
// and sheet registration.
#include "contracts/bindings/LibraryExport.h"
#include "contracts/bindings/LibraryNames.h"
#include "contracts/surrick.h"

#define VD_SURRICK_EXPORTS(X) \
    X(OnCityBoundarySet) \
    X(OnCoastlineSet) \
    X(OnCitySurfaceWhite) \
    X(OnCitySurfacePlain) \
    X(OnCitySurfaceSearch) \
    X(OnPrectureLine) \
    X(OnPrefectureMap) \
    X(OnPrefectureDataDisp) \
    X(OnJapanDataIsland) \
    X(OnLocalDataDspSet) \
    X(OnLclDataRgst) \
    X(OnLclDataUpdt) \
    X(OnDlgBmpShow) \
    X(OnPictureFileDialog) \
    X(OnNationDataPreset) \
    X(OnMapBarMenuFileSet)

struct SurrickExports : LibraryExports {
    static constexpr const char* kLibrary = kSurrickLibrary;
    VD_SURRICK_EXPORTS(VD_LIBRARY_EXPORT_MEMBER)

    template <class Visit>
    void forEach(Visit&& visit)
    {
        VD_SURRICK_EXPORTS(VD_LIBRARY_EXPORT_VISIT)
    }
};

// The process's binding, filled when the library is first found (members null until then).
SurrickExports& Surrick();
