#include "dialogs/SearchDisplayPage.h"

#include "dialogs/DialogLibraryApp.h"

namespace {

using namespace vd::ui;

using namespace searchdisplayids;

struct Choice {
    int buttonId;
    int value;
};
constexpr Choice kModes[] = {{IDC_HIDDEN, 0}, {IDC_SHEET_ONLY, 1}, {IDC_SHEET_AND_WIDE, 2}, {IDC_ENLARGED_ONLY, 3}};
constexpr Choice kSizes[] = {{IDC_SMALL, 0}, {IDC_MEDIUM, 1}, {IDC_LARGE, 2}};

DialogTemplate SearchDisplayTemplate()
{
    DialogTemplate t;
    t.id = CDlgSearchDisplay::IDD;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{4, 16, 250, 120};
    t.controls = {
        groupBox(vd::IDC_STATIC, "表示方法", DialogUnits{4, 2, 150, 70}),
        radioButton(IDC_HIDDEN, "非表示", DialogUnits{10, 14, 130, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_SHEET_ONLY, "１×１図のみで表示", DialogUnits{10, 28, 130, 10}),
        radioButton(IDC_SHEET_AND_WIDE, "１×１図と広域地図で表示", DialogUnits{10, 42, 130, 10}),
        radioButton(IDC_ENLARGED_ONLY, "拡大地図のみで表示", DialogUnits{10, 56, 130, 10}),
        groupBox(vd::IDC_STATIC, "文字の大きさ", DialogUnits{160, 2, 80, 70}),
        radioButton(IDC_SMALL, "小", DialogUnits{166, 14, 60, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_MEDIUM, "中", DialogUnits{166, 28, 60, 10}),
        radioButton(IDC_LARGE, "大", DialogUnits{166, 42, 60, 10}),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {SearchDisplayTemplate()});

} // namespace

CDlgSearchDisplay::CDlgSearchDisplay() : vd::Dialog(IDD)
{
    for (const Choice& mode : kModes)
        OnClicked(mode.buttonId, [this, mode] { m_nDisplayMode = mode.value; });
    for (const Choice& size : kSizes)
        OnClicked(size.buttonId, [this, size] { m_nTextSize = size.value; });
}

bool CDlgSearchDisplay::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (const Choice& mode : kModes)
        CheckDlgButton(mode.buttonId, mode.value == m_nDisplayMode ? 1 : 0);
    for (const Choice& size : kSizes)
        CheckDlgButton(size.buttonId, size.value == m_nTextSize ? 1 : 0);
    return true;
}
