#include "userdata/InfoFileListDialog.h"

#include "platform/text/Format.h"
#include "platform/text/StringOps.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace infofilelistids;

DialogTemplate InfoFileListTemplate()
{
    DialogTemplate t;
    t.id = CDlgInfoFileList::IDD;
    t.caption = "             地点情報ファイル";
    t.controls = {
        // A simple combo: its list is always open.
        comboBox(IDC_FILE_COMBO, {}, vd::CBS_SIMPLE | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_FILE_BUTTON, "ﾌｧｲﾙ"),
        pushButton(IDC_REMOVE, "ｶｰｿﾙ行  削除"),
        ltext(IDC_COUNT, "登録数="),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {InfoFileListTemplate()});

struct ListMode {
    const char* mode;
    const char* section;
    const char* keyPrefix;
    const char* caption;
};

constexpr ListMode kModes[] = {
    {"WHOLEAREA", "WholeArea", "File", "        全域地点名ファイル"},
    {"POINTNAME", "FileList", "File", "        地点名ファイル"},
    {"GPS", "TrackList", "Track", "        トラックファイル"},
};

} // namespace

CDlgInfoFileList::CDlgInfoFileList(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnControl(vd::CBN_SELCHANGE, IDC_FILE_COMBO, [this] { OnPicked(); });
    OnClicked(IDC_FILE_BUTTON, [this] { OnFileButton(); });
    OnClicked(IDC_REMOVE, [this] { OnRemove(); });
}

bool CDlgInfoFileList::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    for (const ListMode& mode : kModes)
        if (m_strMode == mode.mode) {
            m_strSection = mode.section;
            m_strKeyPrefix = mode.keyPrefix;
            SetWindowText(mode.caption);
        }
    if (m_strSection.empty())
        return true; // an unknown mode has no list
    const std::vector<std::string> files = List().values();
    if (auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO))
        for (const std::string& file : files)
            combo->AddString(file);
    ShowCount(files.size());
    return true;
}

void CDlgInfoFileList::ShowCount(std::size_t count) { SetDlgItemText(IDC_COUNT, vd::format("登録数=%d", int(count))); }

void CDlgInfoFileList::OnPicked()
{
    auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO);
    if (!combo || combo->GetCurSel() < 0 || m_strSection.empty())
        return;
    m_nPicked = combo->GetCurSel();
    // A list that ends before the picked entry leaves the file as it was.
    const std::vector<std::string> files = List().values();
    if (std::size_t(m_nPicked) < files.size())
        m_strFile = files[std::size_t(m_nPicked)];
}

void CDlgInfoFileList::OnFileButton()
{
    vd::ui::MessageBeep();
    const std::string filter = m_strMode == "GPS" ? "All files (*.*)|*.*|TRK files (*.trk)|*.trk|POT files "
                                                    "(*.pot)|*.pot|ROT files (*.rot)|*.rot||"
                                                  : "All files (*.*)|*.*||";
    vd::FileDialog dialog(true, "*.*", "*.*", vd::OFN_HIDEREADONLY | vd::OFN_FILEMUSTEXIST, filter, this);
    if (dialog.DoModal() != vd::IDOK || m_strSection.empty())
        return;
    m_strFile = vd::toLowerAscii(dialog.GetPathName());
    if (List().add(m_strFile)) {
        if (auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO))
            combo->AddString(m_strFile);
        ShowCount(List().values().size());
    }
    if (auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO))
        combo->SetWindowText(m_strFile);
}

void CDlgInfoFileList::OnRemove()
{
    if (m_nPicked < 0 || m_strSection.empty())
        return;
    NumberedProfileList list = List();
    m_nRemovedKey = m_nPicked + 1;
    list.remove(m_nRemovedKey);
    // The first entry stands for the removed one.
    const std::string first = list.value(1);
    if (!first.empty()) {
        m_strFile = first;
        if (auto* combo = item<vd::ComboBox>(IDC_FILE_COMBO))
            combo->SetWindowText(m_strFile);
    }
    EndDialog(-1);
}
