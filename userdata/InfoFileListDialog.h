#pragma once
// The information file list dialog (template 173 "地点情報ファイル"): a numbered list of file paths
// in the profile, chosen by a mode word ("GPS" the registered track files, "POINTNAME" the
// place-name files, "WHOLEAREA" the whole-area place-name files); pick one, add one through the
// file-open dialog, or remove the picked one.
#include "platform/ui/Dialog.h"
#include "userdata/NumberedProfileList.h"

#include <string>

// The dialog's control ids (template 173).
namespace infofilelistids {
inline constexpr int IDC_FILE_COMBO = 1182;
inline constexpr int IDC_FILE_BUTTON = 1184;
inline constexpr int IDC_REMOVE = 1185;
inline constexpr int IDC_COUNT = 1186;
} // namespace infofilelistids

class CDlgInfoFileList : public vd::Dialog {
public:
    enum { IDD = 173 };
    explicit CDlgInfoFileList(vd::Window* parent = nullptr);

    int m_nPicked = -1;    // combo position of the picked entry
    std::string m_strFile; // in: the current file; out: the picked or added file
    std::string m_strMode;
    std::string m_strSection;
    std::string m_strKeyPrefix;
    int m_nRemovedKey = 0; // the key number emptied by "ｶｰｿﾙ行  削除", 0 when none

    bool OnInitDialog() override;

private:
    NumberedProfileList List() const { return {m_strSection, m_strKeyPrefix}; }
    void OnPicked();
    void OnFileButton();
    void OnRemove();
    void ShowCount(std::size_t count);
};
