#pragma once
// The display page of the search (template 132): how the hits are shown (0 hidden, 1 on the
// 1:1 sheet only, 2 on the sheet and the wide map, 3 on the enlarged map only) and the text
// size (0 small, 1 medium, 2 large).
#include "platform/ui/Dialog.h"

// The dialog's control ids (template 132).
namespace searchdisplayids {
inline constexpr int IDC_LARGE = 1018;
inline constexpr int IDC_MEDIUM = 1019;
inline constexpr int IDC_SMALL = 1020;
inline constexpr int IDC_HIDDEN = 1028;
inline constexpr int IDC_SHEET_AND_WIDE = 1029;
inline constexpr int IDC_SHEET_ONLY = 1030;
inline constexpr int IDC_ENLARGED_ONLY = 1031;
} // namespace searchdisplayids

class CDlgSearchDisplay : public vd::Dialog {
public:
    enum { IDD = 132 };
    CDlgSearchDisplay();

    int m_nDisplayMode = 0;
    int m_nTextSize = 0;

    bool OnInitDialog() override;
};
