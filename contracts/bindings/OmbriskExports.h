#pragma once
// Ombrisk's exports the program calls: the depth settings, the sea-floor maps and the depth files.
#include "contracts/bindings/LibraryExport.h"
#include "contracts/bindings/LibraryNames.h"
#include "contracts/ombrisk.h"

#define VD_OMBRISK_EXPORTS(X) \
    X(OnSubmarineTvlSet) \
    X(OnSubmarineTpgraphyMesh) \
    X(OnSubmarineTpgraphyRelief) \
    X(OnSubmarineContour) \
    X(OnSubmarineData) \
    X(OnSubmarineLegned) \
    X(OnSbmrnMeshDistribution) \
    X(OnSubmarineMeshDataFile)

struct OmbriskExports : LibraryExports {
    static constexpr const char* kLibrary = kOmbriskLibrary;
    VD_OMBRISK_EXPORTS(VD_LIBRARY_EXPORT_MEMBER)

    template <class Visit>
    void forEach(Visit&& visit)
    {
        VD_OMBRISK_EXPORTS(VD_LIBRARY_EXPORT_VISIT)
    }
};

// The process's binding, filled when the library is first found (members null until then).
OmbriskExports& Ombrisk();
