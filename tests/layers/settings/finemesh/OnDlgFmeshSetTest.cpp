// The 1/10 subdivided mesh dialog as the program uses it: through Pelmora's export, answered by
// the script as a user would click it, with DDFTFILE.DAT fixtures in CP932.
#include "contracts/pelmora.h"
#include "layers/settings/finemesh/FineMeshSetDialog.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr int kTabs = CDlgFmeshSet::kTabControl;
constexpr int kStatus = CDlgFmeshSet::kStatusLine;
// Per page: on box, edit, "ﾌｧｲﾙ", first item button.
struct PageIds {
    int on, edit, file, firstItem;
};
constexpr PageIds kPage[] = {{kLandUseThemeOn, kLandUseThemeText, kLandUseThemeFile, kLandUseClassButton},
                             {kAreaThemeOn, kAreaThemeText, kAreaThemeFile, kAreaItemButton},
                             {kBasinThemeOn, kBasinThemeText, kBasinThemeFile, kBasinItemButton},
                             {kLakeThemeOn, kLakeThemeText, kLakeThemeFile, kLakeItemButton}};
// Land-use class buttons.
constexpr int kAll = kLandUseClassButton;
constexpr int kPaddy = kLandUseClassButton + 1;  // 田
constexpr int kForest = kLandUseClassButton + 3; // 森林

std::filesystem::path FilePath() { return vd::applicationFolderPath() / "DDFTFILE.DAT"; }

void WriteBytes(const std::string& bytes)
{
    std::filesystem::create_directories(FilePath().parent_path());
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes()
{
    std::ifstream in(FilePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Call {
    std::string folder = vd::applicationFolder();
    std::string selection = "-1";
    std::string texts[4];
    std::string flags = "100000000000";
};

class FineMeshDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
        set = vd::entryPoint<OnDlgFmeshSet_fn>("Pelmora.DLL", "OnDlgFmeshSet");
        ASSERT_NE(set, nullptr);
    }
    void OnDialog(std::function<void(vd::DialogDriver&)> actions)
    {
        script->answerDialog("Pelmora", CDlgFmeshSet::IDD, std::move(actions));
    }
    std::string Run(const Call& c)
    {
        return set(c.folder, c.selection, c.texts[0], c.texts[1], c.texts[2], c.texts[3], c.flags);
    }
    static int CurrentTab(vd::DialogDriver& d) { return dynamic_cast<vd::TabCtrl&>(d.control(kTabs)).GetCurSel(); }
    std::shared_ptr<vd::ui::Script> script;
    OnDlgFmeshSet_fn* set = nullptr;
};

} // namespace

TEST_F(FineMeshDialog, TemplatesHoldTheContainerAndFourPagesInsideTheTab)
{
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgFmeshSet::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, "  国土数値情報（1/10細分メッシュデータ）");
    EXPECT_EQ(t->place->cx, 230);
    EXPECT_EQ(t->place->cy, 137);
    EXPECT_EQ(t->control(kTabs)->place->cy, 113);
    EXPECT_GE(t->control(kStatus)->place->y, 117) << "below the tab control";
    EXPECT_EQ(t->control(vd::IDCANCEL)->caption, "ｷｬﾝｾﾙ");
    const char* groups[] = {"表示項目 [複数選択可] ", "表示項目", "表示項目", "表示項目"};
    const int ids[] = {CDlgFmLandUse::IDD, CDlgFmArea::IDD, CDlgFmBasin::IDD, CDlgFmLake::IDD};
    for (int k = 0; k < 4; ++k) {
        const vd::ui::DialogTemplate* page = vd::ui::findTemplate("Pelmora", ids[k]);
        ASSERT_NE(page, nullptr) << ids[k];
        EXPECT_TRUE(page->isChild());
        EXPECT_EQ(page->place->x, 5);
        EXPECT_EQ(page->place->y, 20);
        EXPECT_EQ(page->place->cx, 220);
        EXPECT_EQ(page->place->cy, 95);
        bool group = false;
        for (const vd::ui::ControlTemplate& c : page->controls) {
            ASSERT_TRUE(c.place) << ids[k];
            EXPECT_LE(c.place->x + c.place->cx, 220) << ids[k] << " " << c.caption;
            EXPECT_LE(c.place->y + c.place->cy, 95) << ids[k] << " " << c.caption;
            group = group || (c.kind == vd::ui::ControlKind::GroupBox && c.caption == groups[k]);
        }
        EXPECT_TRUE(group) << ids[k];
        EXPECT_EQ(page->control(kPage[k].file)->caption, "ﾌｧｲﾙ");
    }
    // Every land-use class starts its own group, so any number of them can be set.
    for (int cls = 0; cls < 12; ++cls)
        EXPECT_TRUE(vd::ui::findTemplate("Pelmora", CDlgFmLandUse::IDD)->control(kAll + cls)->style & vd::WS_GROUP)
            << cls;
    EXPECT_EQ(vd::ui::findTemplate("Pelmora", CDlgFmLandUse::IDD)->control(kAll + 8)->caption, "河川地及び湖沼");
    EXPECT_EQ(vd::ui::findTemplate("Pelmora", CDlgFmArea::IDD)->control(kAreaItemButton + 2)->caption, "自然環境保全");
    EXPECT_FALSE(vd::ui::findTemplate("Pelmora", CDlgFmArea::IDD)->control(kAreaItemButton + 2)->style & vd::WS_GROUP);
}

TEST_F(FineMeshDialog, TabsAndStatusLine)
{
    const char* labels[] = {"土地利用", "指定地域", "流域・非集水域", " 湖沼"};
    for (const bool white : {false, true}) {
        OnDialog([&](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), "  国土数値情報（1/10細分メッシュデータ）");
            auto& tabs = dynamic_cast<vd::TabCtrl&>(d.control(kTabs));
            ASSERT_EQ(tabs.GetItemCount(), 4);
            EXPECT_EQ(CurrentTab(d), 2);
            EXPECT_EQ(d.text(kStatus), "各地域ごとに指定種別を表示");
            const char* status[] = {white ? "白地図にメッシュマップを表示" : "地図に重ねてメッシュマップを表示",
                                    "各地域ごとに指定種別を表示", "各地域ごとに指定種別を表示", ""};
            for (int tab = 0; tab < 4; ++tab) {
                d.selectTab(kTabs, tab);
                EXPECT_EQ(tabs.GetItemText(tab), labels[tab]);
                EXPECT_EQ(d.text(kStatus), status[tab]) << tab;
                for (int other = 0; other < 4; ++other)
                    EXPECT_EQ(d.isVisible(kPage[other].on), other == tab) << tab << " " << other;
            }
            d.click(vd::IDCANCEL);
        });
        Call call;
        call.selection = white ? "2|0|0|0|0|0|0|0|0|/TAVREL" : "2|0|0|0|0|0|0|0|0|";
        EXPECT_EQ(Run(call), "") << "Cancel with the caller's settings answers nothing";
    }
}

TEST_F(FineMeshDialog, LandUseClassesToggleAndAllClearsTheOthers)
{
    Call call;
    call.selection = "0|0|5|0|0|0|0|0|0|";
    call.texts[0] = "D:\\KSJ\\(L03-a-9_)";
    call.texts[1] = "D:\\KSJ\\(A29-11_)";
    OnDialog([](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kAll));
        EXPECT_FALSE(d.isChecked(kPage[0].on));
        d.click(kPaddy);
        EXPECT_TRUE(d.isChecked(kPage[0].on)) << "a class switches the theme on";
        d.click(kForest);
        EXPECT_FALSE(d.isChecked(kAll));
        EXPECT_TRUE(d.isChecked(kPaddy));
        EXPECT_TRUE(d.isChecked(kForest));
        for (int cls : {2, 4, 5, 6, 7, 8, 9, 10, 11})
            EXPECT_FALSE(d.isChecked(kAll + cls)) << cls;
        d.click(kForest); // toggles off, although an auto radio button stays set by itself
        EXPECT_FALSE(d.isChecked(kForest));
        d.click(kForest);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "0|1|3|0|0|0|0|0|0|D:\\KSJ\\(L03-a-9_)|D:\\KSJ\\(A29-11_)|||010100000000");
    EXPECT_FALSE(std::filesystem::exists(FilePath())) << "only a changed text rewrites the file";

    OnDialog([](vd::DialogDriver& d) {
        d.click(kPaddy);
        d.click(kForest);
        d.click(kAll);
        EXPECT_TRUE(d.isChecked(kAll));
        EXPECT_FALSE(d.isChecked(kPaddy));
        EXPECT_FALSE(d.isChecked(kForest));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "0|1|0|0|0|0|0|0|0|D:\\KSJ\\(L03-a-9_)|D:\\KSJ\\(A29-11_)|||100000000000");
}

TEST_F(FineMeshDialog, OnlyTheCurrentThemeStaysOnAndOtherTabsResetTheFlags)
{
    Call call;
    call.selection = "0|1|3|1|2|1|1|1|4|";
    call.flags = "010100000000";
    OnDialog([](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kPaddy));
        EXPECT_TRUE(d.isChecked(kForest));
        d.selectTab(kTabs, 3);
        EXPECT_TRUE(d.isChecked(kLakeItemButton + 4)) << "item 4: 湖沼と名称･湖面標高･ｺｰﾄﾞ";
        EXPECT_EQ(d.control(kLakeItemButton + 4).GetWindowText(), "湖沼と名称･湖面標高･ｺｰﾄﾞ");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "3|0|3|0|2|0|1|1|4|||||100000000000");

    // The part's example: 指定地域 on with item 2, OK on its tab.
    call.selection = "1|0|0|0|0|0|0|0|0|";
    call.texts[0] = "a";
    call.texts[1] = "b";
    call.texts[2] = "c";
    call.texts[3] = "d";
    OnDialog([](vd::DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(kAreaItemButton + 2));
        d.click(kAreaItemButton + 2); // an item switches its theme on, whatever its text
        EXPECT_TRUE(d.isChecked(kPage[1].on));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "1|0|0|1|2|0|0|0|0|a|b|c|d|100000000000");
}

TEST_F(FineMeshDialog, ItemsOutsideAPageCheckNoneAndTheOnBoxNeedsAText)
{
    Call call;
    call.selection = "2|0|0|0|7|0|3|0|-1|";
    call.texts[1] = "D:\\A\\(A29-11_)";
    call.flags = "01"; // short: the missing classes are clear
    OnDialog([](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        EXPECT_TRUE(d.isChecked(kPaddy));
        for (int cls : {0, 2, 3, 11})
            EXPECT_FALSE(d.isChecked(kAll + cls)) << cls;
        d.selectTab(kTabs, 2);
        for (int id = kBasinItemButton; id <= kBasinItemButton + 2; ++id)
            EXPECT_FALSE(d.isChecked(id)) << id;
        d.click(kPage[2].on);
        EXPECT_FALSE(d.isChecked(kPage[2].on)) << "no folder: the box stays clear";
        d.selectTab(kTabs, 1);
        for (int id = kAreaItemButton; id <= kAreaItemButton + 4; ++id)
            EXPECT_FALSE(d.isChecked(id)) << id;
        d.click(kPage[1].on);
        EXPECT_TRUE(d.isChecked(kPage[1].on));
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "1|0|0|1|7|0|3|0|-1||D:\\A\\(A29-11_)|||100000000000");
}

TEST_F(FineMeshDialog, TypedFolderSurvivesAClassClickAndRewritesTheFile)
{
    Call call;
    call.selection = "0|0|0|0|0|0|0|0|0|";
    call.texts[3] = "d:\\ksj\\w09.txt";
    OnDialog([](vd::DialogDriver& d) {
        d.setText(kPage[0].edit, "E:\\新\\(L03|a)");
        d.click(kForest);
        EXPECT_EQ(d.text(kPage[0].edit), "E:\\新\\(L03|a)") << "a class click keeps what was typed";
        d.selectTab(kTabs, 3);
        d.click(kLakeItemButton + 2);
        d.selectTab(kTabs, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "0|1|3|0|0|0|0|0|2|E:\\新\\(L03｜a)|||d:\\ksj\\w09.txt|000100000000");
    EXPECT_EQ(ReadBytes(), vd::utf8ToCp932("T1_1=土地利用\r\nT1_2=指定地域\r\nT1_3=流域・非集水域\r\nT1_4=湖\r\n"
                                           "F1_1=E:\\新\\(L03｜a)\r\nF1_2=\r\nF1_3=\r\nF1_4=d:\\ksj\\w09.txt\r\n"
                                           "N1_1=3\r\nN1_2=0\r\nN1_3=0\r\nN1_4=2\r\n"));
}

TEST_F(FineMeshDialog, FileChoiceWritesTheFolderAndFileForms)
{
    script->answerFileDialog("D:\\KSJ\\L03\\L03-a-09_5339.txt");
    script->answerFileDialog("C:\\KSJ\\W09-05.TXT");
    script->cancelFileDialog();
    Call call;
    call.selection = "3|0|0|0|0|0|0|0|0|";
    OnDialog([](vd::DialogDriver& d) {
        d.selectTab(kTabs, 0);
        d.click(kPage[0].file);
        EXPECT_EQ(d.text(kPage[0].edit), "D:\\KSJ\\L03\\(L03-a-09)");
        EXPECT_FALSE(d.isChecked(kPage[0].on)) << "a choice changes no box";
        d.selectTab(kTabs, 3);
        d.click(kPage[3].file);
        EXPECT_EQ(d.text(kPage[3].edit), "c:\\ksj\\w09-05.txt");
        d.click(kPage[3].file);
        EXPECT_EQ(d.text(kPage[3].edit), "c:\\ksj\\w09-05.txt") << "a cancelled choice changes nothing";
        d.click(kPage[3].on);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "3|0|0|0|0|0|0|1|0|D:\\KSJ\\L03\\(L03-a-09)|||c:\\ksj\\w09-05.txt|100000000000");
    ASSERT_EQ(script->fileDialogs().size(), 3u);
    EXPECT_EQ(script->fileDialogs()[0].defaultExt, "txt");
}

TEST_F(FineMeshDialog, WithoutStoredSettingsTheFileGivesTheFoldersAndCancelAnswers)
{
    const std::string fixture = vd::utf8ToCp932(";保存\r\nF1_1=D:\\L\\(L03-a-9_)\r\nF1_2=D:\\A\\(A29-11_)\r\n"
                                                "N1_2=3\r\nF1_4=d:\\w.txt\r\n");
    WriteBytes(fixture);
    Call call;
    call.selection = "-1/TAVREL";
    call.texts[2] = "passed";
    call.flags = "010000000000";
    OnDialog([](vd::DialogDriver& d) {
        EXPECT_EQ(CurrentTab(d), 0);
        EXPECT_EQ(d.text(kStatus), "白地図にメッシュマップを表示");
        EXPECT_EQ(d.text(kPage[0].edit), "D:\\L\\(L03-a-9_)");
        EXPECT_TRUE(d.isChecked(kAll)) << "the flags start at すべて";
        EXPECT_FALSE(d.isChecked(kPaddy));
        d.selectTab(kTabs, 1);
        EXPECT_TRUE(d.isChecked(kAreaItemButton)) << "items start at 0: the N lines are not applied";
        EXPECT_FALSE(d.isChecked(kPage[1].on));
        d.click(kAreaItemButton + 1);
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(Run(call), "1|0|0|1|1|0|0|0|0|D:\\L\\(L03-a-9_)|D:\\A\\(A29-11_)|passed|d:\\w.txt|100000000000");
    EXPECT_EQ(ReadBytes(), fixture) << "items and tabs never rewrite the file";

    std::filesystem::remove(FilePath());
    call.selection = "-1";
    OnDialog([](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(kStatus), "地図に重ねてメッシュマップを表示");
        d.click(vd::IDCANCEL);
    });
    EXPECT_EQ(Run(call), "0|0|0|0|0|0|0|0|0|||passed||100000000000");
    EXPECT_FALSE(std::filesystem::exists(FilePath())) << "no default file is written";
}

TEST_F(FineMeshDialog, AnUnwritableFileStillAnswers)
{
    Call call;
    call.folder = vd::applicationFolder() + "no such folder\\";
    call.selection = "1|0|0|0|0|0|0|0|0|";
    OnDialog([](vd::DialogDriver& d) {
        d.setText(kPage[1].edit, "x");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Run(call), "1|0|0|0|0|0|0|0|0||x|||100000000000");
}
