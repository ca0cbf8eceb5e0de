#pragma once
// What both geology settings entry points share: the state argument, the defaults of a first
// call and the answer's three integers.
#include <string>

struct GeoDialogState {
    bool first = false; // "-1": the caller holds no settings yet
    int tab = 0;
    int layerSwitch = 1;
    int displayMode = 0;
};

// "-1", or three integers each ended by "|" (one without its "|" reads 0); anything from the
// first "/" on is ignored.
GeoDialogState ParseGeoDialogState(const std::string& state);

// The selections of a first call.
struct GeoSelections {
    std::string era = "100000000000";
    std::string terrain = "10000000000001";
    std::string soil = "100000000000000001";
    std::string rock = "1000000000002";
    std::string valley = "0";
};

class GeoSettingsDialog;
// Sets the dialog's state and selections.
void LoadGeoSettingsDialog(GeoSettingsDialog& dialog, const GeoDialogState& state, const GeoSelections& selections);
// The three integers of the answer, each with its "|".
std::string GeoStateFields(const GeoSettingsDialog& dialog);
