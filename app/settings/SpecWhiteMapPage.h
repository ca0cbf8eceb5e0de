#pragma once
// Page 地図 (template 167) of 地図の表示仕様: the base map's frame, scale bar,
// prefecture and sub-prefecture borders and their colour, lakes and reservoirs, municipality
// borders with their colour and names. Municipality borders need municipality data: without a
// municipality folder they stay off.
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 167).
namespace specwhitemapids {
inline constexpr int IDC_MAP_BOUNDARY = 1125;
inline constexpr int IDC_SCALE_BAR = 1126;
inline constexpr int IDC_PREF_BORDER = 1128;
inline constexpr int IDC_SUBPREF_BORDER = 1071;
inline constexpr int IDC_ORANGE = 1097;
inline constexpr int IDC_BLUE = 1098;
inline constexpr int IDC_RED = 1099;
inline constexpr int IDC_LAKE = 1120;
inline constexpr int IDC_RESERVOIR = 1123;
inline constexpr int IDC_CITY_BORDER = 214;
inline constexpr int IDC_BLACK = 1067;
inline constexpr int IDC_GREY = 1068;
inline constexpr int IDC_CITY_NAME_ZOOM = 1069;
inline constexpr int IDC_CITY_NAME_ENCLAVE = 1070;
} // namespace specwhitemapids

class CDlgSpecWhiteMap : public vd::Dialog {
public:
    enum { IDD = 167 };
    CDlgSpecWhiteMap();

    WhiteMapSpec m_values;

    bool OnInitDialog() override;

private:
    void OnPrefBorderClicked();
    void OnCityBorderClicked();
    void OnCityNameZoomClicked();
    // 1069 and 1070 enabled with their checks while municipality borders are on, greyed and
    // unchecked otherwise.
    void ShowCityNameBoxes();
    void ShowCheck(int id, int value);
    void EnableItem(int id, bool enabled);
};
