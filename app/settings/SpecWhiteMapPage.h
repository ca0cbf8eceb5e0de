#pragma once
// Page 地図 (template 167) of 地図の表示仕様: the base map's frame, scale bar,
// prefecture and sub-prefecture borders and their colour, lakes and reservoirs, municipality
// borders with their colour and names. Municipality borders need municipality data: without a
// municipality folder they stay off.
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

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
