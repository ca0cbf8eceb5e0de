// The route and area map choice through OnRouteInformation (dialog 157) and the master list's
// maintenance (dialog 156): the lists from RoutMstr.dat and AreaMstr.dat, the points of the chosen
// map, the answer, deletion and renaming with the bytes they leave, and the refusals.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/points/PointEntryDisplay.h"
#include "dialogs/routemaps/RouteMapSelectDialog.h"
#include "dialogs/routemaps/RouteMapUpdateDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "platform/ui/UiScript.h"

#include <filesystem>

namespace {

using namespace dialogtest;

std::vector<std::string> ComboItems(vd::DialogDriver& d, int id)
{
    std::vector<std::string> items;
    auto* combo = d.dialog().item<vd::ComboBox>(id);
    for (int i = 0; i < combo->GetCount(); ++i)
        items.push_back(combo->GetLBText(i));
    return items;
}

std::vector<std::string> ListItems(vd::DialogDriver& d, int id)
{
    std::vector<std::string> items;
    auto* list = d.dialog().item<vd::ListBox>(id);
    for (int i = 0; i < list->GetCount(); ++i)
        items.push_back(list->GetText(i));
    return items;
}

class RouteMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        choose = EntryPoint<OnRouteInformation_fn>("OnRouteInformation");
        ASSERT_NE(choose, nullptr);
        folder = HomeWin() + "ROUTAREA\\";
        std::filesystem::create_directories(Home() / "ROUTAREA");
    }
    // A master line naming a route file of the route folder.
    std::string Line(const std::string& name, const std::string& file) const { return name + "@" + folder + file; }
    static void WriteMaster(const char* file, const std::vector<std::string>& lines)
    {
        WriteHomeFile(std::string("ROUTAREA/") + file, Cp932Lines(lines));
    }
    static std::string Master(const char* file) { return ReadHomeFile(std::string("ROUTAREA/") + file); }

    std::shared_ptr<vd::ui::Script> script;
    OnRouteInformation_fn* choose = nullptr;
    std::string folder;
};

TEST_F(RouteMaps, ListsTheMapsShowsTheChosenPointsAndAnswersTheChoice)
{
    WriteMaster("RoutMstr.dat", {Line("京都巡り", "G04C0815.7R"), "; 注記@x", "", Line("奈良", "G04C0816.1R"),
                                 Line("大阪", "G04C0817.2R")});
    WriteHomeFile("ROUTAREA/G04C0817.2R",
                  Cp932Lines({"大阪城 34.4115 135.3135 城 c:\\a.txt c:\\b.jpg", "通天閣 34.3909 135.3022 塔 c:\\t.jpg"}));
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "        ルートマップの選択");
        EXPECT_EQ(ComboItems(d, routemapselectids::IDC_MAP_COMBO),
                  (std::vector<std::string>{"京都巡り", "奈良", "大阪"}));
        EXPECT_EQ(d.text(routemapselectids::IDC_MAP_COUNT), "計=3");
        EXPECT_TRUE(d.isChecked(routemapselectids::IDC_AUTO));
        d.selectCombo(routemapselectids::IDC_MAP_COMBO, 2);
        EXPECT_EQ(d.text(routemapselectids::IDC_MAP_COUNT), "3/3");
        EXPECT_EQ(ListItems(d, routemapselectids::IDC_POINT_LIST),
                  (std::vector<std::string>{"大阪城#城", "通天閣#塔"}));
        EXPECT_EQ(d.text(kRouteChoiceControls.position), "2件");
        EXPECT_EQ(d.text(kRouteChoiceControls.name), "大阪城");
        EXPECT_EQ(d.text(kRouteChoiceControls.latitude), "34.4115");
        EXPECT_EQ(d.text(kRouteChoiceControls.textFile), "c:\\a.txt");
        EXPECT_EQ(d.text(kRouteChoiceControls.pictureFile), "c:\\b.jpg");
        d.selectList(routemapselectids::IDC_POINT_LIST, 1);
        EXPECT_EQ(d.text(kRouteChoiceControls.position), "2/2");
        EXPECT_EQ(d.text(kRouteChoiceControls.name), "通天閣");
        EXPECT_EQ(d.text(kRouteChoiceControls.textFile), "");
        EXPECT_EQ(d.text(kRouteChoiceControls.pictureFile), "c:\\t.jpg");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "AUTO", "", folder), "2|大阪|" + folder + "G04C0817.2R|AUTO");

    // Manual play is taken from its button; a chosen map whose file is gone lists nothing.
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(routemapselectids::IDC_MANUAL));
        d.click(routemapselectids::IDC_AUTO);
        d.selectCombo(routemapselectids::IDC_MAP_COMBO, 0);
        EXPECT_EQ(d.dialog().item<vd::ListBox>(routemapselectids::IDC_POINT_LIST)->GetCount(), 0);
        EXPECT_EQ(d.text(kRouteChoiceControls.position), "0件");
        d.click(routemapselectids::IDC_MANUAL);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(0, "MANUAL", "", folder), "0|京都巡り|" + folder + "G04C0815.7R|MANUAL");
}

TEST_F(RouteMaps, AreaMapsHaveTheirOwnListAndTextsAndCancelAnswersNothing)
{
    WriteMaster("AreaMstr.dat", {Line("嵐山周辺", "G04C0815.7A")});
    for (auto cancel : {+[](vd::DialogDriver& d) { d.click(vd::IDCANCEL); },
                        +[](vd::DialogDriver& d) { d.pressEscape(); }, +[](vd::DialogDriver& d) { d.closeBox(); }})
        script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [cancel](vd::DialogDriver& d) {
            EXPECT_EQ(d.caption(), "        エリアマップの選択");
            EXPECT_EQ(d.text(routemapselectids::IDC_MAP_LABEL), "ｴﾘｱﾏｯﾌﾟ");
            EXPECT_EQ(d.text(routemapselectids::IDC_DATA_GROUP), "ｴﾘｱﾏｯﾌﾟのデータ");
            EXPECT_EQ(d.text(routemapselectids::IDC_PLAY_GROUP), "ｴﾘｱﾏｯﾌﾟの表示方法");
            EXPECT_EQ(ComboItems(d, routemapselectids::IDC_MAP_COMBO), (std::vector<std::string>{"嵐山周辺"}));
            d.selectCombo(routemapselectids::IDC_MAP_COMBO, 0);
            cancel(d);
        });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(choose(1, "AUTO", "", folder), "");

    // Without a master list: an empty list and no count; OK before a choice names no map.
    std::filesystem::remove(Home() / "ROUTAREA/AreaMstr.dat");
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(ComboItems(d, routemapselectids::IDC_MAP_COMBO).empty());
        EXPECT_EQ(d.text(routemapselectids::IDC_MAP_COUNT), "");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(choose(1, "AUTO", "", folder), "-1|||AUTO");
}

TEST_F(RouteMaps, TheEditorOpensTheChosenRouteFile)
{
    WriteMaster("RoutMstr.dat", {Line("京都巡り", "G04C0815.7R")});
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        d.click(routemapselectids::IDC_EDIT_DATA); // nothing chosen: no editor
        d.selectCombo(routemapselectids::IDC_MAP_COMBO, 0);
        d.click(routemapselectids::IDC_EDIT_DATA);
        d.click(vd::IDCANCEL);
    });
    choose(0, "AUTO", vd::ui::toWindowsForm("/bin/sh"), folder);
    ASSERT_EQ(script->processes().size(), 1u);
    EXPECT_EQ(script->processes()[0], (std::vector<std::string>{"/bin/sh", (Home() / "ROUTAREA/G04C0815.7R").string()}));
}

TEST_F(RouteMaps, DeletingRemovesTheRouteFileThenTheLineAndAskForANewChoice)
{
    WriteMaster("RoutMstr.dat", {Line("一", "R1"), "; 注記", Line("二", "R2"), Line("三", "R3")});
    for (const char* file : {"R1", "R2", "R3"})
        WriteHomeFile(std::string("ROUTAREA/") + file, Cp932Lines({"点 35.0000 135.0000 項目 c:\\a.txt"}));
    script->answerDialog(kModule, CDlgRouteMapUpdate::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "      ルートマップの更新");
        EXPECT_EQ(ListItems(d, routemapupdateids::IDC_LIST), (std::vector<std::string>{"一", "二", "三"}));
        EXPECT_EQ(d.text(routemapupdateids::IDC_COUNT), "3件");
        d.click(routemapupdateids::IDC_DELETE); // nothing chosen
        EXPECT_EQ(d.dialog().item<vd::ListBox>(routemapupdateids::IDC_LIST)->GetCount(), 3);
        d.selectList(routemapupdateids::IDC_LIST, 1);
        EXPECT_EQ(d.text(routemapupdateids::IDC_NAME), "二");
        d.click(routemapupdateids::IDC_DELETE);
        EXPECT_EQ(ListItems(d, routemapupdateids::IDC_LIST), (std::vector<std::string>{"一", "三"}));
        EXPECT_EQ(d.text(routemapupdateids::IDC_COUNT), "2件");
        d.click(routemapupdateids::IDC_DELETE); // the old choice is gone: nothing more is deleted
        EXPECT_EQ(ListItems(d, routemapupdateids::IDC_LIST), (std::vector<std::string>{"一", "三"}));
        d.click(vd::IDOK);
    });
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        d.click(routemapselectids::IDC_UPDATE);
        EXPECT_EQ(ComboItems(d, routemapselectids::IDC_MAP_COMBO), (std::vector<std::string>{"一", "三"}));
        EXPECT_EQ(d.text(routemapselectids::IDC_MAP_COUNT), "計=2");
        d.click(vd::IDCANCEL);
    });
    choose(0, "AUTO", "", folder);
    EXPECT_EQ(Master("RoutMstr.dat"), Cp932Lines({Line("一", "R1"), Line("三", "R3")}));
    EXPECT_FALSE(std::filesystem::exists(Home() / "ROUTAREA/R2"));
    EXPECT_TRUE(std::filesystem::exists(Home() / "ROUTAREA/R3"));
}

TEST_F(RouteMaps, ALineWhoseRouteFileIsGoneCanStillBeDeleted)
{
    WriteMaster("AreaMstr.dat", {Line("消えた", "GONE"), Line("残る", "A2")});
    script->answerDialog(kModule, CDlgRouteMapUpdate::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), "      エリアマップの更新");
        d.selectList(routemapupdateids::IDC_LIST, 0);
        d.click(routemapupdateids::IDC_DELETE);
        EXPECT_EQ(ListItems(d, routemapupdateids::IDC_LIST), (std::vector<std::string>{"残る"}));
        d.click(vd::IDOK);
    });
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        d.click(routemapselectids::IDC_UPDATE);
        d.click(vd::IDCANCEL);
    });
    choose(1, "AUTO", "", folder);
    EXPECT_EQ(Master("AreaMstr.dat"), Cp932Lines({Line("残る", "A2")}));
}

TEST_F(RouteMaps, RenamingKeepsPathAndPlaceAndRefusesEmptyOrCuttingNames)
{
    WriteMaster("RoutMstr.dat", {"; 先頭の注記", Line("一", "R1"), Line("二", "R2"), Line("三", "R3")});
    script->answerDialog(kModule, CDlgRouteMapUpdate::IDD, [](vd::DialogDriver& d) {
        d.selectList(routemapupdateids::IDC_LIST, 1);
        for (const char* refused : {"", ";注記", "a@b"}) {
            d.setText(routemapupdateids::IDC_NAME, refused);
            d.click(routemapupdateids::IDC_RENAME);
            EXPECT_EQ(ListItems(d, routemapupdateids::IDC_LIST), (std::vector<std::string>{"一", "二", "三"}))
                << refused;
        }
        d.setText(routemapupdateids::IDC_NAME, "二番目");
        d.click(routemapupdateids::IDC_RENAME);
        EXPECT_EQ(ListItems(d, routemapupdateids::IDC_LIST), (std::vector<std::string>{"一", "二番目", "三"}));
        d.setText(routemapupdateids::IDC_NAME, "また");
        d.click(routemapupdateids::IDC_RENAME); // a new choice is needed
        d.click(vd::IDCANCEL);
    });
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        d.click(routemapselectids::IDC_UPDATE);
        d.click(vd::IDOK);
    });
    choose(0, "AUTO", "", folder);
    EXPECT_EQ(Master("RoutMstr.dat"), Cp932Lines({Line("一", "R1"), Line("二番目", "R2"), Line("三", "R3")}));
}

TEST_F(RouteMaps, ListsOverFiveHundredTwelveKeepTheirTailThroughARewrite)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 520; ++i)
        lines.push_back(Line("地図" + std::to_string(i), "R" + std::to_string(i)));
    WriteMaster("RoutMstr.dat", lines);
    script->answerDialog(kModule, CDlgRouteMapUpdate::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(routemapupdateids::IDC_COUNT), "512件");
        d.selectList(routemapupdateids::IDC_LIST, 0);
        d.click(routemapupdateids::IDC_DELETE);
        EXPECT_EQ(d.text(routemapupdateids::IDC_COUNT), "512件");
        d.click(vd::IDOK);
    });
    script->answerDialog(kModule, CDlgRouteMapSelect::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(routemapselectids::IDC_MAP_COUNT), "計=512");
        d.click(routemapselectids::IDC_UPDATE);
        d.click(vd::IDCANCEL);
    });
    choose(0, "AUTO", "", folder);
    lines.erase(lines.begin());
    EXPECT_EQ(Master("RoutMstr.dat"), Cp932Lines(lines));
}

} // namespace
