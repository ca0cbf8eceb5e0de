#pragma once
// Page 地名 (template 165) of 地図の表示仕様: whether and how place names are
// shown (thinning, face, height, pop-ups, kinds), with the counts and the file shown only.
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

class CDlgSpecPlaceName : public vd::Dialog {
public:
    enum { IDD = 165 };
    CDlgSpecPlaceName();

    PlaceNameSpec m_values;

    bool OnInitDialog() override;

private:
    void OnDisplayClicked();
    void OnThinningChanged();
    void OnKindsButton();
};
