#include "dialogs/SearchOutputFileDialog.h"

#include "dialogs/DialogLibraryApp.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"

#include <ctime>

namespace {

using namespace vd::ui;

using namespace searchoutputfileids;

constexpr int kFormatButtons[] = {IDC_FORMAT_DAT, IDC_FORMAT_YMD, IDC_FORMAT_CSV};

DialogTemplate SearchOutputPanelTemplate()
{
    DialogTemplate t;
    t.id = CDlgFlOut::IDD;
    t.style = vd::WS_CHILD;
    t.place = DialogUnits{0, 0, 280, 80};
    t.controls = {
        ltext(IDC_FILE_INFO, "", DialogUnits{6, 2, 268, 10}),
        groupBox(vd::IDC_STATIC, "保存方法", DialogUnits{6, 14, 70, 40}),
        radioButton(IDC_APPEND, "追加", DialogUnits{12, 26, 56, 10}, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_NEW, "新規作成", DialogUnits{12, 38, 56, 10}),
        groupBox(vd::IDC_STATIC, "保存形式", DialogUnits{80, 14, 120, 52}),
        radioButton(IDC_FORMAT_DAT, "地図帳Ｍ20形式(dat)", DialogUnits{86, 26, 110, 10},
                    vd::BS_AUTORADIOBUTTON | vd::WS_GROUP),
        radioButton(IDC_FORMAT_YMD, "やまおたく形式(ydb)", DialogUnits{86, 38, 110, 10}),
        radioButton(IDC_FORMAT_CSV, "注記テーブル形式(csv)", DialogUnits{86, 50, 110, 10}),
        groupBox(vd::IDC_STATIC, "仮の地点標高", DialogUnits{204, 14, 70, 26}),
        ltext(IDC_ELEVATION, "-9999", DialogUnits{210, 26, 56, 10}),
    };
    return t;
}

const TemplateRegistration registration(CDialogLibraryApp::kModule, {SearchOutputPanelTemplate()});

int FormatOfName(const std::string& name)
{
    if (name.find(".ymd") != std::string::npos)
        return 1;
    if (name.find(".csv") != std::string::npos)
        return 2;
    return 0;
}

// The 24 characters of the standard library's time text and its line end ("Wed Jan  2 02:03:55
// 1980\n"), in local time.
std::string TimeText(std::int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (!localtime_r(&time, &local))
        return "\n";
    char text[32] = {};
    if (!asctime_r(&local, text))
        return "\n";
    return text;
}

} // namespace

const char* SearchResultExtension(int fileFormat)
{
    switch (fileFormat) {
    case 1:
        return ".ymd";
    case 2:
        return ".csv";
    default:
        return ".dat";
    }
}

CDlgFlOut::CDlgFlOut() : vd::FileDialog(true, {}, {}, vd::OFN_HIDEREADONLY | vd::OFN_OVERWRITEPROMPT)
{
    SetTemplate(IDD);
    SetFilter("すべて *.*|*.*;*.*|CSVﾌｧｲﾙ *.csv|*.csv;*.csv|YMDﾌｧｲﾙ *.ymd|*.ymd;*.ymd|DATﾌｧｲﾙ *.dat|*.dat;*.dat||");
    OnClicked(IDC_APPEND, [this] { SetFileMode(0); });
    OnClicked(IDC_NEW, [this] { SetFileMode(1); });
    for (int format = 0; format < 3; ++format)
        OnClicked(kFormatButtons[format], [this, format] { m_nFileFormat = format; });
}

bool CDlgFlOut::OnInitDialog()
{
    vd::FileDialog::OnInitDialog();
    SetControlText(vd::IDOK, m_nFileMode == 1 ? "OK" : "選択");
    Repaint();
    return true;
}

void CDlgFlOut::SetFileMode(int mode)
{
    m_nFileMode = mode;
    SetControlText(vd::IDOK, mode == 1 ? "OK" : "選択");
}

void CDlgFlOut::Repaint()
{
    CheckDlgButton(IDC_APPEND, m_nFileMode == 0 ? 1 : 0);
    CheckDlgButton(IDC_NEW, m_nFileMode == 1 ? 1 : 0);
    for (int format = 0; format < 3; ++format)
        CheckDlgButton(kFormatButtons[format], format == m_nFileFormat ? 1 : 0);
    SetDlgItemText(IDC_FORMAT_CSV, m_nCsvKind == 0 ? "注記テーブル形式(csv)" : "公共施設ﾃｰﾌﾞﾙ形式(csv)");
    SetDlgItemText(IDC_ELEVATION, vd::format("%d", m_nProvisionalElevation));
}

void CDlgFlOut::OnFileNameChange()
{
    m_strChosenPath = vd::toLowerAscii(GetPathName());
    const auto status = vd::fileStatus(GetPathName());
    if (status && !status->isFolder) {
        m_nFileFormat = FormatOfName(m_strChosenPath);
        SetDlgItemText(IDC_FILE_INFO, vd::format("ファイルのサイズ=%04.2fKb", static_cast<double>(status->size) * 0.001) +
                                          TimeText(status->modifiedTime));
        // The OK button keeps its caption: only opening and the mode buttons change it.
        m_nFileMode = 0;
    } else {
        m_nFileMode = 1;
        SetDlgItemText(IDC_FILE_INFO, "上記のファイルを作成して検索結果を保存します！");
    }
    Repaint();
}

void CDlgFlOut::OnFolderChange()
{
    Repaint();
}
