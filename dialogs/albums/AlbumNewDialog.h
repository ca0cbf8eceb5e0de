#pragma once
// A new album (template 148): the album point's name, item and coordinates, and its pages, each
// written to the album file as soon as it is added ("ｱﾙﾊﾞﾑに追加"); "登録を終了" answers the
// album point for the program's point data file.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 148).
namespace albumnewids {
inline constexpr int IDC_NAME = 101;
inline constexpr int IDC_PICTURE = 102;
inline constexpr int IDC_ITEM = 104;
inline constexpr int IDC_LATITUDE = 105;
inline constexpr int IDC_MEMO1 = 106;
inline constexpr int IDC_MEMO2 = 107;
inline constexpr int IDC_TEXT = 108;
inline constexpr int IDC_BROWSE_TEXT = 109;
inline constexpr int IDC_SHOW_TEXT = 114;
inline constexpr int IDC_BROWSE_PICTURE = 115;
inline constexpr int IDC_ADD = 117;
inline constexpr int IDC_LONGITUDE = 129;
inline constexpr int IDC_ALBUM_NUMBER = 1044;
inline constexpr int IDC_PAGE = 1045;
inline constexpr int IDC_CANCEL = 1047;
} // namespace albumnewids

class CDlgAlbumNew : public vd::Dialog {
public:
    enum { IDD = 148 };
    CDlgAlbumNew();

    int m_nNumber = 0;      // the caller's number, echoed in the answer
    int m_nPageCounter = 1; // the number of the next page
    std::string m_strName;
    std::string m_strItem;
    std::string m_strLatitude;
    std::string m_strLongitude;
    std::string m_strMemo1;
    std::string m_strMemo2;
    std::string m_strTextFile;
    std::string m_strPictureFile;
    std::string m_strAlbumFile;
    std::string m_strAlbumNumber;

    bool OnInitDialog() override;
    void OnOK() override;
    // The answer after OK: "%d|" and longitude, latitude, name and item joined by "|".
    std::string Answer() const;

private:
    void TakePointTexts();
    void OnBrowseText();
    void OnBrowsePicture();
    void OnShowText();
    void OnAddRecord();
};

// What OnDLLAlbumRegist answers for a dialog not ended with "登録を終了".
inline constexpr const char* kAlbumNewCancelled = "4||||";
