#include "app/settings/PointNameFileDialog.h"

#include "app/settings/PointNameFileList.h"
#include "app/settings/SettingsFilePicker.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace pointnamefileids;

DialogTemplate PointNameFileTemplate()
{
    DialogTemplate t;
    t.id = CDlgPointNameFile::IDD;
    t.caption = "現在の地点名ファイル";
    t.controls = {
        listBox(IDC_FILE_LIST, {}, vd::LBS_NOTIFY | vd::WS_VSCROLL | vd::WS_TABSTOP),
        ltext(IDC_COUNT, "登録数=0"),
        pushButton(IDC_REGISTER, "新規登録"),
        pushButton(IDC_EDIT_LIST, "更新"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {PointNameFileTemplate()});

} // namespace

CDlgPointNameFile::CDlgPointNameFile(vd::Window* parent) : vd::Dialog(IDD, parent)
{
    OnClicked(IDC_REGISTER, [this] { OnRegister(); });
    OnClicked(IDC_EDIT_LIST, [this] { OnEdit(); });
}

bool CDlgPointNameFile::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    FillList();
    return true;
}

void CDlgPointNameFile::FillList()
{
    auto* list = item<vd::ListBox>(IDC_FILE_LIST);
    if (!list)
        return;
    list->ResetContent();
    const auto files = ReadPointNameFiles(PointNameListPath(m_strAppDir), kListedFiles);
    for (const std::string& file : files)
        list->AddString(file);
    SetDlgItemText(IDC_COUNT, vd::format("登録数=%d", static_cast<int>(files.size())));
}

void CDlgPointNameFile::OnRegister()
{
    const std::string path = PickExistingFile("地点名 files (*.dat)|*.dat", "dat");
    if (path.empty())
        return;
    m_strRegisteredFile = path;
    // A list that cannot be written would silently lose the registration: say so.
    if (!AppendPointNameFile(PointNameListPath(m_strAppDir), path))
        vd::ui::AfxMessageBox(std::string(kPointNameListFile) + " に登録できませんでした", vd::MB_OK | vd::MB_ICONEXCLAMATION);
    FillList();
}

void CDlgPointNameFile::OnEdit()
{
    // The list is not read again: the dialog shows what it held before the edit.
    RunEditor(PointNameListPath(m_strAppDir));
}

void CDlgPointNameFile::RunEditor(const std::string& path)
{
    vd::ui::editAndWait(vd::ui::editorCommand(m_strEditor, vd::ui::toLinuxForm(path)));
}
