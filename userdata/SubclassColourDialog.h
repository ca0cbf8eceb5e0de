#pragma once
// The colours of the sub-classes of one place-name middle class (template 183), nine a page,
// on a copy of the class dialog's colour table; -1 (no colour) shows as white and stays -1
// until the user picks a colour.
#include "userdata/ColorComboBox.h"
#include "userdata/PlaceNameClassFiles.h"
#include "userdata/PlaceNameSubclasses.h"

#include "platform/ui/Dialog.h"

#include <array>
#include <string>

class CDlgSubclassColour : public vd::Dialog {
public:
    enum { IDD = 183 };
    CDlgSubclassColour();

    int m_nMajorClass = 0;
    int m_nMiddleClass = 0;
    int m_nPage = 0;
    int m_bMorePages = -1;
    int m_bChanged = -1;
    PlaceNameColourTable m_anColour{};
    std::array<std::string, kSubclassEntries> m_astrSubclass;
    std::string m_strTitlePart;

    bool OnInitDialog() override;

private:
    void ShowPage();
    void OnColourChosen(int slot);
    void OnNextPage();
    void OnPreviousPage();
    bool PagesAllTheWay() const { return m_nMajorClass == 5 && m_nMiddleClass == 1; }
    std::int16_t& Stored(int slot);

    std::array<CColorComboBox, 9> m_combos;
};
