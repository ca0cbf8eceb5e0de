#include "layers/settings/industrymesh/ItemNameDialog.h"

#include "layers/settings/industrymesh/StatItemSpec.h"
#include "platform/ui/DataExchange.h"

CDlgItemName::CDlgItemName() : vd::Dialog(IDD) {}

void CDlgItemName::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Text(dx, kItemNameEdit, m_strName);
    vd::DDX_Text(dx, kItemFromEdit, m_nFrom);
    vd::DDX_Text(dx, kItemToEdit, m_nTo);
    vd::DDX_Text(dx, kItemIntervalEdit, m_nInterval);
    vd::DDV_MinMaxInt(dx, m_nInterval, 1, 100000000);
}

bool CDlgItemName::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    // A row never registered has no interval; the smallest one allowed is offered.
    if (m_nInterval == 0) {
        m_nInterval = 1;
        SetDlgItemInt(kItemIntervalEdit, m_nInterval);
    }
    return true;
}

std::string RegisterItemSpec(const std::string& name, int from, int to, int interval)
{
    CDlgItemName dialog;
    dialog.m_strName = name;
    dialog.m_nFrom = from;
    dialog.m_nTo = to;
    dialog.m_nInterval = interval;
    if (dialog.DoModal() != vd::IDOK || dialog.m_strName.empty())
        return {};
    return JoinStatItemSpec({StatItemNameText(dialog.m_strName), dialog.m_nFrom, dialog.m_nTo, dialog.m_nInterval});
}
