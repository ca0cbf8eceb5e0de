#include "municipal/sheets/ChosenSheetsDialog.h"

#include "municipal/SurrickModule.h"
#include "municipal/files/ChosenSheetsFile.h"
#include "municipal/sheets/SheetChooserDialog.h"
#include "platform/text/Format.h"
#include "platform/ui/Controls.h"
#include "platform/ui/EditorCommand.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

using namespace chosensheetsids;

DialogTemplate ChosenSheetsTemplate()
{
    DialogTemplate t;
    t.id = CDlgChosenSheets::IDD;
    t.caption = "「指定の図幅｣一覧";
    t.controls = {
        listBox(IDC_SHEET_LIST, {}, vd::LBS_NOTIFY | vd::LBS_SORT | vd::WS_VSCROLL | vd::WS_TABSTOP),
        pushButton(IDC_ADD, "追加"),
        pushButton(IDC_EDIT_LIST, "編集"),
        defPushButton(vd::IDOK, "OK"),
        pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kSurrickModule, {ChosenSheetsTemplate()});

// Cuts the text before the first `blank` that stands past its first character.
void cutBefore(std::string& name, std::string_view blank)
{
    const std::size_t at = name.find(blank);
    if (at != std::string::npos && at > 0)
        name.resize(at);
}

} // namespace

std::string ChosenSheetName(std::string name)
{
    cutBefore(name, " ");
    cutBefore(name, "　");
    return name;
}

CDlgChosenSheets::CDlgChosenSheets() : vd::Dialog(IDD)
{
    OnClicked(IDC_ADD, [this] { OnAdd(); });
    OnClicked(IDC_EDIT_LIST, [this] { OnEdit(); });
}

bool CDlgChosenSheets::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    m_nChanged = 0;
    FillList();
    return true;
}

void CDlgChosenSheets::FillList()
{
    auto* list = item<vd::ListBox>(IDC_SHEET_LIST);
    if (!list)
        return;
    list->ResetContent();
    for (const std::string& line : ReadChosenSheets(ListPath()).value_or(std::vector<std::string>{}))
        list->AddString(line);
    SetWindowText(vd::format("「指定の図幅｣一覧(%d葉)", list->GetCount()));
}

void CDlgChosenSheets::OnAdd()
{
    CDlgSheetChooser chooser;
    chooser.m_astrSheetLine = ReadSheetChooserLines(m_strSheetIndexPath);
    chooser.m_strRegion = "全国";
    if (chooser.DoModal() != vd::IDOK)
        return;
    const std::string name = ChosenSheetName(chooser.m_strChosenName);
    const auto lines = ReadChosenSheets(ListPath()).value_or(std::vector<std::string>{});
    // A missing list is created rather than left unwritten while a change is reported; OK
    // without a sheet chosen writes no empty line.
    if (!name.empty() && !ChosenSheetsMention(lines, name) && !AppendChosenSheet(ListPath(), name))
        vd::ui::AfxMessageBox(ListPath() + " に書き込めません。", vd::MB_OK | vd::MB_ICONEXCLAMATION);
    m_nChanged = 1;
    FillList();
}

void CDlgChosenSheets::OnEdit()
{
    m_nChanged = 1;
    if (m_strEditor.empty())
        return;
    editAndWait(editorCommand(m_strEditor, toLinuxForm(ListPath())));
    // The list shows what the edit left.
    FillList();
}
