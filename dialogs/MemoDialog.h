#pragma once
// The memo (template 133): a text of the caller, the memo section of a file or the head of a
// text file, with the file's path under it (MemoText tells which by the MemoMode).
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 133).
namespace memoids {
inline constexpr int IDC_MEMO_TEXT = 101;
inline constexpr int IDC_MEMO_PATH = 102;
} // namespace memoids

class CDlgMemo : public vd::Dialog {
public:
    enum { IDD = 133 };
    CDlgMemo();

    int m_nMode = 0;      // MemoMode: 1 memo section, 2 head of the file, else the caller's text
    int m_nPosition = 0;  // 1 or more: the window's x, with its top at 560
    std::string m_strFile;
    std::string m_strText;

    int OnCreate() override;
    bool OnInitDialog() override;
};

// The head of a text file in a memo window, as the album dialogs' text buttons show it; nothing
// for an empty name.
void ShowTextFileHead(const std::string& file);

// The top of a memo window that the caller places.
inline constexpr int kMemoWindowTop = 560;
