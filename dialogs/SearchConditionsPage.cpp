#include "dialogs/SearchConditionsPage.h"

#include "dialogs/PlaceSearchClasses.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"

namespace {

std::string BeforeSlash(const std::string& entry)
{
    return entry.substr(0, entry.find('/'));
}

std::string AfterSlash(const std::string& entry)
{
    return entry.substr(entry.find('/') + 1);
}

bool IsPrefectureIndex(int index)
{
    return index >= 0 && index < static_cast<int>(PrefectureList().size());
}

} // namespace

SearchConditionsPage::SearchConditionsPage(int templateId, SearchAreaIds ids) : vd::Dialog(templateId), ids_(ids)
{
    OnControl(vd::CBN_SELCHANGE, ids.prefecture, [this] { OnPrefectureChosen(); });
    OnControl(vd::CBN_KILLFOCUS, ids.prefecture, [this] { OnPrefectureLeft(); });
    OnControl(vd::CBN_KILLFOCUS, ids.governmentCode,
              [this] { m_strGovernmentCode = GetDlgItemText(ids_.governmentCode); });
    OnControl(vd::EN_KILLFOCUS, ids.containedText,
              [this] { m_strContainedText = GetDlgItemText(ids_.containedText); });
}

void SearchConditionsPage::ShowArea()
{
    auto& prefectures = *item<vd::ComboBox>(ids_.prefecture);
    for (const std::string& entry : PrefectureList())
        prefectures.AddString(AfterSlash(entry));
    if (IsPrefectureIndex(m_nPrefectureIndex)) {
        prefectures.SetCurSel(m_nPrefectureIndex);
        DerivePrefecture();
    } else {
        m_nPrefectureIndex = -1;
    }
    if (!m_strGovernmentCode.empty())
        SetDlgItemText(ids_.governmentCode, m_strGovernmentCode);
    if (!m_strContainedText.empty())
        SetDlgItemText(ids_.containedText, m_strContainedText);
}

void SearchConditionsPage::ClearArea()
{
    m_nPrefectureIndex = -1;
    item<vd::ComboBox>(ids_.prefecture)->SetCurSel(-1);
    SetDlgItemText(ids_.prefecture, "");
    SetDlgItemText(ids_.governmentCode, "");
    m_strGovernmentCode.clear();
    m_strPrefectureCode.clear();
    m_strPrefectureName.clear();
}

void SearchConditionsPage::DerivePrefecture()
{
    const std::string& entry = PrefectureList()[static_cast<std::size_t>(m_nPrefectureIndex)];
    m_strPrefectureCode = BeforeSlash(entry);
    m_strPrefectureName = AfterSlash(entry);
}

void SearchConditionsPage::OnPrefectureChosen()
{
    const int chosen = item<vd::ComboBox>(ids_.prefecture)->GetCurSel();
    if (!IsPrefectureIndex(chosen))
        return;
    m_nPrefectureIndex = chosen;
    DerivePrefecture();
}

void SearchConditionsPage::OnPrefectureLeft()
{
    // Without a chosen prefecture, what was typed is taken as its code.
    if (m_nPrefectureIndex == -1)
        m_strPrefectureCode = GetDlgItemText(ids_.prefecture);
}

void SearchConditionsPage::TakeTypedTexts()
{
    m_strGovernmentCode = GetDlgItemText(ids_.governmentCode);
    m_strContainedText = GetDlgItemText(ids_.containedText);
    OnPrefectureLeft();
}

void SearchConditionsPage::SelectName(vd::ComboBox& combo, const std::string& name)
{
    combo.SetCurSel(name.empty() ? -1 : combo.FindStringExact(-1, name));
}

void SearchConditionsPage::TakeMinorChoice(int comboId, int codeStaticId, const std::vector<SearchClass>& classes,
                                           int& code, std::string& name)
{
    auto* combo = item<vd::ComboBox>(comboId);
    const int chosen = combo->GetCurSel();
    if (chosen < 0)
        return;
    name = combo->GetLBText(chosen);
    for (const SearchClass& minor : classes)
        if (name == minor.name) {
            code = minor.code;
            break;
        }
    SetDlgItemText(codeStaticId, vd::format("%2d", code));
}

std::vector<vd::ui::ControlTemplate> SearchConditionsPage::AreaControls(SearchAreaIds ids, int y)
{
    using namespace vd::ui;
    return {
        ltext(vd::IDC_STATIC, "都道府県", DialogUnits{4, y + 2, 40, 10}),
        comboBox(ids.prefecture, DialogUnits{46, y, 80, 120}, vd::CBS_DROPDOWN),
        ltext(vd::IDC_STATIC, "行政コード", DialogUnits{130, y + 2, 40, 10}),
        comboBox(ids.governmentCode, DialogUnits{172, y, 60, 80}, vd::CBS_DROPDOWN),
        ltext(vd::IDC_STATIC, "含む文字", DialogUnits{4, y + 18, 40, 10}),
        edit(ids.containedText, DialogUnits{46, y + 16, 150, 12}),
    };
}
