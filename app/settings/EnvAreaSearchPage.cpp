#include "app/settings/EnvAreaSearchPage.h"

#include "platform/text/Numbers.h"
#include "platform/ui/TemplateRegistry.h"

#include <string>

namespace {

using namespace vd::ui;

using namespace envareasearchids;

constexpr const char* kDiameterLabel = ")  直径(Km)";
constexpr const char* kSideLabel = ")  辺長(Km)";

DialogTemplate EnvAreaSearchTemplate()
{
    DialogTemplate t;
    t.id = CDlgEnvAreaSearch::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        checkBox(IDC_AREA_SEARCH, "検索"),
        radioButton(IDC_CIRCLE, "円", {}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_SQUARE, "正方形"),
        ltext(vd::IDC_STATIC, "(", {}, vd::WS_GROUP),
        edit(IDC_SIZE_KM),
        ltext(IDC_SIZE_LABEL, kDiameterLabel),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {EnvAreaSearchTemplate()});

} // namespace

CDlgEnvAreaSearch::CDlgEnvAreaSearch()
{
    OnClicked(IDC_AREA_SEARCH, [this] { m_nAreaSearch = m_nAreaSearch == 1 ? 0 : 1; });
    OnClicked(IDC_CIRCLE, [this] { OnShape(0); });
    OnClicked(IDC_SQUARE, [this] { OnShape(1); });
    OnControl(vd::EN_KILLFOCUS, IDC_SIZE_KM, [this] { m_nAreaSizeKm = vd::parseInt(GetDlgItemText(IDC_SIZE_KM)); });
}

bool CDlgEnvAreaSearch::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    CheckDlgButton(IDC_AREA_SEARCH, m_nAreaSearch == 1 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    CheckDlgButton(IDC_CIRCLE, m_nAreaShape == 0 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    CheckDlgButton(IDC_SQUARE, m_nAreaShape == 1 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    SetDlgItemText(IDC_SIZE_LABEL, m_nAreaShape == 1 ? kSideLabel : kDiameterLabel);
    SetDlgItemText(IDC_SIZE_KM, std::to_string(m_nAreaSizeKm));
    return true;
}

void CDlgEnvAreaSearch::OnShape(int shape)
{
    m_nAreaShape = shape;
    SetDlgItemText(IDC_SIZE_LABEL, shape == 1 ? kSideLabel : kDiameterLabel);
}
