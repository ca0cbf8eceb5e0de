#pragma once
// The region division dialog (template 143 "地域区分の登録"): names the six user regions and
// gives each its south-west and north-east corner (D.MMSS texts, never checked). The corner
// fields show the region whose name edit had the focus last; the caller copies the divisions in
// and, on OK, back out.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

// The six user regions, in the dialog's order of arrays.
struct RegionDivisions {
    std::array<std::string, 6> name;
    std::array<std::string, 6> swLongitude;
    std::array<std::string, 6> swLatitude;
    std::array<std::string, 6> neLongitude;
    std::array<std::string, 6> neLatitude;
};

// The dialog's control ids (template 143).
namespace regiondivisionids {
// The six region name edits, in the order of the divisions.
inline constexpr int kNameEdits[6] = {101, 104, 105, 129, 130, 132};
inline constexpr int IDC_SW_LATITUDE = 1000;
inline constexpr int IDC_SW_LONGITUDE = 1010;
inline constexpr int IDC_NE_LATITUDE = 1002;
inline constexpr int IDC_NE_LONGITUDE = 1003;
inline constexpr int IDC_FOCUS_CAPTION = 1009;
inline constexpr int IDC_FOCUS_NAME = 1011;
} // namespace regiondivisionids

class CDlgRegionDivision : public vd::Dialog {
public:
    enum { IDD = 143 };
    explicit CDlgRegionDivision(vd::Window* parent = nullptr);

    int m_nFocusRegion = 0;
    RegionDivisions m_divisions;
    std::string m_strFocusCaption;

    bool OnInitDialog() override;

private:
    void OnNameFocus(int region);
    void OnNameLeft(int region);
    void OnCornerLeft(int id);
};

// Runs the dialog on a copy of the divisions; on OK they take the edited ones and true comes back.
bool EditRegionDivisions(RegionDivisions& divisions);
