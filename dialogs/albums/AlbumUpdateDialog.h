#pragma once
// Corrects or deletes an album (template 147): the album's pages listed with the chosen page's
// memos and files, the album point's name, item and coordinates to correct, the album file opened
// in the outside editor, and the ends "更新を終了" and "ｱﾙﾊﾞﾑを削除".
#include "dialogs/files/PointListFile.h"
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 147).
namespace albumupdateids {
inline constexpr int IDC_PAGE_MEMO1 = 106;
inline constexpr int IDC_PAGE_MEMO2 = 104;
inline constexpr int IDC_PAGE_TEXT = 105;
inline constexpr int IDC_PAGE_PICTURE = 101;
inline constexpr int IDC_END_UPDATE = 103;
inline constexpr int IDC_SHOW_TEXT = 114;
inline constexpr int IDC_DELETE = 121;
inline constexpr int IDC_PAGES = 128;
inline constexpr int IDC_NAME = 129;
inline constexpr int IDC_ITEM = 130;
inline constexpr int IDC_COUNT = 131;
inline constexpr int IDC_LATITUDE = 132;
inline constexpr int IDC_LONGITUDE = 1000;
inline constexpr int IDC_EDIT = 1076;
} // namespace albumupdateids

class CDlgAlbumUpdate : public vd::Dialog {
public:
    enum { IDD = 147 };
    CDlgAlbumUpdate();

    int m_nAnswerIndex = 0;    // the caller's index; -1 after "ｱﾙﾊﾞﾑを削除", 0 after "更新を終了"
    bool m_bDeleteAsked = false;
    std::string m_strState;    // "new": the album file is still to be made, then "old"
    std::string m_strAlbumFile;
    std::string m_strEditor;
    PointList m_list;
    std::string m_strName;
    std::string m_strItem;
    std::string m_strLatitude;
    std::string m_strLongitude;

    bool OnInitDialog() override;
    void OnOK() override;
    // After OK or "更新を終了": "%d|%d|" with the index and code 1 (2 for index 0), then name,
    // latitude, longitude and item, each followed by a blank.
    std::string Answer() const;

private:
    void OnSelchangeList();
    void OnShowText();
    void OnEdit();
    void OnEndUpdate();
    void OnDelete();
};
