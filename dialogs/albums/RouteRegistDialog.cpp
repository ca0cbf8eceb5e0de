#include "dialogs/albums/RouteRegistDialog.h"

#include "dialogs/DialogLibraryApp.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

namespace {

using namespace vd::ui;

using namespace routeregistids;

DialogTemplate RouteRegistTemplate()
{
    DialogTemplate t;
    t.id = CDlgRouteRegist::IDD;
    t.caption = "            ルート登録";
    t.controls = {
        ltext(IDC_KIND, "ルート"),
        listBox(IDC_POINTS, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_COUNT, ""),
        ltext(vd::IDC_STATIC, "名前"),
        edit(IDC_NAME),
        defPushButton(vd::IDOK, "登録"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {RouteRegistTemplate()});

} // namespace

std::string DefaultRouteName(const std::string& firstEntry, const std::string& countText)
{
    const std::string listed = ListedPart(firstEntry);
    return listed.substr(0, listed.find('#')) + "(計" + countText + ")";
}

CDlgRouteRegist::CDlgRouteRegist() : vd::Dialog(IDD) {}

bool CDlgRouteRegist::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (m_strKind == "AreaMap") {
        SetDlgItemText(IDC_KIND, "エリア");
        SetWindowText("            エリア登録");
    }
    auto* points = item<vd::ListBox>(IDC_POINTS);
    for (const std::string& entry : m_entries.entry)
        if (!entry.empty() && entry != kPointListEnd)
            points->AddString(ListedPart(entry));
    const std::string countText = vd::format("%d地点", points->GetCount());
    SetDlgItemText(IDC_COUNT, countText);
    m_strRouteName = DefaultRouteName(m_entries.entry[0], countText);
    SetDlgItemText(IDC_NAME, m_strRouteName);
    return true;
}

void CDlgRouteRegist::OnOK()
{
    m_strRouteName = GetDlgItemText(IDC_NAME);
    EndDialog(vd::IDOK);
}
