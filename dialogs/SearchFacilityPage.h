#pragma once
// The public-facility page of the search (template 174): facility major and minor class by their
// codes (-1 = not set) and names, the prefecture, the government code and a contained text.
#include "dialogs/SearchConditionsPage.h"

// The dialog's control ids (template 174).
namespace searchfacilityids {
inline constexpr int IDC_MAJOR_CODE = 1015;
inline constexpr int IDC_MINOR_CODE = 1016;
inline constexpr int IDC_MAJOR = 1017;
inline constexpr int IDC_MINOR = 1018;
inline constexpr int IDC_GOVERNMENT = 1019;
inline constexpr int IDC_PREFECTURE = 1020;
inline constexpr int IDC_CLEAR = 1021;
inline constexpr int IDC_TEXT = 1022;
} // namespace searchfacilityids

class CDlgSearchFacility : public SearchConditionsPage {
public:
    enum { IDD = 174 };
    CDlgSearchFacility();

    int m_nMajorCode = -1;
    int m_nMinorCode = -1;
    std::string m_strMajorName;
    std::string m_strMinorName;

    bool OnInitDialog() override;

private:
    void FillMinorClasses();
    void OnMajorChosen();
    void OnMinorChosen();
    void OnClear();
};
