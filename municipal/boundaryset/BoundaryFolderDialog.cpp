#include "municipal/boundaryset/BoundaryFolderDialog.h"

#include "municipal/SurrickModule.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"

namespace {

using namespace vd::ui;

constexpr int IDC_BOUNDARY_FOLDER = 1016;
constexpr int IDC_COASTLINE_FOLDER = 1017;
constexpr int IDC_CHOOSE_BOUNDARY = 1018;
constexpr int IDC_CHOOSE_COASTLINE = 1019;

constexpr const char* kChooserFilter =
    "Txt files (*.txt)|*.txt|SEM files (*.sem)|*.sem|DAT files (*.dat)|*.dat|All files (*.*)|*.*||";

const TemplateRegistration registration(kSurrickModule,
                                        {BoundaryFoldersTemplate(CDlgBoundaryFolders::IDD_TWO_FOLDERS),
                                         BoundaryFoldersTemplate(CDlgBoundaryFolders::IDD_ONE_FOLDER)});

} // namespace

DialogTemplate BoundaryFoldersTemplate(int templateId)
{
    const bool two = templateId == CDlgBoundaryFolders::IDD_TWO_FOLDERS;
    DialogTemplate t;
    t.id = templateId;
    t.caption = "  行政界・海岸線変換";
    t.controls = {
        ltext(vd::IDC_STATIC, "行政界・海岸線のフォルダ", DialogUnits{10, 10, 120, 10}),
        edit(IDC_BOUNDARY_FOLDER, DialogUnits{10, 22, 200, 13}),
        pushButton(IDC_CHOOSE_BOUNDARY, "登録", DialogUnits{215, 21, 40, 14}),
    };
    if (two) {
        t.controls.push_back(ltext(vd::IDC_STATIC, "海岸線のフォルダ", DialogUnits{10, 42, 120, 10}));
        t.controls.push_back(edit(IDC_COASTLINE_FOLDER, DialogUnits{10, 54, 200, 13}));
        t.controls.push_back(pushButton(IDC_CHOOSE_COASTLINE, "登録", DialogUnits{215, 53, 40, 14}));
    }
    const int buttonsY = two ? 76 : 44;
    t.controls.push_back(defPushButton(vd::IDOK, "OK", DialogUnits{150, buttonsY, 50, 14}));
    t.controls.push_back(pushButton(vd::IDCANCEL, "ｷｬﾝｾﾙ", DialogUnits{205, buttonsY, 50, 14}));
    t.place = DialogUnits{0, 0, 265, buttonsY + 22};
    return t;
}

std::string FolderOfChosenFile(const std::string& path)
{
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

CDlgBoundaryFolders::CDlgBoundaryFolders(int templateId) : vd::Dialog(templateId)
{
    OnClicked(IDC_CHOOSE_BOUNDARY, [this] { ChooseFolder(IDC_BOUNDARY_FOLDER); });
    OnClicked(IDC_CHOOSE_COASTLINE, [this] { ChooseFolder(IDC_COASTLINE_FOLDER); });
}

void CDlgBoundaryFolders::DoDataExchange(vd::DataExchange& dx)
{
    vd::DDX_Text(dx, IDC_BOUNDARY_FOLDER, m_strBoundaryFolder);
    if (templateId() == IDD_TWO_FOLDERS)
        vd::DDX_Text(dx, IDC_COASTLINE_FOLDER, m_strCoastlineFolder);
}

void CDlgBoundaryFolders::ChooseFolder(int editId)
{
    vd::ui::MessageBeep();
    vd::FileDialog chooser(true, "txt", "*.txt", vd::OFN_HIDEREADONLY | vd::OFN_FILEMUSTEXIST, kChooserFilter, this);
    // It opens in the folder the dialog shows, not where the run's last file dialog ended.
    chooser.SetInitialFolder(GetDlgItemText(editId));
    if (chooser.DoModal() != vd::IDOK)
        return;
    SetDlgItemText(editId, FolderOfChosenFile(chooser.GetPathName()));
}
