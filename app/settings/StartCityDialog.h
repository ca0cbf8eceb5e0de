#pragma once
// The start city dialog (template 150 "始点の都市"): chooses the city that distances are measured
// from among the cities of MAPELMNT\DPRTCITY.DAT, registers a new city in that file, or opens
// the file in the user's editor. The caller fills the members, runs it modally and on OK takes
// the name and the four coordinates back; it reads its own city list again when the edited flag
// is 1.
#include "app/settings/MapDisplaySpec.h"
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

// The dialog's control ids (template 150).
namespace startcityids {
inline constexpr int IDC_CITY = 1051;
inline constexpr int IDC_REGISTER = 1052;
inline constexpr int IDC_EDIT_FILE = 1054;
inline constexpr int IDC_LATITUDE = 1055;
inline constexpr int IDC_LONGITUDE = 1056;
} // namespace startcityids

class CDlgStartCity : public vd::Dialog {
public:
    enum { IDD = 150 };
    explicit CDlgStartCity(vd::Window* parent);

    StartCity m_city;
    std::string m_strAppDir;
    std::string m_strEditor;
    std::vector<std::string> m_astrLine; // the usable lines of the file, at most 20
    int m_nCityCount = 0;
    int m_nShownIndex = -1;
    int m_nEdited = 0; // 1 once the file was changed through the dialog

    bool OnInitDialog() override;

private:
    void FillCityList();
    void OnCityChosen();
    void OnRegister();
    void OnEdit();
    std::string FilePath() const;
};

// The start city of a line of the file: its name and the degrees and minutes of its texts.
StartCity StartCityOfLine(const std::string& line);
