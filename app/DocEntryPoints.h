#pragma once
// The library entry points that the document binds for the whole process. A slot stays null when
// its library or entry point is missing; every caller tests it and then behaves as a cancelled
// dialog or an empty answer.
#include "contracts/pelmora.h"

#include <string>

// Dovanne: the south-west corner ("DD.MM00/DDD.0000") of the sheet that holds a track's first
// point; the first-level mesh code of a government code's prefectural office.
using OnTrackStartMapModule_fn = std::string(std::string pointLine, std::string formatName, int formatNumber);
using OnGetMechCodeFromGovermentCode_fn = std::string(std::string governmentCode);
// TOVENDLG: a text file shown read-only; the route and area registration dialog (the play mode
// or "cancel").
using OnTextDisplayDaialog_fn = void(std::string file, std::string name, std::string title);
using OnRouteRegistModule_fn = std::string(int areaShape, int areaSizeKm, std::string routeFolder,
                                           std::string unused4, std::string unused5, std::string kind,
                                           std::string title, std::string secondTitle, std::string longitude,
                                           std::string latitude, std::string centreLatitude,
                                           std::string centreLongitude, std::string routePlayMode,
                                           std::string albumPlayMode, std::string pointLines);

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

// The process-wide slots.
DocumentEntryPoints& documentEntryPoints();

// Loads Dovanne and TOVENDLG while the first Dovanne slot is empty (telling the user when Dovanne
// is missing), then looks the five entry points up again.
void BindDocumentEntryPoints();
