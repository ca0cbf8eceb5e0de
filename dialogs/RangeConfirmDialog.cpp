#include "dialogs/RangeConfirmDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"

namespace {

using namespace vd::ui;

constexpr int IDC_NW_LATITUDE = 1030;
constexpr int IDC_NW_LONGITUDE = 1031;
constexpr int IDC_SE_LATITUDE = 1032;
constexpr int IDC_SE_LONGITUDE = 1033;
constexpr int IDC_ENLARGE = 103;

DialogTemplate RangeConfirmTemplate()
{
    DialogTemplate t;
    t.id = CDlgRangeConfirm::IDD;
    t.caption = "マウスで指定した範囲";
    t.controls = {
        ltext(vd::IDC_STATIC, "北西隅の座標", DialogUnits{10, 8, 60, 10}),
        ltext(IDC_NW_LATITUDE, "34.5000", DialogUnits{20, 22, 50, 10}),
        ltext(IDC_NW_LONGITUDE, "135.0000", DialogUnits{80, 22, 50, 10}),
        ltext(vd::IDC_STATIC, "南東隅の座標", DialogUnits{10, 40, 60, 10}),
        ltext(IDC_SE_LATITUDE, "34.0000", DialogUnits{20, 54, 50, 10}),
        ltext(IDC_SE_LONGITUDE, "135.5000", DialogUnits{80, 54, 50, 10}),
        defPushButton(IDC_ENLARGE, "拡大地図", DialogUnits{140, 18, 50, 14}),
        pushButton(vd::IDCANCEL, "指定解除", DialogUnits{140, 50, 50, 14}),
    };
    t.place = DialogUnits{0, 0, 200, 74};
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {RangeConfirmTemplate()});

} // namespace

CDlgRangeConfirm::CDlgRangeConfirm() : vd::Dialog(IDD)
{
    OnClicked(IDC_ENLARGE, [this] { OnOK(); });
}

bool CDlgRangeConfirm::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    // Shown exactly as the caller wrote them.
    SetDlgItemText(IDC_NW_LATITUDE, m_strNorthWestLatitude);
    SetDlgItemText(IDC_NW_LONGITUDE, m_strNorthWestLongitude);
    SetDlgItemText(IDC_SE_LATITUDE, m_strSouthEastLatitude);
    SetDlgItemText(IDC_SE_LONGITUDE, m_strSouthEastLongitude);
    return true;
}

extern "C" int OnRengeConfirm(std::string westLongitude, std::string northLatitude, std::string eastLongitude,
                              std::string southLatitude)
{
    return RunEntryPoint(-1, [&] {
        CDlgRangeConfirm dialog;
        dialog.m_strNorthWestLongitude = std::move(westLongitude);
        dialog.m_strNorthWestLatitude = std::move(northLatitude);
        dialog.m_strSouthEastLongitude = std::move(eastLongitude);
        dialog.m_strSouthEastLatitude = std::move(southLatitude);
        return dialog.DoModal() == vd::IDOK ? 1 : -1;
    });
}
