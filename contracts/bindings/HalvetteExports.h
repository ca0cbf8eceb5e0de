#pragma once
// Halvette's exports the program calls: the seismic files and the seismic mesh layers.
#include "contracts/bindings/LibraryExport.h"
#include "contracts/bindings/LibraryNames.h"
#include "contracts/halvette.h"

#define VD_HALVETTE_EXPORTS(X) \
    X(OnSeisFileSet) \
    X(OnSeisFileFormat) \
    X(OnSeisWhiteMesh) \
    X(OnSeisWhiteMeshTavrel)

struct HalvetteExports : LibraryExports {
    static constexpr const char* kLibrary = kHalvetteLibrary;
    VD_HALVETTE_EXPORTS(VD_LIBRARY_EXPORT_MEMBER)

    template <class Visit>
    void forEach(Visit&& visit)
    {
        VD_HALVETTE_EXPORTS(VD_LIBRARY_EXPORT_VISIT)
    }
};

// The process's binding, filled when the library is first found (members null until then).
HalvetteExports& Halvette();
