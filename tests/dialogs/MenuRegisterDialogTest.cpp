// The menu registration dialog through its entry point, as a user drives it: listing a menu,
// adding, changing and separating entries in the entry dialog, switching menus, the editor, OK
// and Cancel, and the menu file's bytes afterwards.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/menus/MenuEntryDialog.h"
#include "dialogs/menus/MenuRegisterDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/UiScript.h"
#include "tests/support/FileSizeLimit.h"

#include <cstdlib>
#include <filesystem>
#include <map>

namespace {

using namespace dialogtest;

using namespace menuregisterids;
using namespace menuentryids;

// The installed item-menu form, with entries in the sections given (0-7).
std::vector<std::string> MenuFile(std::map<int, std::vector<std::string>> entries)
{
    std::vector<std::string> lines = {"; メニュー"};
    for (int m = 0; m < 8; ++m)
        AddMenuSection(lines, "[M" + std::to_string(m + 1) + "]", entries[m]);
    return lines;
}

// Line of slot `slot` in section `menu` of MenuFile's form.
std::size_t SlotLine(int menu, int slot)
{
    return std::size_t(1 + menu * 36 + 1 + slot);
}

vd::ListCtrl& List(vd::DialogDriver& d)
{
    return *d.dialog().item<vd::ListCtrl>(IDC_LIST);
}

// Each row as "title|target".
std::vector<std::string> Rows(vd::DialogDriver& d)
{
    std::vector<std::string> rows;
    for (int row = 0; row < List(d).GetItemCount(); ++row)
        rows.push_back(List(d).GetItemText(row, 0) + "|" + List(d).GetItemText(row, 1));
    return rows;
}

// Answers the entry dialog with a title and a target, then OK.
vd::ui::Script::DialogActions Enter(std::string title, std::string target)
{
    return [title, target](vd::DialogDriver& e) {
        e.setText(IDC_TITLE, title);
        e.setText(IDC_TARGET, target);
        e.click(vd::IDOK);
    };
}

class MenuRegister : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        update = EntryPoint<OnDlgMenuBarFileUpdate_fn>("OnDlgMenuBarFileUpdate");
        ASSERT_NE(update, nullptr);
    }
    // Adds an entry through the add row (the last row) of the open registration dialog.
    void Add(vd::DialogDriver& d, const std::string& title, const std::string& target)
    {
        script->answerDialog(kModule, CDlgMenuEntry::IDD, Enter(title, target));
        d.doubleClickListItem(IDC_LIST, List(d).GetItemCount() - 1);
    }
    int EntryDialogsRun() const
    {
        int n = 0;
        for (int id : script->dialogsRun())
            n += id == CDlgMenuEntry::IDD;
        return n;
    }
    std::shared_ptr<vd::ui::Script> script;
    OnDlgMenuBarFileUpdate_fn* update = nullptr;
};

TEST_F(MenuRegister, PictureMenuTwoIsTheSeventhSectionAndOnlyItsSlotChanges)
{
    const auto lines = MenuFile({{5, {"港@a.bmp"}}, {6, {"橋@C:\\PICT\\hashi.jpg$view", "", "山@yama.bmp"}}, {7, {"x@y"}}});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));

    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "   画像メニューに項目の登録・更新");
        EXPECT_EQ(d.text(IDC_MENU), "画像1");
        EXPECT_EQ(List(d).GetColumnText(0), "タイトル");
        EXPECT_EQ(List(d).GetColumnWidth(0), 120);
        EXPECT_EQ(List(d).GetColumnText(1), "画像ﾌｧｲﾙ");
        EXPECT_EQ(List(d).GetColumnWidth(1), 240);
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"港|a.bmp", "追加はここに!|"}));
        EXPECT_EQ(d.text(IDC_COUNT), "計=1");

        d.selectCombo(IDC_MENU, 1);
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"橋|C:\\PICT\\hashi.jpg$view", "山|yama.bmp", "追加はここに!|"}))
            << "the empty slot 01 is not listed";
        EXPECT_EQ(d.text(IDC_COUNT), "計=3");

        script->answerDialog(kModule, CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            EXPECT_EQ(e.caption(), "メニューに追加");
            EXPECT_EQ(e.text(vd::IDOK), "追加");
            EXPECT_EQ(e.text(IDC_TARGET_LABEL), "画像 ﾌｧｲﾙ");
            EXPECT_EQ(e.text(IDC_TITLE), "");
            Enter("川", "kawa.bmp")(e);
        });
        d.doubleClickListItem(IDC_LIST, 2);
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"橋|C:\\PICT\\hashi.jpg$view", "山|yama.bmp", "川|kawa.bmp",
                                                     "追加はここに!|"}));
        EXPECT_EQ(d.text(IDC_COUNT), "計=4");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 1), 1);

    auto expected = lines;
    expected[SlotLine(6, 3)] = "03=川@kawa.bmp";
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected));
}

TEST_F(MenuRegister, ChangesSeparatorsAndRejectedEntries)
{
    const auto lines = MenuFile({{0, {"案内@a.txt", "------", "見出し@"}}});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));

    // A separator and an entry without a target open nothing; values entered as they were, or a
    // cancelled entry dialog, change nothing, so OK writes nothing and answers -1.
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "   テキストメニューに項目の登録・更新");
        EXPECT_EQ(List(d).GetColumnText(1), "ﾃｷｽﾄﾌｧｲﾙ");
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"案内|a.txt", "----------|", "見出し|", "追加はここに!|"}));
        d.doubleClickListItem(IDC_LIST, 1);
        d.doubleClickListItem(IDC_LIST, 2);
        EXPECT_EQ(EntryDialogsRun(), 0);
        script->answerDialog(kModule, CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            EXPECT_EQ(e.caption(), "メニューの更新");
            EXPECT_EQ(e.text(vd::IDOK), "更新");
            EXPECT_EQ(e.text(IDC_TARGET_LABEL), "ﾃｷｽﾄ ﾌｧｲﾙ");
            EXPECT_EQ(e.text(IDC_TITLE), "案内");
            EXPECT_EQ(e.text(IDC_TARGET), "a.txt");
            Enter("案内", "a.txt")(e);
        });
        d.doubleClickListItem(IDC_LIST, 0);
        script->answerDialog(kModule, CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            e.setText(IDC_TITLE, "取消");
            e.click(vd::IDCANCEL);
        });
        d.doubleClickListItem(IDC_LIST, 0);
        EXPECT_EQ(Rows(d).front(), "案内|a.txt");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), -1);
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(lines));

    // A title without a target is refused; six hyphens without a target are a separator.
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        Add(d, "名前だけ", "");
        Add(d, "", "only.txt");
        EXPECT_EQ(d.text(IDC_COUNT), "計=3");
        Add(d, "------", "");
        EXPECT_EQ(Rows(d)[3], "------|");
        EXPECT_EQ(d.text(IDC_COUNT), "計=4");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), 1);
    auto expected = lines;
    expected[SlotLine(0, 3)] = "03=------";
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected));

    script->answerDialog(kModule, CDlgMenuRegister::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(Rows(d)[3], "----------|") << "read back as a separator";
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), -1);
}

TEST_F(MenuRegister, AFullMenuHasNoAddRow)
{
    std::vector<std::string> entries;
    for (int n = 0; n < 35; ++n)
        entries.push_back("項目" + std::to_string(n) + "@f.txt");
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(MenuFile({{2, entries}})));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [](vd::DialogDriver& d) {
        d.selectCombo(IDC_MENU, 2);
        EXPECT_EQ(List(d).GetItemCount(), 35);
        EXPECT_EQ(Rows(d).back(), "項目34|f.txt");
        EXPECT_EQ(d.text(IDC_COUNT), "計=35");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), -1);
}

TEST_F(MenuRegister, ASwitchWritesTheOldMenuAndCancelAnswersMinusOneAllTheSame)
{
    const auto lines = MenuFile({});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        Add(d, "一", "one.txt");
        d.selectCombo(IDC_MENU, 2);
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"追加はここに!|"}));
        Add(d, "三", "three.txt"); // dropped by Cancel
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), -1);
    auto expected = lines;
    expected[SlotLine(0, 0)] = "00=一@one.txt";
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected));
}

TEST_F(MenuRegister, TheEditorGetsTheRewrittenFileAndCountsAsARun)
{
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(MenuFile({})));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        Add(d, "一", "one.txt");
        d.click(IDC_EDIT);
        ASSERT_EQ(script->processes().size(), 1u);
        EXPECT_EQ(script->processes()[0], (std::vector<std::string>{"/bin/sh", (Home() / "SOURCE/MENUFILE.DAT").string()}));
        EXPECT_NE(ReadHomeFile("SOURCE/MENUFILE.DAT").find(vd::utf8ToCp932("00=一@one.txt")), std::string::npos)
            << "written before the editor opens it";
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(update(HomeWin(), "/bin/sh", 0), -1) << "Cancel answers -1 after an editor run too";

    // An editor that cannot start is reported by the editor seam, and still counts.
    script->answerProcess({false, -1, 0});
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [](vd::DialogDriver& d) {
        d.click(IDC_EDIT);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "/bin/sh", 0), 1);
    EXPECT_EQ(script->messageBoxes().size(), 1u);
}

TEST_F(MenuRegister, TheGuideMapKeepsItsLeadingCommentsAndWritesTitleBlankPath)
{
    WriteHomeFile("GUIDEMAP/GUIDEMAP.DAT", Cp932Lines({"; 絵地図一覧", "", "; 二行目", "城下町 @:GUIDE\\JOKA.BMP",
                                                      "; 途中の注記", "区切り", "港 PICT\\MINATO.BMP"}));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "   絵地図の登録・更新");
        EXPECT_EQ(d.text(IDC_MENU), "絵地図");
        EXPECT_EQ(List(d).GetColumnText(1), "画像ﾌｧｲﾙ");
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"城下町|@:GUIDE\\JOKA.BMP", "----------|", "港|PICT\\MINATO.BMP",
                                                     "追加はここに!|"}));
        script->answerDialog(kModule, CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            EXPECT_EQ(e.text(IDC_TARGET_LABEL), "画像 ﾌｧｲﾙ");
            Enter("新しい 地図", "GUIDE\\NEW.BMP")(e);
        });
        d.doubleClickListItem(IDC_LIST, 3);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 2), 1);
    EXPECT_EQ(ReadHomeFile("GUIDEMAP/GUIDEMAP.DAT"),
              Cp932Lines({"; 絵地図一覧", "; 二行目", "城下町 @:GUIDE\\JOKA.BMP", "---------- ", "港 PICT\\MINATO.BMP",
                          "新しい　地図 GUIDE\\NEW.BMP"}))
        << "the blank of the title is written full-width, so the title reads back whole";
    EXPECT_EQ(update(HomeWin(), "", 3), -1) << "no such menu";
}

TEST_F(MenuRegister, AShortSectionIsRewrittenUpToTheNextSectionOnly)
{
    std::vector<std::string> lines = {"[M1]", "00=a@a.txt", "01="};
    AddMenuSection(lines, "[M2]", {"b@b.txt"});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"a|a.txt", "追加はここに!|"})) << "nothing of [M2]";
        Add(d, "c", "c.txt");
        Add(d, "d", "d.txt");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), 1);
    std::vector<std::string> expected = {"[M1]", "00=a@a.txt", "01=c@c.txt", "02=d@d.txt"};
    AddMenuSection(expected, "[M2]", {"b@b.txt"});
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected))
        << "the slot without a line gets one in its own section";
}

TEST_F(MenuRegister, AMissingMenuFileIsMadeWithItsEightSections)
{
    std::filesystem::remove(Home() / "SOURCE/MENUFILE.DAT");
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"追加はここに!|"}));
        EXPECT_EQ(d.text(IDC_COUNT), "計=0");
        Add(d, "港", "a.bmp");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 1), 1);
    std::vector<std::string> expected;
    const char* names[] = {"テキスト1", "テキスト2", "テキスト3", "テキスト4", "テキスト5", "画像1", "画像2", "画像3"};
    for (int m = 0; m < 8; ++m)
        AddMenuSection(expected, "[M" + std::to_string(m + 1) + "] " + names[m], m == 5 ? std::vector<std::string>{"港@a.bmp"}
                                                                                      : std::vector<std::string>{});
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected));
}

TEST_F(MenuRegister, TitlesWithTheFieldMarksReadBackAsTyped)
{
    const auto lines = MenuFile({});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        Add(d, "A@B[M1", "t.txt");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), 1);
    auto expected = lines;
    expected[SlotLine(0, 0)] = "00=A＠B［M1@t.txt";
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(Rows(d).front(), "A＠B［M1|t.txt");
        d.selectCombo(IDC_MENU, 1);
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"追加はここに!|"})) << "no extra section";
        d.click(vd::IDCANCEL);
    });
    update(HomeWin(), "", 0);
}

TEST_F(MenuRegister, AFailedRewriteIsReportedAndKeepsTheFileAndTheDialog)
{
    const auto lines = MenuFile({{0, {"案内@a.txt"}}});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        Add(d, "一", "one.txt");
        {
            testsupport::FileSizeLimit full(512);
            d.click(vd::IDOK);
        }
        EXPECT_FALSE(d.ended());
        ASSERT_EQ(script->messageBoxes().size(), 1u);
        EXPECT_NE(script->messageBoxes()[0].text.find("書き込めません"), std::string::npos);
        EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(lines));
        {
            // A switch or the editor that cannot write first keeps the menu and its changes.
            testsupport::FileSizeLimit full(512);
            d.selectCombo(IDC_MENU, 2);
            d.click(IDC_EDIT);
        }
        EXPECT_EQ(d.text(IDC_MENU), "ﾃｷｽﾄ1");
        EXPECT_EQ(Rows(d)[1], "一|one.txt");
        EXPECT_EQ(script->messageBoxes().size(), 3u);
        EXPECT_TRUE(script->processes().empty()) << "no editor on the old file";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), 1);
    EXPECT_NE(ReadHomeFile("SOURCE/MENUFILE.DAT").find(vd::utf8ToCp932("01=一@one.txt")), std::string::npos);
}

TEST_F(MenuRegister, OddLinesAreReadWholeAndLeftAsTheyAre)
{
    const std::string longTitle(300, 'L');
    std::vector<std::string> lines = {"[M1]", "00=a@a.txt", "; 05=注記", "99=外@x.txt", "01=" + longTitle + "@long.txt", "見出しなし"};
    for (int slot = 2; slot < 35; ++slot)
        lines.push_back((slot < 10 ? "0" : "") + std::to_string(slot) + "=");
    for (int m = 2; m <= 8; ++m)
        AddMenuSection(lines, "[M" + std::to_string(m) + "]", {});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(Rows(d), (std::vector<std::string>{"a|a.txt", longTitle + "|long.txt", "追加はここに!|"}));
        script->answerDialog(kModule, CDlgMenuEntry::IDD, Enter("b", "b.txt"));
        d.doubleClickListItem(IDC_LIST, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 0), 1);
    auto expected = lines;
    expected[1] = "00=b@b.txt";
    EXPECT_EQ(ReadHomeFile("SOURCE/MENUFILE.DAT"), Cp932Lines(expected));
}

TEST_F(MenuRegister, BrowsingForATextFileTakesItsPathInLowerCase)
{
    script->answerDialog(kModule, CDlgMenuEntry::IDD, [&](vd::DialogDriver& e) {
        e.setText(IDC_TITLE, "寺");
        script->answerFileDialog("Z:\\Home\\TEXT\\Tera.TXT");
        e.click(IDC_BROWSE);
        EXPECT_EQ(e.text(IDC_TARGET), "z:\\home\\text\\tera.txt");
        EXPECT_EQ(e.text(IDC_TITLE), "寺") << "the typed title stays";
        script->cancelFileDialog();
        e.click(IDC_BROWSE);
        EXPECT_EQ(e.text(IDC_TARGET), "z:\\home\\text\\tera.txt") << "a cancelled choice changes nothing";
        e.click(vd::IDOK);
    });
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        d.doubleClickListItem(IDC_LIST, List(d).GetItemCount() - 1);
        EXPECT_EQ(Rows(d).front(), "寺|z:\\home\\text\\tera.txt");
        d.click(vd::IDCANCEL);
    });
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(MenuFile({})));
    update(HomeWin(), "", 0);
    EXPECT_EQ(script->beeps(), 2);
    ASSERT_EQ(script->fileDialogs().size(), 2u);
    const auto& asked = script->fileDialogs()[0];
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.filter, "ﾃｷｽﾄ files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(asked.defaultExt, "txt");
    EXPECT_EQ(asked.initialName, "*.txt");
    EXPECT_TRUE(asked.flags & vd::OFN_FILEMUSTEXIST);
}

TEST_F(MenuRegister, PicturesAreChosenInSurricksPictureDialog)
{
    vd::LibraryLoader::setOverride("SURRICK.DLL", VD_FAKE_PICTURE_FILE_DIALOG);
    setenv("VD_FAKE_PICTURE_FILE", "z:\\pict\\hills.bmp", 1);
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(MenuFile({})));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        script->answerDialog(kModule, CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            e.setText(IDC_TITLE, "丘");
            e.click(IDC_BROWSE);
            EXPECT_EQ(e.text(IDC_TARGET), "z:\\pict\\hills.bmp");
            e.click(vd::IDOK);
        });
        d.doubleClickListItem(IDC_LIST, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(HomeWin(), "", 1), 1);
    EXPECT_TRUE(script->fileDialogs().empty());
}

TEST_F(MenuRegister, WithoutSurrickThePictureBrowseDoesNothing)
{
    vd::LibraryLoader::setOverride("SURRICK.DLL", "/nonexistent/libsurrick.so");
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(MenuFile({})));
    script->answerDialog(kModule, CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        script->answerDialog(kModule, CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            e.setText(IDC_TARGET, "kept.bmp");
            e.click(IDC_BROWSE);
            EXPECT_EQ(e.text(IDC_TARGET), "kept.bmp");
            e.click(vd::IDCANCEL);
        });
        d.doubleClickListItem(IDC_LIST, 0);
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(update(HomeWin(), "", 1), -1);
}

} // namespace
