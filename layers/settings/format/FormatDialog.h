#pragma once
// The format viewer dialog (template 159 "ﾌｫｰﾏｯﾄﾌｧｲﾙを開く"): the list of the switched-on data
// sets; a double click opens one's description page and waits until its viewer ends. With a
// single data set the page opens at once.
#include "layers/settings/format/FormatEntries.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

class CDlgDdFormat : public vd::Dialog {
public:
    enum { IDD = 159 };
    static constexpr int kList = 1668;
    static constexpr int kHint = 1685;

    CDlgDdFormat();

    std::vector<FormatEntry> m_entries;
    // The program that shows a page; empty: the desktop's handler for the page.
    std::string m_strViewer;

    bool OnInitDialog() override;
    // Shows page `index` and, with a viewer, waits until it ends.
    void OpenFormatPage(int index);
};

inline constexpr const char* kFormatHint = "ﾃﾞｰﾀを選んで\r\nﾀﾞﾌﾞﾙｸﾘｯｸ！";
inline constexpr const char* kFormatOpening = "ﾌｫｰﾏｯﾄﾌｧｲﾙを\r\n開いています！";

vd::ui::DialogTemplate FormatTemplate();
