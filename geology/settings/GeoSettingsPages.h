#pragma once
// The theme pages of the geology settings dialogs: caption-less child dialogs inside the tab
// control. Every class item is a radio button of a group of its own, which the page checks and
// clears itself, so it acts as a toggle; the symbol radios form one group. A page offers only
// some symbol values (the land-classification pages fewer); a stored value it does not offer
// checks no radio and goes back unchanged unless the user picks one.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>
#include <vector>

class GeoSettingsPage : public vd::Dialog {
public:
    // block: the first control id of the page (geoids); symbols: the values offered.
    GeoSettingsPage(int templateId, int block, std::vector<int> symbols);

    int m_nSymbolMode = 0;

    bool OnInitDialog() override;

protected:
    // Checks the items and the symbol radio from the members (re-run after each toggle).
    virtual void Refresh();
    // After a symbol radio stored its value.
    virtual void AfterSymbolChoice() {}
    void Check(int id, bool on);
    int Block() const { return block_; }

private:
    int block_;
    std::vector<int> symbols_;
};

// Flips item i of a group of flags (0 = the "all" item): a class clears "all"; with bringAllBack
// an empty group gets "all" again; "all" set clears positions 1 to last.
void ToggleGeoItem(int* flags, int i, int last, bool bringAllBack);
// The flags written one "%d" each.
std::string GeoFlagsText(const int* flags, int count);

// 表層地質: the rock groups (12 flags, items 0-6) and the eras (10 flags, items 0-7).
class GeoRockPage : public GeoSettingsPage {
public:
    GeoRockPage(int templateId, int block, std::vector<int> symbols);

    std::array<int, 12> m_anRockFlags{};
    std::array<int, 10> m_anEraFlags{};
    std::string m_strRock; // the rock flags as digits, rebuilt at every refresh
    std::string m_strEra;

    void Load(const std::string& rockSelection, const std::string& eraSelection);
    // The rock selection with its symbol digit, and the era selection, as OK answers them.
    std::string CollectedRock() const;
    std::string CollectedEra() const { return m_strEra; }

protected:
    void Refresh() override;
    void AfterSymbolChoice() override { Rebuild(); }

private:
    void Rebuild();
};

// 土壌 and 地形分類: one group of class items; nothing chosen is allowed.
class GeoClassPage : public GeoSettingsPage {
public:
    GeoClassPage(int templateId, int block, std::vector<int> symbols, int flagCount, int itemCount);

    std::vector<int> m_anFlags;
    std::string m_strKept; // the selection as passed until the user changes the page

    void Load(const std::string& selection);
    // The kept text cut to the flag count ("all" alone when empty) and the symbol digit.
    std::string Collected() const;

protected:
    void Refresh() override;
    void AfterSymbolChoice() override { Rebuild(); }

private:
    void Rebuild();
    int itemCount_;
};

// 谷密度: the symbol choice only.
class GeoValleyPage : public GeoSettingsPage {
public:
    using GeoSettingsPage::GeoSettingsPage;
    void Load(const std::string& valleyDigit);
    std::string Collected() const;
};

// The pages of the natural-terrain dialog.
class CDlgGeoRock : public GeoRockPage {
public:
    CDlgGeoRock();
};
class CDlgGeoSoil : public GeoClassPage {
public:
    CDlgGeoSoil();
};
class CDlgGeoTerrain : public GeoClassPage {
public:
    CDlgGeoTerrain();
};
class CDlgGeoValley : public GeoValleyPage {
public:
    CDlgGeoValley();
};

// The pages of the land-classification dialog: fewer symbol values.
class CDlgNtrRock : public GeoRockPage {
public:
    CDlgNtrRock();
};
class CDlgNtrSoil : public GeoClassPage {
public:
    CDlgNtrSoil();
};
class CDlgNtrTerrain : public GeoClassPage {
public:
    CDlgNtrTerrain();
};
class CDlgNtrValley : public GeoValleyPage {
public:
    CDlgNtrValley();
};
