#include "seismic/settings/SeismicListPage.h"

#include "platform/text/Format.h"
#include "platform/ui/EditorCommand.h"
#include "seismic/lists/SeismicDataList.h"
#include "seismic/settings/SeismicRegisterDialog.h"

namespace {

using namespace vd::ui;

constexpr int kQuantities = 3;
constexpr const char* kQuantityNames[kQuantities] = {"基盤の最大速度", "地表の最大速度", "地表の震度"};

} // namespace

DialogTemplate SeismicListPageTemplate(const SeismicListPageLayout& layout)
{
    DialogTemplate t;
    t.id = layout.templateId;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{5, 20, 272, 66};
    t.controls = {
        checkBox(layout.show, "表示する", DialogUnits{8, 4, 60, 10}),
        ltext(vd::IDC_STATIC, "ﾌｧｲﾙNo", DialogUnits{150, 5, 30, 8}),
        ltext(layout.position, "", DialogUnits{182, 5, 40, 8}),
        comboBox(layout.combo, DialogUnits{8, 18, 200, 100}, vd::CBS_DROPDOWNLIST | vd::WS_VSCROLL),
        pushButton(layout.registerButton, "登録", DialogUnits{214, 17, 50, 14}),
        pushButton(layout.update, "更新", DialogUnits{214, 34, 50, 14}),
    };
    if (layout.firstQuantity != 0) {
        t.controls.push_back(ltext(vd::IDC_STATIC, "表示する地震動強さ", DialogUnits{8, 38, 100, 8}));
        for (int q = 0; q < kQuantities; ++q)
            t.controls.push_back(radioButton(layout.firstQuantity + q, kQuantityNames[q],
                                             DialogUnits{8 + 70 * q, 50, 68, 10},
                                             vd::BS_AUTORADIOBUTTON | (q == 0 ? vd::WS_GROUP : 0u)));
    }
    return t;
}

CSeismicListPage::CSeismicListPage(const SeismicListPageLayout& layout) : vd::Dialog(layout.templateId), layout_(layout)
{
    OnControl(vd::CBN_SELCHANGE, layout_.combo, [this] { OnSelectionChanged(); });
    OnClicked(layout_.show, [this] { OnShowClicked(); });
    OnClicked(layout_.registerButton, [this] { OnRegister(); });
    OnClicked(layout_.update, [this] { OnUpdate(); });
    if (layout_.firstQuantity != 0)
        for (int q = 0; q < kQuantities; ++q)
            OnClicked(layout_.firstQuantity + q, [this, q] { m_nQuantity = q; });
}

bool CSeismicListPage::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    combo_ = item<vd::ComboBox>(layout_.combo);
    CheckDlgButton(layout_.show, m_nShow == 1 ? 1 : 0);
    // A list that can be neither read nor created leaves the page empty; the dialog goes on.
    (void)seismic::EnsureSeismicDataList(m_strListFolder, layout_.kind);
    m_nCount = 0;
    for (const std::string& name : seismic::ListSeismicDataNames(m_strListFolder, layout_.kind)) {
        combo_->AddString(name);
        ++m_nCount;
    }
    ShowPosition();
    if (m_nSelected >= 0)
        combo_->SetCurSel(m_nSelected);
    if (layout_.firstQuantity != 0 && m_nQuantity >= 0 && m_nQuantity < kQuantities)
        CheckRadioButton(layout_.firstQuantity, layout_.firstQuantity + kQuantities - 1,
                         layout_.firstQuantity + m_nQuantity);
    return true;
}

void CSeismicListPage::ShowPosition()
{
    SetDlgItemText(layout_.position, m_nSelected < 0 ? vd::format("%3d", m_nCount)
                                                     : vd::format("%3d/%3d", m_nSelected + 1, m_nCount));
}

void CSeismicListPage::OnSelectionChanged()
{
    m_nSelected = combo_->GetCurSel();
    ShowPosition();
    if (m_nShow == 0) {
        m_nShow = 1;
        CheckDlgButton(layout_.show, 1);
    }
}

void CSeismicListPage::OnShowClicked()
{
    m_nShow = m_nShow == 0 ? 1 : 0;
    CheckDlgButton(layout_.show, m_nShow == 1 ? 1 : 0);
}

void CSeismicListPage::OnRegister()
{
    CDlgSeisFileRegist dialog;
    dialog.m_nKind = layout_.kind;
    dialog.m_strListFolder = m_strListFolder;
    if (dialog.DoModal() != vd::IDOK)
        return;
    m_strRegisteredFile = dialog.m_strDataFile;
    m_strRegisteredName = dialog.m_strName;
    if (m_strRegisteredFile.empty() || m_strRegisteredName.empty())
        return;
    const int index = combo_->AddString(m_strRegisteredName);
    combo_->SetCurSel(index);
    m_nSelected = index;
    m_nCount = index + 1;
    ShowPosition();
}

void CSeismicListPage::OnUpdate()
{
    // The list is read again only when the settings open anew.
    (void)vd::ui::runExternalEditor(m_strEditor, m_strListFolder + layout_.editName);
}
