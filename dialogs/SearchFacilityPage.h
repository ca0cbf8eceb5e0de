#pragma once
// The public-facility page of the search (template 174): facility major and minor class by their
// codes (-1 = not set) and names, the prefecture, the government code and a contained text.
#include "dialogs/SearchConditionsPage.h"

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
