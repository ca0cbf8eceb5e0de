#pragma once
// The choice of the file that receives the search result (child panel 175 on the open-file
// dialog): append to it (mode 0) or make it anew (mode 1), and its format (0 ".dat", 1 ".ymd",
// 2 ".csv"). Selecting an existing file shows its size and time and turns to append mode with
// the format its name says; a name that cannot be opened turns to new-file mode.
#include "platform/ui/FileDialog.h"

#include <string>

// The dialog's control ids (template 175).
namespace searchoutputfileids {
inline constexpr int IDC_FILE_INFO = 1151;
inline constexpr int IDC_APPEND = 1154;
inline constexpr int IDC_NEW = 1155;
inline constexpr int IDC_FORMAT_DAT = 1156;
inline constexpr int IDC_FORMAT_YMD = 1157;
inline constexpr int IDC_FORMAT_CSV = 1158;
inline constexpr int IDC_ELEVATION = 1161;
} // namespace searchoutputfileids

class CDlgFlOut : public vd::FileDialog {
public:
    enum { IDD = 175 };
    CDlgFlOut();

    int m_nFileMode = 1;
    int m_nFileFormat = 0;
    // 0: button 1158 names the annotation table, otherwise the public-facility table.
    int m_nCsvKind = 0;
    int m_nProvisionalElevation = -9999;
    // The current selection, lower-cased.
    std::string m_strChosenPath;

    bool OnInitDialog() override;
    void OnFileNameChange() override;
    void OnFolderChange() override;

private:
    void Repaint();
    void SetFileMode(int mode);
};

// The extension of a result file format: ".dat", ".ymd" or ".csv".
const char* SearchResultExtension(int fileFormat);
