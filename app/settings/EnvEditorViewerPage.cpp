#include "app/settings/EnvEditorViewerPage.h"

#include "app/settings/SettingsFilePicker.h"
#include "platform/ui/TemplateRegistry.h"

namespace {

using namespace vd::ui;

using namespace enveditorviewerids;

DialogTemplate EnvEditorViewerTemplate()
{
    DialogTemplate t;
    t.id = CDlgEnvEditorViewer::IDD;
    t.style = vd::WS_CHILD;
    t.controls = {
        ltext(vd::IDC_STATIC, "ｴﾃﾞｨﾀｰ"),
        edit(IDC_EDITOR, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        pushButton(IDC_PICK_EDITOR, "ﾌｧｲﾙ"),
        ltext(vd::IDC_STATIC, "画像ﾋﾞｭｰﾜ"),
        edit(IDC_VIEWER, {}, vd::ES_AUTOHSCROLL | vd::ES_READONLY),
        pushButton(IDC_PICK_VIEWER, "ﾌｧｲﾙ"),
    };
    return t;
}

const TemplateRegistration registration(kProgramModule, {EnvEditorViewerTemplate()});

} // namespace

CDlgEnvEditorViewer::CDlgEnvEditorViewer()
{
    OnClicked(IDC_PICK_EDITOR, [this] { Pick(m_strEditor, IDC_EDITOR, "ｴﾃﾞｨﾀｰ (*.exe)|*.exe"); });
    OnClicked(IDC_PICK_VIEWER, [this] { Pick(m_strViewer, IDC_VIEWER, "画像ﾋﾞｭｰﾜ (*.exe)|*.exe"); });
}

bool CDlgEnvEditorViewer::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    SetDlgItemText(IDC_EDITOR, m_strEditor);
    SetDlgItemText(IDC_VIEWER, m_strViewer);
    return true;
}

void CDlgEnvEditorViewer::Pick(std::string& program, int editId, const std::string& filter)
{
    const std::string path = PickExistingFile(filter, "exe");
    if (path.empty())
        return;
    program = path;
    SetDlgItemText(editId, program);
}
