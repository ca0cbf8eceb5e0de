// Both slide-show settings dialogs through their entry points: the entry counts of the menu file,
// the "すべて" button, the interval floors, the option words and the answers.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;

std::vector<std::string> Counts(vd::DialogDriver& d)
{
    std::vector<std::string> counts;
    for (int id = 1035; id <= 1042; ++id)
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

    script->answerDialog(kModule, 135, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " スライドショー");
        EXPECT_EQ(Counts(d), (std::vector<std::string>{"2", "1", "0", "0", "0", "0", "0", "0"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "MANUAL", 7), "0|0|0|0|0|0|0|0|0|-1|7|MANUAL");

    // Without the file: the counts of the first seven menus stay empty and the last shows 0.
    std::filesystem::remove(Home() / "SOURCE/MENUFILE.DAT");
    script->answerDialog(kModule, 135, [](vd::DialogDriver& d) {
        EXPECT_EQ(Counts(d), (std::vector<std::string>{"", "", "", "", "", "", "", "0"}));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "AUTO", 3), "0|0|0|0|0|0|0|0|0|-1|3|AUTO");
}

TEST_F(SlideShows, MenuBarAnswersTheChosenMenusTheIntervalAndThePlayMode)
{
    // "すべて" ticks every box and answers every menu.
    script->answerDialog(kModule, 135, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(1353));
        EXPECT_EQ(d.text(1355), "5");
        d.click(1352);
        for (int id = 1027; id <= 1034; ++id)
            EXPECT_TRUE(d.isChecked(id)) << id;
        d.click(vd::IDOK);
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "AUTO", 5), "1|1|1|1|1|1|1|1|1|1|5|AUTO");

    // The flags start cleared on every call; "すべて" twice shows the boxes' own flags again.
    script->answerDialog(kModule, 135, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(1027)) << "nothing of the earlier call";
        EXPECT_TRUE(d.isChecked(1354));
        d.click(1028);
        d.click(1034);
        d.click(1352);
        d.click(1352);
        std::vector<bool> ticked;
        for (int id = 1027; id <= 1034; ++id)
            ticked.push_back(d.isChecked(id));
        EXPECT_EQ(ticked, (std::vector<bool>{false, true, false, false, false, false, false, true}));
        d.click(1353);
        d.click(1357);
        EXPECT_EQ(d.text(1355), "2");
        d.click(1357);
        EXPECT_EQ(d.text(1355), "2") << "never below 2 seconds";
        d.click(1356);
        d.click(1356);
        EXPECT_EQ(d.text(1355), "4");
        d.pressEnter();
    });
    EXPECT_EQ(menuBarSet(HomeWin(), "MANUAL", 3), "0|1|0|0|0|0|0|1|0|1|4|AUTO");

    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, 135, [cancel](vd::DialogDriver& d) {
            d.click(1352);
            cancel(d);
        });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(menuBarSet(HomeWin(), "AUTO", 5), "") << i;
}

TEST_F(SlideShows, AlbumShowsTheCallersSettingsAndAnswersTheChangedOnes)
{
    script->answerDialog(kModule, 142, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " スライドショー");
        EXPECT_EQ(d.text(101), "5");
        EXPECT_TRUE(d.isChecked(138));
        EXPECT_TRUE(d.isChecked(1026));
        EXPECT_TRUE(d.isChecked(214));
        EXPECT_TRUE(d.isChecked(1016));
        EXPECT_TRUE(d.isChecked(1018));
        EXPECT_FALSE(d.isChecked(215));
        EXPECT_FALSE(d.isChecked(1052)) << "JPEG pictures take part";
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(3, 5, 2, "ON", "AUTO", "on", "off", "on"), "3|5|2|ON|AUTO|on|off|on");

    script->answerDialog(kModule, 142, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(136) || d.isChecked(137) || d.isChecked(138)) << "kind 0 checks none";
        EXPECT_TRUE(d.isChecked(1025));
        EXPECT_FALSE(d.isChecked(214));
        EXPECT_TRUE(d.isChecked(1017));
        EXPECT_TRUE(d.isChecked(1052)) << "ticked exactly when the JPEG word is \"off\"";
        d.click(137);
        d.click(1026);
        d.click(214);
        d.click(1016);
        d.click(1018);
        d.click(215);
        d.click(1052);
        d.click(109);
        EXPECT_EQ(d.text(101), "1");
        d.click(109);
        EXPECT_EQ(d.text(101), "1") << "never below 1 second";
        d.click(103);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(0, 2, 1, "OFF", "MANUAL", "off", "on", "off"), "2|2|2|ON|AUTO|on|off|on");

    // Ticking "JPGの画像を除く" turns the last word to "off"; the memo word is upper case.
    script->answerDialog(kModule, 142, [](vd::DialogDriver& d) {
        d.click(1052);
        d.click(214);
        d.click(136);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(3, 4, 1, "ON", "AUTO", "on", "on", "on"), "1|4|1|OFF|AUTO|on|on|off");

    // An unset option's box is not ticked, and ticking it turns the option on.
    script->answerDialog(kModule, 142, [](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(215));
        EXPECT_FALSE(d.isChecked(1018));
        d.click(215);
        d.click(1018);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(albumSet(3, 4, 1, "ON", "AUTO", "", "", "on"), "3|4|1|ON|AUTO|on|on|on");

    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, 142, [cancel](vd::DialogDriver& d) {
            d.click(1052);
            cancel(d);
        });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(albumSet(3, 4, 1, "ON", "AUTO", "on", "on", "on"), "") << i;
}

} // namespace
