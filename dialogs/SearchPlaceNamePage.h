#pragma once
// The place-name page of the search (template 171): major, middle and minor class by their
// codes (-1 = not set) and names, the prefecture, the government code and a contained text.
#include "dialogs/SearchConditionsPage.h"

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
