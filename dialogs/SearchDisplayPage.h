#pragma once
// The display page of the search (template 132): how the hits are shown (0 hidden, 1 on the
// 1:1 sheet only, 2 on the sheet and the wide map, 3 on the enlarged map only) and the text
// size (0 small, 1 medium, 2 large).
#include "platform/ui/Dialog.h"

class CDlgSearchDisplay : public vd::Dialog {
public:
    enum { IDD = 132 };
    CDlgSearchDisplay();

    int m_nDisplayMode = 0;
    int m_nTextSize = 0;

    bool OnInitDialog() override;
};
