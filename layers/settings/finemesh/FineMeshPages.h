#pragma once
// The four pages of the 1/10 subdivided mesh dialog. Each page is one theme: an on box, the data
// folder or file with its "ﾌｧｲﾙ" button, and the item the mesh map shows. Choosing an item
// switches the theme on, whatever its text. On the land-use page every class is a button of its
// own, so any set of classes can be chosen; the page keeps them in the flag string.
#include "layers/settings/SettingsPage.h"
#include "layers/settings/finemesh/LandUseClasses.h"

#include <string>
#include <vector>

// The item buttons' ids: the first of each page, then one more per item.
inline constexpr int kLandUseClassButton = 1480;
inline constexpr int kAreaItemButton = 1500;
inline constexpr int kBasinItemButton = 1510;
inline constexpr int kLakeItemButton = 1520;

// Each page's theme row: its on box, its folder or file edit and its "ﾌｧｲﾙ" button.
inline constexpr int kLandUseThemeOn = 1440, kLandUseThemeText = 1439, kLandUseThemeFile = 1441;
inline constexpr int kAreaThemeOn = 1444, kAreaThemeText = 1442, kAreaThemeFile = 1443;
inline constexpr int kBasinThemeOn = 1470, kBasinThemeText = 1471, kBasinThemeFile = 1472;
inline constexpr int kLakeThemeOn = 1478, kLakeThemeText = 1476, kLakeThemeFile = 1477;

class FineMeshPage : public SettingsPage {
public:
    int m_nOn = 0;
    int m_nItem = 0;
    std::string m_strText;

    int textEditId() const { return textEditId_; }

protected:
    FineMeshPage(int templateId, int onBoxId, int textEditId, int fileButtonId, DataTextForm form);
    // The theme switched on (value 1, box checked) whether or not it has a text.
    void SwitchPageOn();

private:
    int textEditId_;
};

// A page whose items are one radio group: ids firstButton, firstButton + 1, ... for items 0, 1, ...
class FineMeshItemPage : public FineMeshPage {
protected:
    FineMeshItemPage(int templateId, int onBoxId, int textEditId, int fileButtonId, DataTextForm form, int firstButton,
                     int items);
};

class CDlgFmLandUse : public FineMeshPage {
public:
    enum { IDD = 146 };
    CDlgFmLandUse();

    std::string m_strFlags;

    bool OnInitDialog() override;

private:
    void OnClassClicked(int cls);
    void ShowClassFlags();
};

class CDlgFmArea : public FineMeshItemPage {
public:
    enum { IDD = 251 };
    CDlgFmArea();
};

class CDlgFmBasin : public FineMeshItemPage {
public:
    enum { IDD = 252 };
    CDlgFmBasin();
};

class CDlgFmLake : public FineMeshItemPage {
public:
    enum { IDD = 253 };
    CDlgFmLake();
};

// The item captions of pages 1 to 3.
const std::vector<const char*>& AreaItemNames();
const std::vector<const char*>& BasinItemNames();
const std::vector<const char*>& LakeItemNames();
