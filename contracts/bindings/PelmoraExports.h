#pragma once
// Pelmora's exports the program and its benchmarks call: the layer dialogs, the layer drawings on white and coloured
// maps, the area choice and the default files.
#include "contracts/bindings/LibraryExport.h"
#include "contracts/bindings/LibraryNames.h"
#include "contracts/pelmora.h"

#define VD_PELMORA_EXPORTS(X) \
    X(OnDlgDpSet) \
    X(OnDlgWhtDpSet) \
    X(OnDlgDdSet) \
    X(OnDlgDsSet) \
    X(OnDlgDmeshSet) \
    X(OnDlgDmcSet) \
    X(OnDlgFmeshSet) \
    X(OnDlgDdFormat) \
    X(OnDlgDdLegend) \
    X(OnDddAreaSelect) \
    X(OnDddFileEdit) \
    X(OnDdPlainPoint) \
    X(OnDdPlainRiver) \
    X(OnDdPlainRoad) \
    X(OnDdPlainWholeCountry) \
    X(OnDdPlainLASurface) \
    X(OnDdSrfcPlainWhole) \
    X(OnDdPlnF10Mesh) \
    X(OnDdPlainMesh) \
    X(OnDdPlainMeshRelief) \
    X(OnDdPlainMeshTavrel) \
    X(OnDdPointWhite) \
    X(OnDdRiverWhite) \
    X(OnDdRoadWhite) \
    X(OnDDLWholeCountryWhite) \
    X(OnDdSurfaceWhite) \
    X(OnDdSurfaceWhole) \
    X(OnDdWhiteMesh) \
    X(OnDdWhitePlnF10Mesh)

struct PelmoraExports : LibraryExports {
    static constexpr const char* kLibrary = kPelmoraLibrary;
    VD_PELMORA_EXPORTS(VD_LIBRARY_EXPORT_MEMBER)

    template <class Visit>
    void forEach(Visit&& visit)
    {
        VD_PELMORA_EXPORTS(VD_LIBRARY_EXPORT_VISIT)
    }
};

// The process's binding, filled when the library is first found (members null until then).
PelmoraExports& Pelmora();
