#pragma once
// The submarine topography settings, captioned "海底地形（500mメッシュ水深データ）": whether the sea
// floor is shown, how it is drawn (tint, contours, soundings by kind, measured soundings only),
// relief and contour lines (the larger dialog only), and the depth-data folder, picked with
// "登録" by choosing any file in it (which also makes its SeaFloor\ sub-folder at once).
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <string>

// The control ids of one of the two templates; relief and contour are 0 where it has none.
struct SubmarineSettingsLayout {
    int templateId;
    int show;
    int firstMethod; // four radios in a row
    int relief;
    int contour;
    int folder;
    int pick;
};

// Dialog 129, with relief and contours, and the smaller dialog 179.
inline constexpr SubmarineSettingsLayout kSubmarineTravelLayout{129, 1003, 1004, 1010, 1011, 1008, 1009};
inline constexpr SubmarineSettingsLayout kSubmarineSheetLayout{179, 1045, 1046, 0, 0, 1050, 1051};

vd::ui::DialogTemplate SubmarineSettingsTemplate(const SubmarineSettingsLayout& layout);

class CDlgSubmarineSettings : public vd::Dialog {
public:
    explicit CDlgSubmarineSettings(const SubmarineSettingsLayout& layout);

    int m_nShow = 0;
    int m_nMethod = 0;
    int m_nRelief = 0;
    int m_nContour = 0;
    std::string m_strFolder;

    bool OnInitDialog() override;
    void DoDataExchange(vd::DataExchange& dx) override;

private:
    void OnPickFolder();

    const SubmarineSettingsLayout& layout_;
};

// "%d|" x 5 (show, method, relief, contour, 0) and the folder.
std::string FormatSubmarineSettings(int show, int method, int relief, int contour, const std::string& folder);
