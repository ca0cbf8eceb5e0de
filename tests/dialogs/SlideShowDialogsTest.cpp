// Both slide-show settings dialogs through their entry points: the entry counts of the menu file,
// the "すべて" button, the interval floors, the option words and the answers.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/AlbumSlideShowDialog.h"
#include "dialogs/MenuBarSlideShowDialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;

std::vector<std::string> Counts(vd::DialogDriver& d)
{
    std::vector<std::string> counts;
    for (int id = menuslideshowids::IDC_FIRST_COUNT; id <= menuslideshowids::IDC_FIRST_COUNT + 7; ++id)
        counts.push_back(d.text(id));
    return counts;
}

class SlideShows : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        menuBarSet = EntryPoint<OnDlgMenuBarSlideSet_fn>("OnDlgMenuBarSlideSet");
        albumSet = EntryPoint<OnSlideSet_fn>("OnSlideSet");
        ASSERT_NE(menuBarSet, nullptr);
        ASSERT_NE(albumSet, nullptr);
    }
    std::shared_ptr<vd::ui::Script> script;
    OnDlgMenuBarSlideSet_fn* menuBarSet = nullptr;
    OnSlideSet_fn* albumSet = nullptr;
};

TEST_F(SlideShows, MenuBarCountsTheEntriesOfEachMenu)
{
    std::vector<std::string> lines = {"; メニューファイル"};
    AddMenuSection(lines, "[MENU1] テキスト1", {"案内@C:\\TEXT\\a.txt", "地図@@:TEXT\\b.txt", "------"});
    AddMenuSection(lines, "[MENU2] テキスト2", {"", "歴史@C:\\TEXT\\c.txt"});
    AddMenuSection(lines, "[MENU3] テキスト3", {"--------", "見出しだけ"}); // separators only
    for (int k = 4; k <= 8; ++k)
        AddMenuSection(lines, "[MENU" + std::to_string(k) + "]", {});
    lines.push_back(";注記@は数えない");
    // A ninth section's entries count nowhere.
    AddMenuSection(lines, "[MENU9] 余分", {"写真@C:\\PICT\\a.jpg"});
    WriteHomeFile("SOURCE/MENUFILE.DAT", Cp932Lines(lines));

    script->answerDialog(kModule, CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " スライドショー");
        EXPECT_EQ(Counts(d), (std::vector<std::string>{"2", "1", "0", "0", "0", "0", "0", "0"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "MANUAL", 7), "0|0|0|0|0|0|0|0|0|-1|7|MANUAL");

    // Without the file: the counts of the first seven menus stay empty and the last shows 0.
    std::filesystem::remove(Home() / "SOURCE/MENUFILE.DAT");
    script->answerDialog(kModule, CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(Counts(d), (std::vector<std::string>{"", "", "", "", "", "", "", "0"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "AUTO", 3), "0|0|0|0|0|0|0|0|0|-1|3|AUTO");
}

TEST_F(SlideShows, MenuBarAnswersTheChosenMenusTheIntervalAndThePlayMode)
{
    // "すべて" ticks every box and answers every menu.
    script->answerDialog(kModule, CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(menuslideshowids::IDC_AUTO));
        EXPECT_EQ(d.text(menuslideshowids::IDC_INTERVAL), "5");
        d.click(menuslideshowids::IDC_ALL);
        for (int id = menuslideshowids::IDC_FIRST_MENU; id <= menuslideshowids::IDC_LAST_MENU; ++id)
            EXPECT_TRUE(d.isChecked(id)) << id;
        d.click(vd::IDOK);
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "AUTO", 5), "1|1|1|1|1|1|1|1|1|1|5|AUTO");

    // The flags start cleared on every call; "すべて" twice shows the boxes' own flags again.
    script->answerDialog(kModule, CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(menuslideshowids::IDC_FIRST_MENU)) << "nothing of the earlier call";
        EXPECT_TRUE(d.isChecked(menuslideshowids::IDC_MANUAL));
        d.click(menuslideshowids::IDC_FIRST_MENU + 1);
        d.click(menuslideshowids::IDC_LAST_MENU);
        d.click(menuslideshowids::IDC_ALL);
        d.click(menuslideshowids::IDC_ALL);
        std::vector<bool> ticked;
        for (int id = menuslideshowids::IDC_FIRST_MENU; id <= menuslideshowids::IDC_LAST_MENU; ++id)
            ticked.push_back(d.isChecked(id));
        EXPECT_EQ(ticked, (std::vector<bool>{false, true, false, false, false, false, false, true}));
        d.click(menuslideshowids::IDC_AUTO);
        d.click(menuslideshowids::IDC_INTERVAL_DOWN);
        EXPECT_EQ(d.text(menuslideshowids::IDC_INTERVAL), "2");
        d.click(menuslideshowids::IDC_INTERVAL_DOWN);
        EXPECT_EQ(d.text(menuslideshowids::IDC_INTERVAL), "2") << "never below 2 seconds";
        d.click(menuslideshowids::IDC_INTERVAL_UP);
        d.click(menuslideshowids::IDC_INTERVAL_UP);
        EXPECT_EQ(d.text(menuslideshowids::IDC_INTERVAL), "4");
        d.pressEnter();
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "MANUAL", 3), "0|1|0|0|0|0|0|1|0|1|4|AUTO");

    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, CDlgMenuBarSlideShow::IDD, [cancel](vd::DialogDriver& d) {
            d.click(menuslideshowids::IDC_ALL);
            cancel(d);
        });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(menuBarSet(HomeWin(), "AUTO", 5), "") << i;
}

TEST_F(SlideShows, AlbumShowsTheCallersSettingsAndAnswersTheChangedOnes)
{
    script->answerDialog(kModule, CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " スライドショー");
        EXPECT_EQ(d.text(albumslideshowids::IDC_INTERVAL), "5");
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_BOTH));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_SMALL));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_MEMO));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_AUTO));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_COUNTDOWN));
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_LOCATOR));
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_NO_JPEG)) << "JPEG pictures take part";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(3, 5, 2, "ON", "AUTO", "on", "off", "on"), "3|5|2|ON|AUTO|on|off|on");

    script->answerDialog(kModule, CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_TEXTS) || d.isChecked(albumslideshowids::IDC_PICTURES) ||
                     d.isChecked(albumslideshowids::IDC_BOTH))
            << "kind 0 checks none";
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_LARGE));
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_MEMO));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_MANUAL));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_NO_JPEG)) << "ticked exactly when the JPEG word is \"off\"";
        d.click(albumslideshowids::IDC_PICTURES);
        d.click(albumslideshowids::IDC_SMALL);
        d.click(albumslideshowids::IDC_MEMO);
        d.click(albumslideshowids::IDC_AUTO);
        d.click(albumslideshowids::IDC_COUNTDOWN);
        d.click(albumslideshowids::IDC_LOCATOR);
        d.click(albumslideshowids::IDC_NO_JPEG);
        d.click(albumslideshowids::IDC_INTERVAL_DOWN);
        EXPECT_EQ(d.text(albumslideshowids::IDC_INTERVAL), "1");
        d.click(albumslideshowids::IDC_INTERVAL_DOWN);
        EXPECT_EQ(d.text(albumslideshowids::IDC_INTERVAL), "1") << "never below 1 second";
        d.click(albumslideshowids::IDC_INTERVAL_UP);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(0, 2, 1, "OFF", "MANUAL", "off", "on", "off"), "2|2|2|ON|AUTO|on|off|on");

    // Ticking "JPGの画像を除く" turns the last word to "off"; the memo word is upper case.
    script->answerDialog(kModule, CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        d.click(albumslideshowids::IDC_NO_JPEG);
        d.click(albumslideshowids::IDC_MEMO);
        d.click(albumslideshowids::IDC_TEXTS);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(3, 4, 1, "ON", "AUTO", "on", "on", "on"), "1|4|1|OFF|AUTO|on|on|off");

    // An unset option's box is not ticked, and ticking it turns the option on.
    script->answerDialog(kModule, CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_LOCATOR));
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_COUNTDOWN));
        d.click(albumslideshowids::IDC_LOCATOR);
        d.click(albumslideshowids::IDC_COUNTDOWN);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(3, 4, 1, "ON", "AUTO", "", "", "on"), "3|4|1|ON|AUTO|on|on|on");

    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, CDlgAlbumSlideShow::IDD, [cancel](vd::DialogDriver& d) {
            d.click(albumslideshowids::IDC_NO_JPEG);
            cancel(d);
        });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(albumSet(3, 4, 1, "ON", "AUTO", "on", "on", "on"), "") << i;
}

} // namespace
