// The place-name and public-facility search conditions through OnGnpfRetrieveSet: the pages
// each class choice fills, the answer of each search kind, the result file choice with its
// appended extension, and the output-file dialog's panel following the selection.
#include "DialogTestSupport.h"

#include "contracts/tovendlg.h"
#include "dialogs/PlaceSearchDialog.h"
#include "dialogs/SearchOutputFileDialog.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/UiScript.h"

#include <chrono>
#include <ctime>

namespace {

using namespace dialogtest;

using namespace placesearchids;

class PlaceSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        script = vd::ui::Script::install();
        search = EntryPoint<OnGnpfRetrieveSet_fn>("OnGnpfRetrieveSet");
        ASSERT_NE(search, nullptr);
    }
    // A first search: tab 0, display mode 1, size 0, new file, format 2.
    std::string Fresh() { return search(10, 1, 2, -9999, -1, -1, -1, -1, -1, "", "", ""); }
    std::shared_ptr<vd::ui::Script> script;
    OnGnpfRetrieveSet_fn* search = nullptr;
};

TEST_F(PlaceSearch, PlaceNameClassesKeepTheirCodesAndTheAnswerCarriesThem)
{
    std::vector<std::string> seen;
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " 数値地図25000(地名・公共施設)");
        EXPECT_EQ(d.text(vd::IDOK), "検索");
        EXPECT_TRUE(d.isChecked(IDC_DISPLAY_ONLY));
        vd::DialogDriver page = d.page(CDlgSearchPlaceName::IDD);
        page.selectComboText(searchplacenameids::IDC_MAJOR, "自然地名");
        page.selectComboText(searchplacenameids::IDC_MIDDLE, "湖沼･河川･湖･岸地形");
        page.selectComboText(searchplacenameids::IDC_MINOR, "滝");
        seen = {page.text(searchplacenameids::IDC_MAJOR_CODE), page.text(searchplacenameids::IDC_MIDDLE_CODE),
                page.text(searchplacenameids::IDC_MINOR_CODE)};
        page.selectCombo(searchplacenameids::IDC_PREFECTURE, 25);
        page.setComboEditText(searchplacenameids::IDC_GOVERNMENT, "26100");
        page.setText(searchplacenameids::IDC_TEXT, "音羽|の");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Fresh(), "0|1|2|3|2|7|25|1|0|0||自然地名|湖沼･河川･湖･岸地形|滝|26100|26|京都府|音羽｜の");
    EXPECT_EQ(seen, (std::vector<std::string>{" 3", " 2", " 7"})) << "row 4 is a gap under this middle class";
}

TEST_F(PlaceSearch, PublicFacilitiesAreMajorSevenWithTheSingleMiddleClassThree)
{
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        vd::DialogDriver page = d.page(CDlgSearchPlaceName::IDD);
        page.selectComboText(searchplacenameids::IDC_MAJOR, "公共施設");
        page.selectComboText(searchplacenameids::IDC_MIDDLE, "建物");
        page.selectComboText(searchplacenameids::IDC_MINOR, "動植物園");
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Fresh(), "0|1|2|7|3|14|-1|1|0|0||公共施設|建物|動植物園||||");
}

TEST_F(PlaceSearch, FacilityTabAnswersKindOneWithSevenInFieldThree)
{
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        d.selectTab(IDC_TAB, 1);
        EXPECT_EQ(d.text(vd::IDOK), "検索");
        EXPECT_TRUE(d.page(CDlgSearchFacility::IDD).isVisible(searchfacilityids::IDC_MAJOR));
        EXPECT_FALSE(d.page(CDlgSearchPlaceName::IDD).isVisible(searchplacenameids::IDC_MAJOR));
        vd::DialogDriver page = d.page(CDlgSearchFacility::IDD);
        page.selectComboText(searchfacilityids::IDC_MAJOR, "消防署");
        page.selectComboText(searchfacilityids::IDC_MINOR, "消防署");
        EXPECT_EQ(page.text(searchfacilityids::IDC_MAJOR_CODE), "15");
        EXPECT_EQ(page.text(searchfacilityids::IDC_MINOR_CODE), " 2");
        page.selectCombo(searchfacilityids::IDC_PREFECTURE, 0);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Fresh(), "1|1|2|7|15|2|0|1|0|1||消防署|消防署|||1|北海道|");
}

TEST_F(PlaceSearch, PreviousConditionsReturnToTheirPageAndClearKeepsTheText)
{
    std::vector<std::string> shown;
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        vd::DialogDriver page = d.page(CDlgSearchPlaceName::IDD);
        shown = {page.text(searchplacenameids::IDC_MAJOR),      page.text(searchplacenameids::IDC_MIDDLE),
                 page.text(searchplacenameids::IDC_MINOR),      page.text(searchplacenameids::IDC_PREFECTURE),
                 page.text(searchplacenameids::IDC_GOVERNMENT), page.text(searchplacenameids::IDC_TEXT)};
        page.click(searchplacenameids::IDC_CLEAR);
        d.click(vd::IDOK);
    });
    const std::string answer = search(210, 0, 1, 120, 0, 3, 2, 7, 12, "13101", "山", "c:\\out.ymd|自然地名|湖沼･河川･湖･岸地形|滝");
    EXPECT_EQ(shown, (std::vector<std::string>{"自然地名", "湖沼･河川･湖･岸地形", "滝", "東京都", "13101", "山"}));
    EXPECT_EQ(answer, "0|0|1|-1|-1|-1|-1|1|2|0|c:\\out.ymd|||||||山");
}

TEST_F(PlaceSearch, DisplayTabOpensWithOkAndEchoesTheCallerWithoutASearchKind)
{
    std::vector<bool> checks;
    std::string okText;
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        okText = d.text(vd::IDOK);
        vd::DialogDriver page = d.page(CDlgSearchDisplay::IDD);
        checks = {page.isChecked(searchdisplayids::IDC_SHEET_AND_WIDE), page.isChecked(searchdisplayids::IDC_MEDIUM)};
        EXPECT_TRUE(page.isVisible(searchdisplayids::IDC_HIDDEN));
        page.click(searchdisplayids::IDC_ENLARGED_ONLY);
        page.click(searchdisplayids::IDC_LARGE);
        d.click(vd::IDOK);
    });
    const std::string answer = search(122, 0, 0, 5, -1, 4, 2, 9, 3, "0120", "駅", "|交通施設|鉄道･鉄道施設|普通鉄道駅");
    EXPECT_EQ(okText, "OK");
    EXPECT_EQ(checks, (std::vector<bool>{true, true})) << "mode 2 is button 1029, size 1 is 中";
    EXPECT_EQ(answer, "-1|0|0|4|2|9|3|3|2|2||交通施設|鉄道･鉄道施設|普通鉄道駅|0120|||駅");
}

TEST_F(PlaceSearch, CancelAnswersEmpty)
{
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [](vd::DialogDriver& d) { d.click(vd::IDCANCEL); });
    EXPECT_EQ(Fresh(), "");
}

TEST_F(PlaceSearch, ChosenFileGetsTheFormatsExtensionUnlessItNamesOne)
{
    // Format 2 without an extension: ".csv" is appended to the lower-cased name.
    script->answerFileDialog("Z:\\Work\\Hits");
    // A name holding ".dat" keeps it whatever the format.
    script->answerFileDialog("Z:\\work\\old.dat.txt");
    script->cancelFileDialog();
    std::vector<std::string> after;
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        d.click(IDC_DISPLAY_AND_SAVE);
        d.click(vd::IDOK);
    });
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        d.click(IDC_DISPLAY_AND_SAVE);
        d.click(vd::IDOK);
    });
    // Cancelled choice keeps the path; "表示のみ" then empties it.
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        d.click(IDC_DISPLAY_AND_SAVE);
        d.click(IDC_DISPLAY_ONLY);
        d.click(vd::IDOK);
    });
    EXPECT_EQ(Fresh(), "0|1|2|-1|-1|-1|-1|1|0|0|z:\\work\\hits.csv|||||||") << "OK on tab 0 searches place names";
    EXPECT_EQ(Fresh(), "0|1|2|-1|-1|-1|-1|1|0|0|z:\\work\\old.dat.txt|||||||");
    EXPECT_EQ(search(10, 1, 2, -9999, -1, -1, -1, -1, -1, "", "", "z:\\a.csv|||"), "0|1|2|-1|-1|-1|-1|1|0|0||||||||");
    ASSERT_EQ(script->fileDialogs().size(), 3u);
    EXPECT_EQ(script->fileDialogs()[0].filter,
              "すべて *.*|*.*;*.*|CSVﾌｧｲﾙ *.csv|*.csv;*.csv|YMDﾌｧｲﾙ *.ymd|*.ymd;*.ymd|DATﾌｧｲﾙ *.dat|*.dat;*.dat||");
}

std::string Expected24(const std::filesystem::path& file)
{
    const auto time = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(std::filesystem::last_write_time(file)));
    return std::ctime(&time);
}

TEST_F(PlaceSearch, OutputFilePanelFollowsTheSelection)
{
    const std::filesystem::path existing = Home() / "hits2500.csv";
    WriteHomeFile("hits2500.csv", std::string(2500, 'x'));
    WriteHomeFile("old.ymd.bak", "x");
    const std::string existingWin = HomeWin() + "hits2500.csv";
    std::vector<std::string> infos;
    std::vector<std::vector<bool>> checks;
    std::vector<std::string> okTexts;
    script->answerFileDialog(existingWin, [&](vd::FileDialog& f) {
        vd::DialogDriver panel(f);
        EXPECT_EQ(panel.text(searchoutputfileids::IDC_FORMAT_CSV), "公共施設ﾃｰﾌﾞﾙ形式(csv)");
        EXPECT_EQ(panel.text(searchoutputfileids::IDC_ELEVATION), "120");
        okTexts.push_back(f.controlText(vd::IDOK));
        f.selectionChanged(existingWin);
        infos.push_back(panel.text(searchoutputfileids::IDC_FILE_INFO));
        checks.push_back(
            {panel.isChecked(searchoutputfileids::IDC_APPEND), panel.isChecked(searchoutputfileids::IDC_FORMAT_CSV)});
        okTexts.push_back(f.controlText(vd::IDOK));
        f.selectionChanged(HomeWin() + "none.csv");
        infos.push_back(panel.text(searchoutputfileids::IDC_FILE_INFO));
        checks.push_back(
            {panel.isChecked(searchoutputfileids::IDC_NEW), panel.isChecked(searchoutputfileids::IDC_FORMAT_CSV)});
        f.selectionChanged(HomeWin() + "old.ymd.bak");
        checks.push_back(
            {panel.isChecked(searchoutputfileids::IDC_APPEND), panel.isChecked(searchoutputfileids::IDC_FORMAT_YMD)});
        panel.click(searchoutputfileids::IDC_APPEND);
        okTexts.push_back(f.controlText(vd::IDOK));
        panel.click(searchoutputfileids::IDC_NEW);
        okTexts.push_back(f.controlText(vd::IDOK));
        f.selectionChanged(existingWin);
    });
    script->answerDialog(kModule, CDlgPlaceSearch::IDD, [&](vd::DialogDriver& d) {
        d.selectTab(IDC_TAB, 1);
        d.click(IDC_DISPLAY_AND_SAVE);
        d.click(vd::IDOK);
    });
    const std::string answer = search(10, 1, 0, 120, -1, -1, -1, -1, -1, "", "", "");
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(infos[0], "ファイルのサイズ=2.50Kb" + Expected24(existing));
    EXPECT_EQ(infos[1], "上記のファイルを作成して検索結果を保存します！");
    EXPECT_EQ(checks, (std::vector<std::vector<bool>>{{true, true}, {true, true}, {true, true}}));
    EXPECT_EQ(okTexts, (std::vector<std::string>{"OK", "OK", "選択", "OK"}))
        << "only opening and the mode buttons set the OK caption";
    std::string path = vd::toLowerAscii(existingWin);
    EXPECT_EQ(answer, "1|0|2|7|-1|-1|-1|1|0|1|" + path + "|||||||");
}

} // namespace
