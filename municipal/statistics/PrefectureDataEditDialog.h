#pragma once
// The statistics data editing dialog (template 230 "都道府県別データ"): a data set chosen from
// the catalogue, or the catalogue itself, opened in the user's editor.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 230).
namespace prefecturedataeditids {
inline constexpr int IDC_CATALOGUE = 1492;
inline constexpr int IDC_EDIT_CATALOGUE = 1494;
} // namespace prefecturedataeditids

class CDlgLclDataUpdt : public vd::Dialog {
public:
    enum { IDD = 230 };
    CDlgLclDataUpdt();

    std::string m_strDataFolder; // ends in a backslash
    std::string m_strEditor;
    std::string m_strDataFile;   // the chosen data set

    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::string CataloguePath() const;
    void OnDataSetChosen();
    void OnEditCatalogue();
};
