#pragma once
// One entry of a text, picture or guide-map menu, added or changed (template 178): its title and
// its target, a text file chosen by the file dialog or a picture chosen by Surrick's picture
// file dialog.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 178).
namespace menuentryids {
inline constexpr int IDC_TITLE = 1022;
inline constexpr int IDC_TARGET = 1023;
inline constexpr int IDC_BROWSE = 1025;
inline constexpr int IDC_TARGET_LABEL = 1026;
} // namespace menuentryids

class CDlgMenuEntry : public vd::Dialog {
public:
    enum { IDD = 178 };
    CDlgMenuEntry();

    int m_nUpdate = 0; // 1 changes an existing entry, 0 adds one
    int m_nKind = 0;   // 0 text menus, 1 picture menus, 2 the guide-map menu
    std::string m_strTitle;
    std::string m_strTarget;

    bool OnInitDialog() override;
    void DoDataExchange(vd::DataExchange& dx) override;

private:
    void OnBrowse();
};
