#pragma once
// The data file catalogue (template 134): chooses the point data file the map shows (entry 0 the
// common area SOURCE\history.dat, entry n SOURCE\Source<n>.dat by the n-th title of BINDER.DAT),
// whether the common area is shown beside it, and registers or deletes titles. Registration and
// deletion write BINDER.DAT at once; only the answer carries the choice back.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

// The dialog's control ids (template 134).
namespace datafilesids {
inline constexpr int IDC_FILE_COMBO = 135;
inline constexpr int IDC_POSITION = 1048;
inline constexpr int IDC_USE_COMMON = 1020;
inline constexpr int IDC_SHOWN = 1021;
inline constexpr int IDC_NEW_TITLE = 101;
inline constexpr int IDC_REGISTER = 103;
inline constexpr int IDC_DELETE = 109;
} // namespace datafilesids

class CDlgDataFiles : public vd::Dialog {
public:
    enum { IDD = 134 };
    CDlgDataFiles();

    int m_nSelected = 0;
    int m_nCount = 1;              // entries listed, the common area included
    std::string m_strUseCommon;    // "on" when the common area is shown beside the chosen file
    std::string m_strFolder;       // SOURCE\, with a trailing backslash
    std::string m_strSelectedTitle;
    std::array<std::string, 100> m_astrTitle;  // by entry number; entry 0 stays empty

    bool OnInitDialog() override;

private:
    void FillList();
    void OnSelchangeFile();
    void OnRegister();
    void OnUseCommonArea();
    void OnDelete();
    void ShowPosition();
    void ShowWhatIsShown();
    void ReportUnwritable();
    std::string BinderPath() const { return m_strFolder + "BINDER.DAT"; }
};

inline constexpr const char* kCommonAreaTitle = "HD(共通領域)";
inline constexpr const char* kRegisteredMessage = "登録されました！";
inline constexpr const char* kBinderUnwritableMessage =
    "データファイルの一覧(BINDER.DAT)に書き込めません。登録も削除もされていません。";
