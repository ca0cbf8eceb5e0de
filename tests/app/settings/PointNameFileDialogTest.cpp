// PNTFILE.DAT and the current place-name file dialog: listing, registering, the editor, and the
// map page's offer of the registered files.
#include "SettingsTestSupport.h"

#include "app/settings/EnvMapPage.h"
#include "app/settings/EnvSettingsDialog.h"
#include "app/settings/PointNameFileDialog.h"
#include "app/settings/PointNameFileList.h"
#include "platform/text/Cp932.h"
#include "platform/text/Format.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"

namespace {

using namespace settingstest;

using PointNameFiles = SettingsDialogTest;

std::vector<std::string> ListedFiles(vd::DialogDriver& d)
{
    std::vector<std::string> files;
    auto* list = d.dialog().item<vd::ListBox>(pointnamefileids::IDC_FILE_LIST);
    for (int i = 0; i < list->GetCount(); ++i)
        files.push_back(list->GetText(i));
    return files;
}

TEST_F(PointNameFiles, RegisteringTheSameFileTwiceAppendsTwoLines)
{
    ASSERT_TRUE(EnsurePointNameList(app));
    script->answerFileDialog("Z:\\Data\\Chimei\\Kyoto.DAT");
    script->answerFileDialog("Z:\\Data\\Chimei\\Kyoto.DAT");
    CDlgPointNameFile dialog;
    dialog.m_strAppDir = app;
    script->answerDialog(CDlgPointNameFile::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "現在の地点名ファイル");
        EXPECT_EQ(d.text(pointnamefileids::IDC_COUNT), "登録数=1");
        d.click(pointnamefileids::IDC_REGISTER);
        d.click(pointnamefileids::IDC_REGISTER);
        EXPECT_EQ(d.text(pointnamefileids::IDC_COUNT), "登録数=3");
        EXPECT_EQ(ListedFiles(d), (std::vector<std::string>{app + "placenmn.dat", "z:\\data\\chimei\\kyoto.dat",
                                                            "z:\\data\\chimei\\kyoto.dat"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), vd::IDOK);
    EXPECT_EQ(dialog.m_strRegisteredFile, "z:\\data\\chimei\\kyoto.dat");
    EXPECT_EQ(ReadBytes(Home() / "PNTFILE.DAT"), vd::utf8ToCp932(app + "placenmn.dat") +
                                                     "\r\nz:\\data\\chimei\\kyoto.dat\r\nz:\\data\\chimei\\kyoto.dat\r\n");
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    EXPECT_EQ(script->fileDialogs()[0].filter, "地点名 files (*.dat)|*.dat|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].defaultExt, "dat");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.dat");
    EXPECT_EQ(script->beeps(), 2);
}

TEST_F(PointNameFiles, ListsSixteenOfTwentyAndTheEditorLeavesTheListAsShown)
{
    std::string text = "; 地点名ファイル\r\n\r\n";
    for (int i = 1; i <= 20; ++i)
        text += vd::format("z:\\chimei\\地名%02d.dat\r\n", i);
    WriteBytes(Home() / "PNTFILE.DAT", vd::utf8ToCp932(text));
    CDlgPointNameFile dialog;
    dialog.m_strAppDir = app;
    dialog.m_strEditor = doc->environment.m_strEditor;
    script->answerDialog(CDlgPointNameFile::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(pointnamefileids::IDC_COUNT), "登録数=16");
        const auto files = ListedFiles(d);
        ASSERT_EQ(files.size(), 16u);
        EXPECT_EQ(files.front(), "z:\\chimei\\地名01.dat");
        EXPECT_EQ(files.back(), "z:\\chimei\\地名16.dat");
        WriteBytes(Home() / "PNTFILE.DAT", "z:\\other.dat\r\n");
        d.click(pointnamefileids::IDC_EDIT_LIST);
        EXPECT_EQ(d.text(pointnamefileids::IDC_COUNT), "登録数=16") << "the list is not read again";
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), vd::IDCANCEL);
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0].back(), vd::ui::toLinuxForm(app + "PNTFILE.DAT"));
    EXPECT_EQ(script->processes()[0].front(), vd::ui::toLinuxForm(doc->environment.m_strEditor));
    EXPECT_TRUE(script->messageBoxes().empty());
}

TEST_F(PointNameFiles, TheMapPageOffersTheRegisteredFilesAndStoresTheChosenLine)
{
    WriteBytes(Home() / "PNTFILE.DAT",
               vd::utf8ToCp932("z:\\chimei\\京都.dat\r\n;z:\\old.dat\r\nz:\\chimei\\奈良.dat\r\nz:\\chimei\\滋賀.dat\r\n"));
    doc->environment.m_strSiteNameFile = "z:\\chimei\\奈良.dat";
    script->answerDialog(CDlgPointNameFile::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(pointnamefileids::IDC_COUNT), "登録数=3");
        d.click(vd::IDOK);
    });
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        vd::DialogDriver map = d.page(CDlgEnvMap::IDD);
        auto* combo = map.dialog().item<vd::ComboBox>(envmapids::IDC_PLACE_NAME_FILE);
        ASSERT_EQ(combo->GetCount(), 3);
        EXPECT_EQ(combo->GetCurSel(), 1);
        EXPECT_EQ(map.text(envmapids::IDC_PLACE_NAME_FILE), "z:\\chimei\\奈良.dat");
        map.click(envmapids::IDC_REGISTER);
        map.selectCombo(envmapids::IDC_PLACE_NAME_FILE, 2);
        d.click(vd::IDOK);
    });
    const auto before = ProfileValues();
    doc->OnEnvironmentSettings();
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{CDlgEnvSettings::IDD, CDlgPointNameFile::IDD}));
    EXPECT_EQ(ChangedKeys(before, ProfileValues()), (std::set<std::string>{"system/sitenamefile"}));
    EXPECT_EQ(doc->environment.m_strSiteNameFile, "z:\\chimei\\滋賀.dat");
    EXPECT_EQ(profile.getString("System", "SiteNameFile"), "z:\\chimei\\滋賀.dat");
    EXPECT_EQ(updates, 0);
}

TEST_F(PointNameFiles, AnUnreadableListIsEmptyAndLeftAlone)
{
    // A folder of that name: it cannot be read, and it must not be replaced.
    fs::create_directories(Home() / "PNTFILE.DAT" / "keep");
    script->answerFileDialog("Z:\\Data\\Kyoto.dat");
    script->answerDialog(CDlgPointNameFile::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(pointnamefileids::IDC_COUNT), "登録数=0");
        EXPECT_TRUE(ListedFiles(d).empty());
        EXPECT_TRUE(script->messageBoxes().empty()) << "an unreadable list is shown empty, without a message";
        d.click(pointnamefileids::IDC_REGISTER);
        ASSERT_EQ(script->messageBoxes().size(), 1u) << "a registration that could not be written is reported";
        EXPECT_EQ(script->messageBoxes()[0].text, "PNTFILE.DAT に登録できませんでした");
        d.click(vd::IDOK);
    });
    script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        vd::DialogDriver map = d.page(CDlgEnvMap::IDD);
        EXPECT_EQ(map.dialog().item<vd::ComboBox>(envmapids::IDC_PLACE_NAME_FILE)->GetCount(), 0);
        map.click(envmapids::IDC_REGISTER);
        d.click(vd::IDOK);
    });
    doc->OnEnvironmentSettings();
    EXPECT_TRUE(fs::is_directory(Home() / "PNTFILE.DAT" / "keep"));
}

TEST(PointNameFileList, ReadsEntriesOfAnyLengthAndSkipsCommentsAndEmptyLines)
{
    const std::string folder = vd::applicationFolder();
    const std::string longPath = "z:\\" + std::string(300, 'a') + "\\地名.dat";
    doctest::WriteBytes(doctest::Home() / "PNTFILE.DAT",
                        vd::utf8ToCp932("\r\n;comment\r\n" + longPath + "\r\nz:\\b.dat\nz:\\c.dat"));
    EXPECT_EQ(ReadPointNameFiles(PointNameListPath(folder)),
              (std::vector<std::string>{longPath, "z:\\b.dat", "z:\\c.dat"}));
    EXPECT_EQ(ReadPointNameFiles(PointNameListPath(folder), 2).size(), 2u);
    EXPECT_TRUE(ReadPointNameFiles(folder + "MISSING.DAT").empty());
    EXPECT_TRUE(AppendPointNameFile(PointNameListPath(folder), "z:\\d.dat"));
    EXPECT_EQ(ReadPointNameFiles(PointNameListPath(folder)).back(), "z:\\d.dat");
    EXPECT_TRUE(EnsurePointNameList(folder));
    EXPECT_EQ(ReadPointNameFiles(PointNameListPath(folder)).size(), 4u) << "an existing list is kept";
}

} // namespace
