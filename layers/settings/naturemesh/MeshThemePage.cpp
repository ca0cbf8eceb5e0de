#include "layers/settings/naturemesh/MeshThemePage.h"

#include "layers/settings/naturemesh/NatureMeshTemplates.h"

MeshThemePage::MeshThemePage(const MeshThemeSpec& spec) : SettingsPage(spec.templateId), spec_(spec)
{
    row_ = AddRow(spec_.onBox, m_nOn, spec_.textEdit, m_strText);
    AddFileButton(row_, spec_.fileButton, spec_.form);
    std::vector<RadioChoice> items;
    for (int value = 0; value < spec_.itemCount; ++value)
        items.push_back({spec_.firstItemButton + value, value});
    BindRadioGroup(std::move(items), m_nItem, [this] { OnItemButton(); });
}

void MeshThemePage::SwitchThemeOn()
{
    if (m_nOn == 0) {
        m_nOn = 1;
        ShowRowOn(row_);
    }
}

CDlgDmRiver::CDlgDmRiver()
    : MeshThemePage({kRiverPage, kRiverOn, kRiverText, kRiverFile, DataTextForm::Folder(8), kRiverFirstItem, 4})
{
}

CDlgDmCoast::CDlgDmCoast()
    : MeshThemePage({kCoastPage, kCoastOn, kCoastText, kCoastFile, DataTextForm::File(), kCoastFirstItem, 9})
{
}

CDlgDmArea::CDlgDmArea()
    : MeshThemePage({kAreaPage, kAreaOn, kAreaText, kAreaFile, DataTextForm::Folder(8), kAreaFirstItem, 7})
{
}

CDlgDmForest::CDlgDmForest()
    : MeshThemePage({kForestPage, kForestOn, kForestText, kForestFile, DataTextForm::File(), kForestFirstItem, 3})
{
}
