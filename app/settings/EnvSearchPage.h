#pragma once
// The place-name and public-facility page of the environment settings (template 178
// "地名･公共施設"): the annotation and public-facility tables (CSV) that the place-name search
// reads, the elevation written for points in output files, and whether the find-place command
// leaves its result points undrawn. The table edits only show the paths; "ﾌｧｲﾙ" changes them.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 178).
namespace envsearchids {
inline constexpr int IDC_ANNOTATION_TABLE = 1162;
inline constexpr int IDC_PICK_ANNOTATION = 1163;
inline constexpr int IDC_FACILITY_TABLE = 1164;
inline constexpr int IDC_PICK_FACILITY = 1165;
inline constexpr int IDC_ELEVATION = 1166;
inline constexpr int IDC_HIDE_FOUND_PLACES = 1222;
} // namespace envsearchids

class CDlgEnvSearch : public vd::Dialog {
public:
    enum { IDD = 178 };
    CDlgEnvSearch();

    std::string m_strAnnotationTable;
    std::string m_strPublicFacilityTable;
    int m_nOutputElevation = -999; // 0, -999 or -9999
    int m_nHideFoundPlaces = 1;

    bool OnInitDialog() override;

private:
    void Pick(std::string& table, int editId);
    void OnElevationChosen();
};
