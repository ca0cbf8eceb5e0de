#include "app/settings/EnvSearchPage.h"

#include "app/settings/EnvSettingsValues.h"
#include "app/settings/SettingsFilePicker.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace envsearchids;

DialogTemplate EnvSearchTemplate()
{
    DialogTemplate t;
    t.id = CDlgEnvSearch::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        ltext(vd::IDC_STATIC, "注記"),
        edit(IDC_ANNOTATION_TABLE, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        pushButton(IDC_PICK_ANNOTATION, "ﾌｧｲﾙ"),
        ltext(vd::IDC_STATIC, "公共施設"),
        edit(IDC_FACILITY_TABLE, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        pushButton(IDC_PICK_FACILITY, "ﾌｧｲﾙ"),
        ltext(vd::IDC_STATIC, "標高"),
        comboBox(IDC_ELEVATION, {}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP, {"0", "-999", "-9999"}),
        checkBox(IDC_HIDE_FOUND_PLACES, "検索した地点を表示しない"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {EnvSearchTemplate()});

} // namespace

CDlgEnvSearch::CDlgEnvSearch()
{
    OnClicked(IDC_PICK_ANNOTATION, [this] { Pick(m_strAnnotationTable, IDC_ANNOTATION_TABLE); });
    OnClicked(IDC_PICK_FACILITY, [this] { Pick(m_strPublicFacilityTable, IDC_FACILITY_TABLE); });
    OnControl(vd::CBN_SELCHANGE, IDC_ELEVATION, [this] { OnElevationChosen(); });
    OnClicked(IDC_HIDE_FOUND_PLACES, [this] { m_nHideFoundPlaces = m_nHideFoundPlaces == 1 ? 0 : 1; });
}

bool CDlgEnvSearch::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_ANNOTATION_TABLE, m_strAnnotationTable);
    SetDlgItemText(IDC_FACILITY_TABLE, m_strPublicFacilityTable);
    if (auto* combo = item<vd::ComboBox>(IDC_ELEVATION))
        combo->SetCurSel(OutputElevationItem(m_nOutputElevation));
    CheckDlgButton(IDC_HIDE_FOUND_PLACES, m_nHideFoundPlaces == 1 ? vd::BST_CHECKED : vd::BST_UNCHECKED);
    return true;
}

void CDlgEnvSearch::Pick(std::string& table, int editId)
{
    const std::string path = PickExistingFile("CSV (*.csv)|*.csv", "csv");
    if (path.empty())
        return;
    table = path;
    SetDlgItemText(editId, table);
}

void CDlgEnvSearch::OnElevationChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_ELEVATION);
    if (const auto elevation = OutputElevationOfItem(combo ? combo->GetCurSel() : -1))
        m_nOutputElevation = *elevation;
}
