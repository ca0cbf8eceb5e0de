// The album dialogs through OnDLLAlbumRegist (148) and OnAlbumUpdate (147): the pages written to
// the album file, the answers, the pages listed, and the mended blanks in typed names and memos.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/albums/AlbumNewDialog.h"
#include "dialogs/albums/AlbumUpdateDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;

class Albums : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        regist = EntryPoint<OnDLLAlbumRegist_fn>("OnDLLAlbumRegist");
        update = EntryPoint<OnAlbumUpdate_fn>("OnAlbumUpdate");
        ASSERT_NE(regist, nullptr);
        ASSERT_NE(update, nullptr);
        std::filesystem::create_directories(Home() / "ALBUM");
        album = HomeWin() + "ALBUM\\G4C1fdd.alb";
    }
    static std::string Album() { return ReadHomeFile("ALBUM/G4C1fdd.alb"); }

    // One page typed and added.
    static void AddPage(vd::DialogDriver& d, const std::string& memo1, const std::string& memo2,
                        const std::string& text, const std::string& picture)
    {
        d.setText(albumnewids::IDC_MEMO1, memo1);
        d.setText(albumnewids::IDC_MEMO2, memo2);
        d.setText(albumnewids::IDC_TEXT, text);
        d.setText(albumnewids::IDC_PICTURE, picture);
        d.click(albumnewids::IDC_ADD);
    }

    std::shared_ptr<vd::ui::Script> script;
    OnDLLAlbumRegist_fn* regist = nullptr;
    OnAlbumUpdate_fn* update = nullptr;
    std::string album;
};

TEST_F(Albums, NewAlbumWritesEachPageAndAnswersThePoint)
{
    WriteHomeFile("ALBUM/G4C1fdd.alb", Cp932Lines({"古い頁 35.0000 135.0000  c:\\old.bmp"}));
    script->answerDialog(kModule, CDlgAlbumNew::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "　アルバムの新規登録");
        EXPECT_EQ(d.text(albumnewids::IDC_LATITUDE), "35.0112");
        EXPECT_EQ(d.text(albumnewids::IDC_LONGITUDE), "135.4530");
        EXPECT_EQ(d.text(albumnewids::IDC_ALBUM_NUMBER), "7");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "1");
        d.setText(albumnewids::IDC_NAME, "京都御所");
        d.setText(albumnewids::IDC_ITEM, "史跡");
        AddPage(d, "表門", "", "", "c:\\album\\gate.bmp");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "2");
        EXPECT_EQ(d.text(albumnewids::IDC_MEMO1), "");
        EXPECT_EQ(d.text(albumnewids::IDC_PICTURE), "");
        AddPage(d, "庭園", "春の庭", "c:\\album\\garden.txt", "c:\\album\\garden.jpg");
        AddPage(d, "紫宸殿", "正殿", "c:\\album\\hall.txt", "");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "4");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(regist(12, "135.4530", "35.0112", album, "7"), "12|135.4530|35.0112|京都御所|史跡");
    EXPECT_EQ(Album(), Cp932Lines({"表門 35.0112 135.4530  c:\\album\\gate.bmp",
                                   "庭園 35.0112 135.4530 春の庭 c:\\album\\garden.jpg c:\\album\\garden.txt",
                                   "紫宸殿 35.0112 135.4530 正殿 c:\\album\\hall.txt"}));
}

TEST_F(Albums, NewAlbumRefusesIncompletePagesAndCancelKeepsWhatWasAdded)
{
    script->answerDialog(kModule, CDlgAlbumNew::IDD, [](vd::DialogDriver& d) {
        // Without a place name, without a file, without the first memo: nothing is added.
        AddPage(d, "表門", "", "", "c:\\gate.bmp");
        d.setText(albumnewids::IDC_NAME, "京都 御所");
        AddPage(d, "表門", "", "", "");
        AddPage(d, "", "", "c:\\a.txt", "");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "1");
        EXPECT_EQ(d.text(albumnewids::IDC_TEXT), "c:\\a.txt") << "the edits stay for the user to complete";
        AddPage(d, "表 門", "春 の庭", "c:\\a.txt", "");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "2");
        d.click(albumnewids::IDC_CANCEL);
    });
    EXPECT_EQ(regist(3, "135.4530", "35.0112", album, "1"), "4||||");
    // Blanks typed into the memos are full-width: the line keeps its fields.
    EXPECT_EQ(Album(), Cp932Lines({"表　門 35.0112 135.4530 春　の庭 c:\\a.txt"}));

    // The close box answers the cancel too; a blank or "|" in the name or item never splits the answer.
    script->answerDialog(kModule, CDlgAlbumNew::IDD, [](vd::DialogDriver& d) { d.closeBox(); });
    EXPECT_EQ(regist(3, "1", "2", album, "1"), "4||||");
    script->answerDialog(kModule, CDlgAlbumNew::IDD, [](vd::DialogDriver& d) {
        d.setText(albumnewids::IDC_NAME, "京都 御所");
        d.setText(albumnewids::IDC_ITEM, "史|跡");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(regist(5, "135.4530", "35.0112", album, "1"), "5|135.4530|35.0112|京都　御所|史｜跡");
}

TEST_F(Albums, NewAlbumMakesAVanishedFileAgainAndReportsAnUnwritableOne)
{
    script->answerDialog(kModule, CDlgAlbumNew::IDD, [this](vd::DialogDriver& d) {
        d.setText(albumnewids::IDC_NAME, "御所");
        AddPage(d, "一", "", "c:\\1.txt", "");
        std::filesystem::remove(Home() / "ALBUM/G4C1fdd.alb");
        AddPage(d, "二", "", "c:\\2.txt", "");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "3");
        EXPECT_EQ(Album(), Cp932Lines({"二 35 135  c:\\2.txt"}));
        EXPECT_TRUE(script->messageBoxes().empty());
        d.click(vd::IDOK);
    });
    EXPECT_EQ(regist(1, "135", "35", album, "1"), "1|135|35|御所|");

    script->answerDialog(kModule, CDlgAlbumNew::IDD, [](vd::DialogDriver& d) {
        d.setText(albumnewids::IDC_NAME, "御所");
        AddPage(d, "一", "", "c:\\1.txt", "");
        EXPECT_EQ(d.text(albumnewids::IDC_PAGE), "1") << "a page that was not written is not counted";
        EXPECT_EQ(d.text(albumnewids::IDC_MEMO1), "一");
        d.click(vd::IDOK);
    });
    regist(1, "135", "35", HomeWin() + "NOFOLDER\\G4C1fdd.alb", "1");
    ASSERT_EQ(script->messageBoxes().size(), 1u);
    EXPECT_NE(script->messageBoxes()[0].text.find("G4C1fdd.alb"), std::string::npos);
}

TEST_F(Albums, NewAlbumBrowsesForFilesAndShowsTheText)
{
    WriteHomeFile("ALBUM/garden.txt", Cp932Lines({"庭の説明", "二行目"}));
    script->answerFileDialog("Z:\\Photos\\Garden.TXT");
    script->cancelFileDialog();
    script->answerFileDialog("Z:\\Photos\\Gate.BMP");
    script->cancelFileDialog();
    script->answerDialog(kModule, CDlgMemo::IDD, [](vd::DialogDriver& d) {
        EXPECT_NE(d.text(memoids::IDC_MEMO_TEXT).find("庭の説明"), std::string::npos);
        d.click(vd::IDOK);
    });
    const std::string textFile = HomeWin() + "ALBUM\\garden.txt";
    script->answerDialog(kModule, CDlgAlbumNew::IDD, [&textFile](vd::DialogDriver& d) {
        d.click(albumnewids::IDC_BROWSE_TEXT);
        EXPECT_EQ(d.text(albumnewids::IDC_TEXT), "z:\\photos\\garden.txt");
        d.click(albumnewids::IDC_BROWSE_TEXT);
        EXPECT_EQ(d.text(albumnewids::IDC_TEXT), "") << "a cancelled choice empties the text file";
        d.click(albumnewids::IDC_BROWSE_PICTURE);
        EXPECT_EQ(d.text(albumnewids::IDC_PICTURE), "z:\\photos\\gate.bmp");
        d.click(albumnewids::IDC_BROWSE_PICTURE);
        EXPECT_EQ(d.text(albumnewids::IDC_PICTURE), "z:\\photos\\gate.bmp") << "a cancelled choice keeps the picture";
        d.click(albumnewids::IDC_SHOW_TEXT); // no text file: no memo
        d.setText(albumnewids::IDC_TEXT, textFile);
        d.click(albumnewids::IDC_SHOW_TEXT);
        d.click(vd::IDCANCEL);
    });
    regist(1, "135", "35", album, "1");
    ASSERT_EQ(script->fileDialogs().size(), 4u);
    EXPECT_EQ(script->fileDialogs()[0].filter, "地点 files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[0].defaultExt, "txt");
    EXPECT_EQ(script->fileDialogs()[0].initialName, "*.txt");
    EXPECT_EQ(script->fileDialogs()[2].filter, "画像 files (*.bmp)|*.bmp|All files (*.*)|*.*||");
    EXPECT_EQ(script->fileDialogs()[2].initialName, "*.bmp");
    EXPECT_TRUE(script->fileDialogs()[0].flags & vd::OFN_FILEMUSTEXIST);
    EXPECT_EQ(script->beeps(), 4);
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{148, 133}));
}

TEST_F(Albums, UpdateListsThePagesAndAnswersByItsEnd)
{
    WriteHomeFile("ALBUM/G4C1fdd.alb",
                  Cp932Lines({"表門 35.0112 135.4530  c:\\gate.bmp", "; 注記", "庭園 35.0112 135.4530 春の庭 c:\\g.jpg c:\\g.txt"}));
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "  アルバムデータの更新");
        EXPECT_EQ(d.text(albumupdateids::IDC_NAME), "京都御所");
        EXPECT_EQ(d.text(albumupdateids::IDC_ITEM), "史跡");
        EXPECT_EQ(d.text(albumupdateids::IDC_LATITUDE), "35.0112");
        EXPECT_EQ(d.text(albumupdateids::IDC_LONGITUDE), "135.4530");
        EXPECT_EQ(d.text(albumupdateids::IDC_COUNT), "2件");
        auto* pages = d.dialog().item<vd::ListBox>(albumupdateids::IDC_PAGES);
        ASSERT_EQ(pages->GetCount(), 2);
        EXPECT_EQ(pages->GetText(1), "庭園#春の庭");
        d.selectList(albumupdateids::IDC_PAGES, 1);
        EXPECT_EQ(d.text(albumupdateids::IDC_PAGE_MEMO1), "庭園");
        EXPECT_EQ(d.text(albumupdateids::IDC_PAGE_MEMO2), "春の庭");
        EXPECT_EQ(d.text(albumupdateids::IDC_PAGE_PICTURE), "c:\\g.jpg");
        EXPECT_EQ(d.text(albumupdateids::IDC_PAGE_TEXT), "c:\\g.txt");
        EXPECT_EQ(d.text(albumupdateids::IDC_COUNT), "2/2");
        d.setText(albumupdateids::IDC_NAME, "京都 御所");
        d.setText(albumupdateids::IDC_LATITUDE, "35.0113");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(4, "old", album, "京都御所", "史跡", "135.4530", "35.0112", ""),
              "4|1|京都　御所 35.0113 135.4530 史跡 ");

    // Index 0 and OK give code 2, as "更新を終了" does, which keeps the caller's texts.
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    EXPECT_EQ(update(0, "old", album, "御所", "史跡", "135", "35", ""), "0|2|御所 35 135 史跡 ");
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) {
        d.setText(albumupdateids::IDC_NAME, "別名");
        d.click(albumupdateids::IDC_END_UPDATE);
    });
    EXPECT_EQ(update(6, "old", album, "御所", "史跡", "135", "35", ""), "0|2|御所 35 135 史跡 ");

    // Deletion answers the caller's index and 3, also for index 0; cancel answers nothing.
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD,
                         [](vd::DialogDriver& d) { d.click(albumupdateids::IDC_DELETE); });
    EXPECT_EQ(update(0, "old", album, "御所", "史跡", "135", "35", ""), "0|3|");
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD,
                         [](vd::DialogDriver& d) { d.click(albumupdateids::IDC_DELETE); });
    EXPECT_EQ(update(9, "old", album, "御所", "史跡", "135", "35", ""), "9|3|");
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    EXPECT_EQ(update(9, "old", album, "御所", "史跡", "135", "35", ""), "");
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) { d.pressEscape(); });
    EXPECT_EQ(update(9, "old", album, "御所", "史跡", "135", "35", ""), "");
}

TEST_F(Albums, UpdateOfANewAlbumMakesItsFileAndAMissingFileListsNothing)
{
    const std::string fresh = HomeWin() + "ALBUM\\G4C1fde.alb";
    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.dialog().item<vd::ListBox>(albumupdateids::IDC_PAGES)->GetCount(), 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(update(2, "new", fresh, "御所", "史跡", "135", "35", ""), "2|1|御所 35 135 史跡 ");
    EXPECT_TRUE(std::filesystem::exists(Home() / "ALBUM/G4C1fde.alb"));
    EXPECT_EQ(std::filesystem::file_size(Home() / "ALBUM/G4C1fde.alb"), 0u);

    script->answerDialog(kModule, CDlgAlbumUpdate::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.dialog().item<vd::ListBox>(albumupdateids::IDC_PAGES)->GetCount(), 0);
        EXPECT_EQ(d.text(albumupdateids::IDC_COUNT), "0件");
        d.click(albumupdateids::IDC_SHOW_TEXT); // no page shown: no memo
        d.click(albumupdateids::IDC_EDIT);
        d.click(vd::IDCANCEL);
    });
    update(2, "old", HomeWin() + "ALBUM\\none.alb", "御所", "史跡", "135", "35", "/usr/bin/true");
    EXPECT_TRUE(script->unanswered().empty());
    ASSERT_EQ(script->processes().size(), 1u) << "編集 runs the editor on the album file";
    EXPECT_EQ(script->processes()[0].back(), vd::ui::toLinuxForm(HomeWin() + "ALBUM\\none.alb"));
}

} // namespace
