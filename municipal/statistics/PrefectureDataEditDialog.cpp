#include "municipal/statistics/PrefectureDataEditDialog.h"

#include "basemap/files/PrefectureDataFile.h"
#include "municipal/SurrickModule.h"
#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace prefecturedataeditids;

DialogTemplate DataEditTemplate()
{
    DialogTemplate t;
    t.id = CDlgLclDataUpdt::IDD;
    t.caption = "都道府県別データ";
    t.controls = {
        comboBox(IDC_CATALOGUE, {}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL | vd::WS_TABSTOP),
        defPushButton(vd::IDOK, "データの編集"),
        pushButton(IDC_EDIT_CATALOGUE, "ﾃﾞｰﾀﾌｧｲﾙの更新"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {DataEditTemplate()});

void EditAndWait(const std::string& editor, const std::string& winPath)
{
    vd::ui::editAndWait(vd::ui::editorCommand(editor, vd::ui::toLinuxForm(winPath)));
}

} // namespace

CDlgLclDataUpdt::CDlgLclDataUpdt() : vd::Dialog(IDD)
{
    OnControl(vd::CBN_SELCHANGE, IDC_CATALOGUE, [this] { OnDataSetChosen(); });
    OnClicked(IDC_EDIT_CATALOGUE, [this] { OnEditCatalogue(); });
}

std::string CDlgLclDataUpdt::CataloguePath() const
{
    return m_strDataFolder + "MAPELMNT\\PfctrFl.dat";
}

bool CDlgLclDataUpdt::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    if (auto* combo = item<vd::ComboBox>(IDC_CATALOGUE))
        if (auto paths = ReadPrefectureDataCatalogue(CataloguePath()))
            for (const std::string& path : *paths)
                combo->AddString(path);
    return true;
}

void CDlgLclDataUpdt::OnDataSetChosen()
{
    auto* combo = item<vd::ComboBox>(IDC_CATALOGUE);
    if (combo && combo->GetCurSel() >= 0)
        m_strDataFile = combo->GetLBText(combo->GetCurSel());
}

void CDlgLclDataUpdt::OnOK()
{
    if (m_strDataFile.empty())
        return;
    EditAndWait(m_strEditor, m_strDataFile);
    EndDialog(vd::IDOK);
}

void CDlgLclDataUpdt::OnEditCatalogue()
{
    EditAndWait(m_strEditor, CataloguePath());
}
