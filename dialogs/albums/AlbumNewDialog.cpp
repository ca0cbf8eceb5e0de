#include "dialogs/albums/AlbumNewDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/albums/AlbumFieldText.h"
#include "dialogs/albums/AlbumFile.h"
#include "dialogs/albums/BrowseForFile.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace albumnewids;

DialogTemplate AlbumNewTemplate()
{
    DialogTemplate t;
    t.id = CDlgAlbumNew::IDD;
    t.caption = "　アルバムの新規登録";
    t.controls = {
        ltext(vd::IDC_STATIC, "ｱﾙﾊﾞﾑ番号"),
        ltext(IDC_ALBUM_NUMBER, ""),
        ltext(vd::IDC_STATIC, "地点名"),
        edit(IDC_NAME),
        ltext(vd::IDC_STATIC, "項目"),
        edit(IDC_ITEM),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE),
        ltext(vd::IDC_STATIC, "ﾍﾟｰｼﾞ"),
        ltext(IDC_PAGE, ""),
        ltext(vd::IDC_STATIC, "ﾒﾓ1"),
        edit(IDC_MEMO1),
        ltext(vd::IDC_STATIC, "ﾒﾓ2"),
        edit(IDC_MEMO2),
        ltext(vd::IDC_STATIC, "ﾃｷｽﾄ"),
        edit(IDC_TEXT),
        pushButton(IDC_BROWSE_TEXT, "ﾌｧｲﾙ"),
        pushButton(IDC_SHOW_TEXT, "ﾃｷｽﾄ参照"),
        ltext(vd::IDC_STATIC, "画像"),
        edit(IDC_PICTURE),
        pushButton(IDC_BROWSE_PICTURE, "ﾌｧｲﾙ"),
        pushButton(IDC_ADD, "ｱﾙﾊﾞﾑに追加"),
        defPushButton(vd::IDOK, "登録を終了"),
        pushButton(IDC_CANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {AlbumNewTemplate()});

} // namespace

CDlgAlbumNew::CDlgAlbumNew() : vd::Dialog(IDD)
{
    OnClicked(IDC_BROWSE_TEXT, [this] { OnBrowseText(); });
    OnClicked(IDC_BROWSE_PICTURE, [this] { OnBrowsePicture(); });
    OnClicked(IDC_SHOW_TEXT, [this] { OnShowText(); });
    OnClicked(IDC_ADD, [this] { OnAddRecord(); });
    OnClicked(IDC_CANCEL, [this] { EndDialog(-1); });
}

bool CDlgAlbumNew::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_LATITUDE, m_strLatitude);
    SetDlgItemText(IDC_LONGITUDE, m_strLongitude);
    SetDlgItemText(IDC_ALBUM_NUMBER, m_strAlbumNumber);
    m_nPageCounter = 1;
    SetDlgItemText(IDC_PAGE, "1");
    return true;
}

// The point's texts as last edited (each edit hands its text over when it loses the focus).
void CDlgAlbumNew::TakePointTexts()
{
    m_strName = AlbumFieldText(GetDlgItemText(IDC_NAME));
    m_strItem = AlbumFieldText(GetDlgItemText(IDC_ITEM));
    m_strLatitude = GetDlgItemText(IDC_LATITUDE);
    m_strLongitude = GetDlgItemText(IDC_LONGITUDE);
}

void CDlgAlbumNew::OnBrowseText()
{
    m_strTextFile = BrowseForFile("txt", "*.txt", "地点 files (*.txt)|*.txt");
    SetDlgItemText(IDC_TEXT, m_strTextFile);
}

void CDlgAlbumNew::OnBrowsePicture()
{
    const std::string picture = BrowseForFile("bmp", "*.bmp", "画像 files (*.bmp)|*.bmp");
    if (picture.empty())
        return;
    m_strPictureFile = picture;
    SetDlgItemText(IDC_PICTURE, m_strPictureFile);
}

void CDlgAlbumNew::OnShowText()
{
    m_strTextFile = GetDlgItemText(IDC_TEXT);
    ShowTextFileHead(m_strTextFile);
}

void CDlgAlbumNew::OnAddRecord()
{
    TakePointTexts();
    m_strMemo1 = AlbumFieldText(GetDlgItemText(IDC_MEMO1));
    m_strMemo2 = AlbumFieldText(GetDlgItemText(IDC_MEMO2));
    m_strTextFile = GetDlgItemText(IDC_TEXT);
    m_strPictureFile = GetDlgItemText(IDC_PICTURE);
    // A page needs the place, a file and its first memo; without them nothing happens.
    if (m_strName.empty() || (m_strTextFile.empty() && m_strPictureFile.empty()) || m_strMemo1.empty())
        return;
    const AlbumPage page{m_strMemo1, m_strLatitude, m_strLongitude, m_strMemo2, m_strPictureFile, m_strTextFile};
    if (!WriteAlbumPage(m_strAlbumFile, page, m_nPageCounter == 1)) {
        vd::ui::AfxMessageBox("ｱﾙﾊﾞﾑﾌｧｲﾙ " + m_strAlbumFile + " に書き込めません。ﾍﾟｰｼﾞは追加されていません。");
        return;
    }
    for (int id : {IDC_MEMO1, IDC_MEMO2, IDC_TEXT, IDC_PICTURE})
        SetDlgItemText(id, "");
    ++m_nPageCounter;
    SetDlgItemText(IDC_PAGE, vd::format("%d", m_nPageCounter));
}

void CDlgAlbumNew::OnOK()
{
    TakePointTexts();
    EndDialog(vd::IDOK);
}

std::string CDlgAlbumNew::Answer() const
{
    return vd::format("%d|", m_nNumber) + m_strLongitude + "|" + m_strLatitude + "|" + m_strName + "|" + m_strItem;
}

extern "C" std::string OnDLLAlbumRegist(int number, std::string longitude, std::string latitude, std::string albumFile,
                                        std::string albumNumber)
{
    return RunEntryPoint(std::string(kAlbumNewCancelled), [&] {
        CDlgAlbumNew dialog;
        dialog.m_nNumber = number;
        dialog.m_strLongitude = std::move(longitude);
        dialog.m_strLatitude = std::move(latitude);
        dialog.m_strAlbumFile = std::move(albumFile);
        dialog.m_strAlbumNumber = std::move(albumNumber);
        if (dialog.DoModal() != vd::IDOK)
            return std::string(kAlbumNewCancelled);
        return dialog.Answer();
    });
}
