#pragma once
// CDlgItemName (template 144): names one statistics item of a class-bound row: its name, its
// 累積桁数 range and its 区分間隔 (1 to 100000000). RegisterItemSpec runs it for 登録.
#include "platform/ui/Dialog.h"

#include <string>

class CDlgItemName : public vd::Dialog {
public:
    enum { IDD = 144 };
    CDlgItemName();

    std::string m_strName;
    int m_nFrom = 0;
    int m_nTo = 0;
    int m_nInterval = 0;

    bool OnInitDialog() override;
    void DoDataExchange(vd::DataExchange& dx) override;
};

// Control ids of template 144.
inline constexpr int kItemNameEdit = 1408;
inline constexpr int kItemFromEdit = 1411;
inline constexpr int kItemToEdit = 1410;
inline constexpr int kItemIntervalEdit = 1414;

// The item-name dialog filled with the row's values; after OK with a name, the name ("/" and "#"
// made full-width) + "/%d/%d/%d" of the range and interval; "" after Cancel or without a name.
std::string RegisterItemSpec(const std::string& name, int from, int to, int interval);
