#pragma once
// The library entry points that the document binds for the whole process. A slot stays null when
// its library or entry point is missing; every caller tests it and then behaves as a cancelled
// dialog or an empty answer.
#include "contracts/dovanne.h"
#include "contracts/pelmora.h"
#include "contracts/tovendlg.h"

struct DocumentEntryPoints {
    // Library handles, loaded once per process and never released.
    void* dovanne = nullptr;
    void* dovanneSecond = nullptr;
    void* tovendlg = nullptr;
    void* tovendlgSecond = nullptr;

    OnTrackStartMapModule_fn* trackStartMap = nullptr;
    OnGetMechCodeFromGovermentCode_fn* meshCodeFromGovernmentCode = nullptr;
    OnTextDisplayDaialog_fn* textDisplayDialog = nullptr;
    OnRouteRegistModule_fn* routeRegister = nullptr;
    OnDddAreaSelect_fn* areaSelect = nullptr;
};

// What the document and the view tell the user when Dovanne cannot be loaded.
inline constexpr const char* kDovanneMissingMessage =
    "Can't load Dovanne.dll. The dynamic link library must be in the folder of the program (libdovanne.so).";

// The process-wide slots.
DocumentEntryPoints& documentEntryPoints();

// Loads Dovanne and TOVENDLG while the first Dovanne slot is empty (telling the user when Dovanne
// is missing), then looks the five entry points up again.
void BindDocumentEntryPoints();
