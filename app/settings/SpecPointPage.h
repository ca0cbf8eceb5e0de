#pragma once
// Page 登録地点 (template 130) of 地図の表示仕様: whether and how the user's
// registered points are shown (pop-ups, keyword, kinds of entries, symbol size, label).
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

class CDlgSpecPoint : public vd::Dialog {
public:
    enum { IDD = 130 };
    CDlgSpecPoint();

    PointSpec m_values;

    bool OnInitDialog() override;
    // The keyword as the edit holds it (when it loses the focus and on OK).
    void ReadKeyword();
};
