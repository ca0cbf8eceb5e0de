#include "seismic/settings/SeismicRegisterDialog.h"

#include "platform/text/StringOps.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/Ui.h"
#include "seismic/lists/SeismicDataList.h"
#include "seismic/lists/SeismicEntryName.h"

namespace {

using namespace vd::ui;

using namespace seismicregisterids;

// A path typed as a Linux path is kept in the program's one form, as a chosen one is.
std::string StoredPath(const std::string& typed)
{
    if (!typed.empty() && typed.front() == '/')
        return toWindowsForm(typed);
    return typed;
}

} // namespace

DialogTemplate SeismicRegisterTemplate()
{
    DialogTemplate t;
    t.id = CDlgSeisFileRegist::IDD;
    t.caption = "地震動予測地図のデータファイルの登録";
    t.place = DialogUnits{0, 0, 280, 96};
    t.controls = {
        pushButton(IDC_BROWSE, "ﾌｧｲﾙ", DialogUnits{6, 6, 36, 14}),
        edit(IDC_DATA_FILE, DialogUnits{46, 7, 228, 12}),
        ltext(vd::IDC_STATIC, "データの名称", DialogUnits{6, 28, 60, 8}),
        edit(IDC_NAME, DialogUnits{6, 38, 268, 30}, vd::ES_MULTILINE | vd::ES_AUTOVSCROLL | vd::ES_WANTRETURN),
        defPushButton(vd::IDOK, "OK", DialogUnits{168, 76, 50, 14}),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{224, 76, 50, 14}),
    };
    return t;
}

CDlgSeisFileRegist::CDlgSeisFileRegist() : vd::Dialog(IDD) { OnClicked(IDC_BROWSE, [this] { OnBrowse(); }); }

void CDlgSeisFileRegist::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Text(dx, IDC_DATA_FILE, m_strDataFile);
    vd::DDX_Text(dx, IDC_NAME, m_strName);
}

void CDlgSeisFileRegist::OnBrowse()
{
    vd::ui::MessageBeep();
    vd::FileDialog dialog(true, "csv", "csv", vd::OFN_FILEMUSTEXIST, "csv files (*.csv)|*.csv|All files (*.*)|*.*||",
                          this);
    if (dialog.DoModal() != vd::IDOK)
        return;
    m_strDataFile = dialog.GetPathName();
    if (m_strDataFile.empty())
        return;
    m_strDataFile = vd::toLowerAscii(m_strDataFile);
    SetDlgItemText(IDC_DATA_FILE, m_strDataFile);
}

void CDlgSeisFileRegist::OnOK()
{
    // The field holds the chosen path; one typed over it counts as well.
    m_strDataFile = StoredPath(GetDlgItemText(IDC_DATA_FILE));
    m_strName = GetDlgItemText(IDC_NAME);
    if (m_strDataFile.empty())
        vd::ui::AfxMessageBox("地図データファイルが指定記入されていません", vd::MB_OK | vd::MB_ICONEXCLAMATION);
    if (m_strName.empty())
        vd::ui::AfxMessageBox("地図データの名称が記入されていません", vd::MB_OK | vd::MB_ICONEXCLAMATION);
    if (m_strDataFile.empty() || m_strName.empty())
        return;
    m_strName = seismic::SeismicEntryName(m_strName);
    // A list that cannot be written must not look registered: the page would list an entry that
    // the maps cannot find.
    if (!seismic::AppendSeismicDataEntry(m_strListFolder, m_nKind, m_strName, m_strDataFile)) {
        vd::ui::AfxMessageBox("地図データファイルを登録できません:\n" + seismic::SeismicListPath(m_strListFolder, m_nKind),
                              vd::MB_OK | vd::MB_ICONEXCLAMATION);
        return;
    }
    SetDlgItemText(IDC_DATA_FILE, m_strDataFile);
    SetDlgItemText(IDC_NAME, m_strName);
    vd::Dialog::OnOK();
}
