#pragma once
// The master list's maintenance (template 156), opened by the route map choice: deletes the
// chosen route or area map (its route file first, then its line) or renames it in place. Both
// write the master list at once and list it anew; a new choice is then needed for the next one.
#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

// The dialog's control ids (template 156).
namespace routemapupdateids {
inline constexpr int IDC_COUNT = 1077;
inline constexpr int IDC_LIST = 1078;
inline constexpr int IDC_DELETE = 1079;
inline constexpr int IDC_NAME = 1080;
inline constexpr int IDC_RENAME = 1081;
} // namespace routemapupdateids

class CDlgRouteMapUpdate : public vd::Dialog {
public:
    enum { IDD = 156 };
    CDlgRouteMapUpdate();

    int m_nKind = 0;             // 0 route maps, any other area maps
    std::string m_strRouteFolder; // ROUTAREA\, with a trailing backslash
    std::vector<std::string> m_astrMaster; // the master lines as stored, at most 512
    int m_nSelected = -1;        // -1 while nothing is chosen
    std::string m_strName;
    std::string m_strPath;
    std::string m_strLoaded;     // "on" once the table has been read

    bool OnInitDialog() override;

private:
    void FillList();
    void OnSelchangeList();
    void OnDelete();
    void OnRename();
    void ListAnew();
};
