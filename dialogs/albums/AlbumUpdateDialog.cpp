#include "dialogs/albums/AlbumUpdateDialog.h"

#include "contracts/tovendlg.h"
#include "dialogs/DialogLibraryApp.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/albums/AlbumFieldText.h"
#include "dialogs/points/ExternalEditor.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "platform/fs/TextWriter.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace albumupdateids;

DialogTemplate AlbumUpdateTemplate()
{
    DialogTemplate t;
    t.id = CDlgAlbumUpdate::IDD;
    t.caption = "  アルバムデータの更新";
    t.controls = {
        ltext(vd::IDC_STATIC, "地点名"),
        edit(IDC_NAME),
        ltext(vd::IDC_STATIC, "項目"),
        edit(IDC_ITEM),
        ltext(vd::IDC_STATIC, "緯度"),
        edit(IDC_LATITUDE),
        ltext(vd::IDC_STATIC, "経度"),
        edit(IDC_LONGITUDE),
        ltext(vd::IDC_STATIC, "ｱﾙﾊﾞﾑのﾍﾟｰｼﾞ"),
        listBox(IDC_PAGES, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_COUNT, ""),
        ltext(vd::IDC_STATIC, "ﾒﾓ1"),
        edit(IDC_PAGE_MEMO1),
        ltext(vd::IDC_STATIC, "ﾒﾓ2"),
        edit(IDC_PAGE_MEMO2),
        ltext(vd::IDC_STATIC, "ﾃｷｽﾄ"),
        edit(IDC_PAGE_TEXT),
        pushButton(IDC_SHOW_TEXT, "ﾃｷｽﾄ参照"),
        ltext(vd::IDC_STATIC, "画像"),
        edit(IDC_PAGE_PICTURE),
        pushButton(IDC_EDIT, "編集"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(IDC_END_UPDATE, "更新を終了"),
        pushButton(IDC_DELETE, "ｱﾙﾊﾞﾑを削除"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {AlbumUpdateTemplate()});

} // namespace

CDlgAlbumUpdate::CDlgAlbumUpdate() : vd::Dialog(IDD)
{
    OnControl(vd::LBN_SELCHANGE, IDC_PAGES, [this] { OnSelchangeList(); });
    OnClicked(IDC_SHOW_TEXT, [this] { OnShowText(); });
    OnClicked(IDC_EDIT, [this] { OnEdit(); });
    OnClicked(IDC_END_UPDATE, [this] { OnEndUpdate(); });
    OnClicked(IDC_DELETE, [this] { OnDelete(); });
}

bool CDlgAlbumUpdate::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_NAME, m_strName);
    SetDlgItemText(IDC_ITEM, m_strItem);
    SetDlgItemText(IDC_LATITUDE, m_strLatitude);
    SetDlgItemText(IDC_LONGITUDE, m_strLongitude);
    if (m_strState == "new") {
        vd::TextWriter writer;
        if (!writer.open(m_strAlbumFile, vd::WriteMode::Replace) || !writer.close())
            vd::ui::AfxMessageBox("ｱﾙﾊﾞﾑﾌｧｲﾙ " + m_strAlbumFile + " を作成できません。");
        m_strState = "old";
    } else {
        m_list = ReadPointList(m_strAlbumFile, PointListFilter::Full);
        auto* pages = item<vd::ListBox>(IDC_PAGES);
        for (int i = 0; i < m_list.count; ++i)
            pages->AddString(ListedPart(m_list.entry[i]));
        ShowPointCount(*this, m_list, kAlbumUpdateControls);
    }
    GetDlgItem(IDC_PAGE_MEMO1)->SetFocus();
    return false;
}

void CDlgAlbumUpdate::OnSelchangeList()
{
    const int selection = item<vd::ListBox>(IDC_PAGES)->GetCurSel();
    ShowPointEntry(*this, m_list, selection, kAlbumUpdateControls);
    ShowPointPosition(*this, m_list, selection, kAlbumUpdateControls);
}

void CDlgAlbumUpdate::OnShowText()
{
    ShowTextFileHead(GetDlgItemText(IDC_PAGE_TEXT));
}

void CDlgAlbumUpdate::OnEdit()
{
    if (!m_strAlbumFile.empty())
        RunExternalEditor(m_strEditor, m_strAlbumFile);
}

void CDlgAlbumUpdate::OnOK()
{
    m_strLatitude = GetDlgItemText(IDC_LATITUDE);
    m_strLongitude = GetDlgItemText(IDC_LONGITUDE);
    m_strName = AlbumFieldText(GetDlgItemText(IDC_NAME));
    m_strItem = AlbumFieldText(GetDlgItemText(IDC_ITEM));
    EndDialog(vd::IDOK);
}

void CDlgAlbumUpdate::OnEndUpdate()
{
    m_nAnswerIndex = 0;
    EndDialog(vd::IDOK);
}

void CDlgAlbumUpdate::OnDelete()
{
    m_nAnswerIndex = -1;
    m_bDeleteAsked = true;
    EndDialog(-1);
}

std::string CDlgAlbumUpdate::Answer() const
{
    return vd::format("%d|%d|", m_nAnswerIndex, m_nAnswerIndex == 0 ? 2 : 1) + m_strName + " " + m_strLatitude + " " +
           m_strLongitude + " " + m_strItem + " ";
}

extern "C" std::string OnAlbumUpdate(int index, std::string albumState, std::string albumFile, std::string name,
                                     std::string item, std::string longitude, std::string latitude,
                                     std::string editor)
{
    return RunEntryPoint(std::string(), [&] {
        CDlgAlbumUpdate dialog;
        dialog.m_nAnswerIndex = index;
        dialog.m_strState = std::move(albumState);
        dialog.m_strAlbumFile = std::move(albumFile);
        dialog.m_strName = std::move(name);
        dialog.m_strItem = std::move(item);
        dialog.m_strLongitude = std::move(longitude);
        dialog.m_strLatitude = std::move(latitude);
        dialog.m_strEditor = std::move(editor);
        const int result = dialog.DoModal();
        if (result == vd::IDOK)
            return dialog.Answer();
        if (dialog.m_bDeleteAsked)
            return vd::format("%d|%d|", index, 3);
        return std::string();
    });
}
