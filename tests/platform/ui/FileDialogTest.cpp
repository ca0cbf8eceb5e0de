// File dialogs: the old filter form, the scripted answers with the request recorded, a child
// panel that follows the selection, and the Qt dialog giving a Windows-form path.
#include "platform/sys/ApplicationFolder.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiScript.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace vd;
using ui::DialogUnits;

namespace {

// The routine the settings pages share: beep, ask, lower-case the answer.
std::string chooseDataFile()
{
    ui::MessageBeep();
    FileDialog dialog(true, "txt", "*.txt", OFN_FILEMUSTEXIST, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
    if (dialog.DoModal() != IDOK)
        return {};
    std::string path = dialog.GetPathName();
    for (char& c : path)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
}

} // namespace

TEST(UiFileDialog, FilterFormParsesIntoDescriptionsAndPatterns)
{
    const auto filters = FileDialog::parseFilter("txt files (*.txt)|*.txt|BMP files *.bmp|*.bmp;*.BMP|All files (*.*)|*.*||");
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].description, "txt files (*.txt)");
    EXPECT_EQ(filters[1].patterns, "*.bmp;*.BMP");
    EXPECT_EQ(filters[2].patterns, "*.*");
    EXPECT_TRUE(FileDialog::parseFilter("").empty());
}

TEST(UiFileDialog, ScriptedFileDialogReturnsAWindowsFormPathAndRecordsTheRequest)
{
    auto script = ui::Script::install();
    script->answerFileDialog("Z:\\DATA\\N03\\N03-01_AB.TXT");
    script->cancelFileDialog();
    EXPECT_EQ(chooseDataFile(), "z:\\data\\n03\\n03-01_ab.txt");
    EXPECT_EQ(chooseDataFile(), "");
    EXPECT_EQ(script->beeps(), 2);
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.filter, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(asked.defaultExt, "txt");
    EXPECT_EQ(asked.initialName, "*.txt");
    EXPECT_EQ(asked.flags, OFN_FILEMUSTEXIST);

    // Without queued answers the answer for every other file dialog decides; it is not unanswered.
    std::vector<std::string> asks;
    script->answerOtherFileDialogs([&](FileDialog& d) -> std::optional<std::string> {
        asks.push_back(d.defaultExt());
        if (asks.size() == 1)
            return "Z:\\DATA\\OTHER.TXT";
        return std::nullopt;
    });
    script->cancelFileDialog();
    EXPECT_EQ(chooseDataFile(), "");
    EXPECT_EQ(chooseDataFile(), "z:\\data\\other.txt");
    EXPECT_EQ(chooseDataFile(), "");
    EXPECT_EQ(asks, (std::vector<std::string>{"txt", "txt"}));
    EXPECT_TRUE(script->unanswered().empty());
}

namespace {

class PreviewDialog : public FileDialog {
public:
    PreviewDialog() : FileDialog(true, {}, {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT)
    {
        SetTemplate(101);
    }
    bool OnInitDialog() override
    {
        FileDialog::OnInitDialog();
        SetControlText(IDOK, "選択");
        return true;
    }
    void OnFileNameChange() override
    {
        last = GetPathName();
        SetDlgItemText(1024, "selected " + GetFileName());
    }
    void OnFolderChange() override { SetDlgItemText(1001, ""); }
    std::string last;
};

} // namespace

TEST(UiFileDialog, ChildPanelFollowsTheSelection)
{
    auto script = ui::Script::install();
    ui::DialogTemplate panel;
    panel.id = 101;
    panel.style = WS_CHILD;
    panel.place = DialogUnits{0, 0, 277, 151};
    panel.controls = {ui::painted(101, DialogUnits{5, 30, 150, 114}), ui::ltext(1001, "", DialogUnits{160, 40, 100, 10}),
                      ui::ltext(1024, "", DialogUnits{160, 80, 100, 10})};
    ui::ModuleScope module("Surrick");
    ui::registerTemplates("Surrick", {panel});
    PreviewDialog dialog;
    std::string shown;
    script->answerFileDialog("Z:\\pic\\b.jpg", [&](FileDialog& d) {
        d.selectionChanged("Z:\\pic\\a.bmp");
        shown = d.GetDlgItemText(1024);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.last, "Z:\\pic\\a.bmp");
    EXPECT_EQ(shown, "selected a.bmp");
    EXPECT_EQ(dialog.GetPathName(), "Z:\\pic\\b.jpg");
    EXPECT_EQ(dialog.GetFileExt(), "jpg");
    EXPECT_EQ(dialog.GetFileTitle(), "b");
    EXPECT_EQ(dialog.GetFolderPath(), "Z:\\pic");
    EXPECT_EQ(script->fileDialogs().at(0).okText, "選択");
}

TEST(UiFileDialog, QtFileDialogGivesTheChosenFileInWindowsForm)
{
    ui::installBackend(nullptr);
    const std::string folder = std::string(std::getenv("VELDORAN_HOME"));
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/地図.txt";
    std::ofstream(file) << "x";
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* files = top->findChild<QFileDialog*>(); files && top->isVisible()) {
                files->selectFile(QString::fromStdString(file));
                QMetaObject::invokeMethod(files, "accept");
            }
    });
    FileDialog dialog(true, "txt", "*.txt", OFN_FILEMUSTEXIST, "txt files (*.txt)|*.txt|All files (*.*)|*.*||");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    std::string expected = "Z:" + file;
    std::replace(expected.begin(), expected.end(), '/', '\\');
    EXPECT_EQ(dialog.GetPathName(), expected);
}

TEST(UiFileDialog, QtFileDialogOpensInTheApplicationFolderOrTheNamedOrInitialFolder)
{
    ui::installBackend(nullptr);
    const std::filesystem::path started = std::filesystem::temp_directory_path();
    const std::filesystem::path kept = std::filesystem::current_path();
    std::filesystem::current_path(started); // the folder the program was started from
    const std::string home = std::string(std::getenv("VELDORAN_HOME"));
    std::filesystem::create_directories(home + "/maps");
    auto openedIn = [](const std::string& initialName, const std::string& initialFolder = {}) {
        QString folder;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* files = top->findChild<QFileDialog*>(); files && top->isVisible()) {
                    folder = files->directory().absolutePath();
                    QMetaObject::invokeMethod(files, "reject");
                }
        });
        FileDialog dialog(true, "txt", initialName, OFN_FILEMUSTEXIST, "txt files (*.txt)|*.txt||");
        dialog.SetInitialFolder(initialFolder);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        return folder.toStdString();
    };
    std::string application = ui::toLinuxForm(applicationFolder());
    if (application.size() > 1 && application.back() == '/')
        application.pop_back();
    EXPECT_EQ(openedIn("*.txt"), application) << "not the folder the program was started from";
    std::string named = "Z:" + home + "/maps/a.txt";
    std::replace(named.begin(), named.end(), '/', '\\');
    EXPECT_EQ(openedIn(named), home + "/maps");
    // An initial folder given by the caller, unless it is missing.
    const std::string maps = named.substr(0, named.size() - 5);
    EXPECT_EQ(openedIn("*.txt", maps), home + "/maps");
    EXPECT_EQ(openedIn("*.txt", maps + "missing\\"), application);
    std::filesystem::current_path(kept);
}
