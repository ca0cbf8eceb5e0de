#include "layers/settings/finemesh/FineMeshPages.h"

#include "platform/ui/Controls.h"

namespace {

// The data folders of the three area themes are named by 8-character data-set codes.
constexpr int kCodeLength = 8;

} // namespace

FineMeshPage::FineMeshPage(int templateId, int onBoxId, int textEditId, int fileButtonId, DataTextForm form)
    : SettingsPage(templateId), textEditId_(textEditId)
{
    const int row = AddRow(onBoxId, m_nOn, textEditId, m_strText);
    AddFileButton(row, fileButtonId, form);
}

void FineMeshPage::SwitchPageOn()
{
    if (RowOn(0) == 0) {
        RowOn(0) = 1;
        ShowRowOn(0);
    }
}

FineMeshItemPage::FineMeshItemPage(int templateId, int onBoxId, int textEditId, int fileButtonId, DataTextForm form,
                                   int firstButton, int items)
    : FineMeshPage(templateId, onBoxId, textEditId, fileButtonId, form)
{
    std::vector<RadioChoice> choices;
    for (int i = 0; i < items; ++i)
        choices.push_back({firstButton + i, i});
    BindRadioGroup(std::move(choices), m_nItem, [this] { SwitchPageOn(); });
}

CDlgFmLandUse::CDlgFmLandUse()
    : FineMeshPage(IDD, kLandUseThemeOn, kLandUseThemeText, kLandUseThemeFile, DataTextForm::Folder(kCodeLength))
{
    for (int cls = 0; cls < kLandUseClassCount; ++cls)
        OnClicked(kLandUseClassButton + cls, [this, cls] { OnClassClicked(cls); });
}

bool CDlgFmLandUse::OnInitDialog()
{
    FineMeshPage::OnInitDialog();
    ShowClassFlags();
    return true;
}

void CDlgFmLandUse::OnClassClicked(int cls)
{
    m_nItem = cls;
    LandUseFlags flags = ReadLandUseFlags(m_strFlags);
    ClickLandUseClass(flags, cls);
    SwitchPageOn();
    m_strFlags = LandUseFlagText(flags);
    // Only the buttons and the on box are shown again: a folder being typed stays in its edit.
    ShowClassFlags();
}

void CDlgFmLandUse::ShowClassFlags()
{
    const LandUseFlags flags = ReadLandUseFlags(m_strFlags);
    for (int cls = 0; cls < kLandUseClassCount; ++cls)
        if (auto* button = item<vd::Button>(kLandUseClassButton + cls))
            button->SetCheck(flags[cls] ? 1 : 0);
}

CDlgFmArea::CDlgFmArea()
    : FineMeshItemPage(IDD, kAreaThemeOn, kAreaThemeText, kAreaThemeFile, DataTextForm::Folder(kCodeLength),
                       kAreaItemButton, static_cast<int>(AreaItemNames().size()))
{
}

CDlgFmBasin::CDlgFmBasin()
    : FineMeshItemPage(IDD, kBasinThemeOn, kBasinThemeText, kBasinThemeFile, DataTextForm::Folder(kCodeLength),
                       kBasinItemButton, static_cast<int>(BasinItemNames().size()))
{
}

CDlgFmLake::CDlgFmLake()
    : FineMeshItemPage(IDD, kLakeThemeOn, kLakeThemeText, kLakeThemeFile, DataTextForm::File(), kLakeItemButton,
                       static_cast<int>(LakeItemNames().size()))
{
}

const std::vector<const char*>& AreaItemNames()
{
    static const std::vector<const char*> names = {"都市計画区域", "自然公園", "自然環境保全", "農業地域", "森林地域"};
    return names;
}

const std::vector<const char*>& BasinItemNames()
{
    static const std::vector<const char*> names = {"集水域・非集水域", "集水域", "非集水域"};
    return names;
}

const std::vector<const char*>& LakeItemNames()
{
    static const std::vector<const char*> names = {"湖沼", "湖沼と名称", "湖沼と湖面標高", "湖沼と名称・湖面標高",
                                                   "湖沼と名称･湖面標高･ｺｰﾄﾞ"};
    return names;
}
