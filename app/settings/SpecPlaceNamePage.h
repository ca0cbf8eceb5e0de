#pragma once
// Page 地名 (template 165) of 地図の表示仕様: whether and how place names are
// shown (thinning, face, height, pop-ups, kinds), with the counts and the file shown only.
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 165).
namespace specplacenameids {
inline constexpr int IDC_DISPLAY = 215;
inline constexpr int IDC_THINNING = 1031;
inline constexpr int IDC_GOTHIC = 1026;
inline constexpr int IDC_MINCHO = 1027;
inline constexpr int IDC_HEIGHT_12 = 1039;
inline constexpr int IDC_HEIGHT_11 = 1040;
inline constexpr int IDC_HEIGHT_10 = 1041;
inline constexpr int IDC_POPUP = 1148;
inline constexpr int IDC_KINDS = 1129;
inline constexpr int IDC_IN_MAP = 1005;
inline constexpr int IDC_TOTAL = 1006;
inline constexpr int IDC_FILE = 1007;
} // namespace specplacenameids

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
