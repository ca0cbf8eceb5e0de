#pragma once
// Page 登録地点 (template 130) of 地図の表示仕様: whether and how the user's
// registered points are shown (pop-ups, keyword, kinds of entries, symbol size, label).
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 130).
namespace specpointids {
inline constexpr int IDC_DISPLAY = 1124;
inline constexpr int IDC_POPUP = 1003;
inline constexpr int IDC_KEYWORD = 1147;
inline constexpr int IDC_TEXTS = 1130; // 1130-1132: kinds 1-3
inline constexpr int IDC_BOTH_KINDS = 1132;
inline constexpr int IDC_LARGE = 1133; // 1133-1135: sizes 3-1
inline constexpr int IDC_SMALL = 1135;
inline constexpr int IDC_POINT_NAME = 1136; // 1136-1138: labels 1-3
inline constexpr int IDC_BOTH_LABELS = 1138;
} // namespace specpointids

class CDlgSpecPoint : public vd::Dialog {
public:
    enum { IDD = 130 };
    CDlgSpecPoint();

    PointSpec m_values;

    bool OnInitDialog() override;
    // The keyword as the edit holds it (when it loses the focus and on OK).
    void ReadKeyword();
};
