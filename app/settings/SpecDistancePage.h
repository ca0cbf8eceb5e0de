#pragma once
// Page 距離 (template 146) of 地図の表示仕様: whether the distance from the start
// city is shown, to a registered point or to the pointer, and which city it starts from (the
// cities of MAPELMNT\DPRTCITY.DAT, or the start city dialog).
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

// The dialog's control ids (template 146).
namespace specdistanceids {
inline constexpr int IDC_DISPLAY = 1198;
inline constexpr int IDC_END_POINT = 1000;
inline constexpr int IDC_END_POINTER = 1001;
inline constexpr int IDC_CITY = 1049;
inline constexpr int IDC_START_CITY = 114;
} // namespace specdistanceids

class CDlgSpecDistance : public vd::Dialog {
public:
    enum { IDD = 146 };
    CDlgSpecDistance();

    DistanceSpec m_values;
    std::vector<std::string> m_astrCityLine; // the lines behind the combo's entries, at most 20

    bool OnInitDialog() override;

private:
    void FillCityList();
    void OnCityChosen();
    void OnStartCityButton();
};
