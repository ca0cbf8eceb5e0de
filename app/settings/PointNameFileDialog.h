#pragma once
// The current place-name file dialog (template 224 "現在の地点名ファイル"), opened from the map
// page of the environment settings: lists the place-name files registered in PNTFILE.DAT,
// registers a new one and hands the list to the user's editor. Its effects are on PNTFILE.DAT
// only; OK and Cancel just close it.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 224).
namespace pointnamefileids {
inline constexpr int IDC_REGISTER = 1009;
inline constexpr int IDC_EDIT_LIST = 1010;
inline constexpr int IDC_COUNT = 1186;
inline constexpr int IDC_FILE_LIST = 1335;
} // namespace pointnamefileids

class CDlgPointNameFile : public vd::Dialog {
public:
    enum { IDD = 224 };
    // The list box shows at most this many entries.
    static constexpr int kListedFiles = 16;

    explicit CDlgPointNameFile(vd::Window* parent = nullptr);

    std::string m_strAppDir;
    std::string m_strEditor;
    // The file registered last; empty until one is.
    std::string m_strRegisteredFile;

    bool OnInitDialog() override;
    // Runs the editor on a file and waits for it to end.
    void RunEditor(const std::string& path);

private:
    void FillList();
    void OnRegister();
    void OnEdit();
};
