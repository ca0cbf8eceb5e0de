#pragma once
// The place-name page of the search (template 171): major, middle and minor class by their
// codes (-1 = not set) and names, the prefecture, the government code and a contained text.
#include "dialogs/SearchConditionsPage.h"

// The dialog's control ids (template 171).
namespace searchplacenameids {
inline constexpr int IDC_MAJOR = 1001;
inline constexpr int IDC_MIDDLE = 1002;
inline constexpr int IDC_MINOR = 1003;
inline constexpr int IDC_TEXT = 1004;
inline constexpr int IDC_PREFECTURE = 1005;
inline constexpr int IDC_GOVERNMENT = 1007;
inline constexpr int IDC_MAJOR_CODE = 1010;
inline constexpr int IDC_MIDDLE_CODE = 1011;
inline constexpr int IDC_MINOR_CODE = 1012;
inline constexpr int IDC_CLEAR = 1032;
} // namespace searchplacenameids

class CDlgSearchPlaceName : public SearchConditionsPage {
public:
    enum { IDD = 171 };
    CDlgSearchPlaceName();

    int m_nMajorCode = -1;
    int m_nMiddleCode = -1;
    int m_nMinorCode = -1;
    std::string m_strMajorName;
    std::string m_strMiddleName;
    std::string m_strMinorName;

    bool OnInitDialog() override;

private:
    void FillMiddleClasses();
    void FillMinorClasses();
    void OnMajorChosen();
    void OnMiddleChosen();
    void OnMinorChosen();
    void OnClear();
};
