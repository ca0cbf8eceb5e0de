#pragma once
// TOVENDLG's exports the program calls: its dialogs.
#include "contracts/bindings/LibraryExport.h"
#include "contracts/bindings/LibraryNames.h"
#include "contracts/tovendlg.h"

#define VD_TOVENDLG_EXPORTS(X) \
    X(OnMapTypeSet) \
    X(OnMapPalleteSet) \
    X(OnLegendElevetion) \
    X(OnDataSourceSet) \
    X(OnTextDisplayDaialog) \
    X(OnMemoDisplay) \
    X(OnRengeConfirm) \
    X(OnGnpfRetrieveSet) \
    X(OnDLLAlbumRegist) \
    X(OnAlbumUpdate) \
    X(OnSlideSet) \
    X(OnRouteInformation) \
    X(OnRouteRegistModule) \
    X(OnDlgMenuBarFileUpdate) \
    X(OnDlgMenuBarSlideSet)

struct TovendlgExports : LibraryExports {
    static constexpr const char* kLibrary = kTovendlgLibrary;
    VD_TOVENDLG_EXPORTS(VD_LIBRARY_EXPORT_MEMBER)

    template <class Visit>
    void forEach(Visit&& visit)
    {
        VD_TOVENDLG_EXPORTS(VD_LIBRARY_EXPORT_VISIT)
    }
};

// The process's binding, filled when the library is first found (members null until then).
TovendlgExports& Tovendlg();
