#pragma once
// The confirmation of a range dragged with the mouse (template 146): the corner coordinates as
// the caller wrote them, "拡大地図" (or Enter) to show the range enlarged, "指定解除" to drop it.
#include "platform/ui/Dialog.h"

#include <string>

class CDlgRangeConfirm : public vd::Dialog {
public:
    enum { IDD = 146 };
    CDlgRangeConfirm();

    std::string m_strNorthWestLongitude;
    std::string m_strNorthWestLatitude;
    std::string m_strSouthEastLongitude;
    std::string m_strSouthEastLatitude;

    bool OnInitDialog() override;
};
