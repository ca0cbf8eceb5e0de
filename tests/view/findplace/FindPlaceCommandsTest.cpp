// The find-place and sheet dialogs as the user reaches them: the 地点案内 commands fill the
// find-place dialog with place names, registered points, search results or municipalities, a
// pick and OK move the map, and map mode 2 or the 他地域 button open the sheet dialog.
#include "MapViewFixture.h"

#include "basemap/sheetindex/SheetSelectTemplate.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Cp932Text.h"
#include "platform/ui/CommandTarget.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogDriver.h"
#include "view/findplace/FindPlaceDialog.h"
#include "view/findplace/FindPlaceLists.h"
#include "view/sheetmap/SheetSelectDialog.h"

namespace {

using namespace viewtest;

// An 81-byte header record of a municipality polygon file.
std::string HeaderRecord(const std::string& code, const std::string& municipality, const std::string& place)
{
    const std::string name = vd::cp932Pad(municipality, 12) + vd::cp932Pad(place, 12) + " 4860000 1260000";
    return vd::utf8ToCp932(code + std::string(24, ' ') + vd::cp932Pad(name, 40) + std::string(12, ' '));
}

class FindPlaceCommands : public MapView {
protected:
    void SetUp() override
    {
        MapView::SetUp();
        PastFirstPaint();
        doc->folders.m_strSheetIndexFile = vd::applicationFolder() + "BlcMap20.idx";
    }
    CDlgFindPlace& Dialog() { return *view->m_pDlgFindPlace; }
    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        auto* list = Dialog().item<vd::ListBox>(findplaceids::IDC_LIST);
        for (int i = 0; list && i < list->GetCount(); ++i)
            entries.push_back(list->GetText(i));
        return entries;
    }
    bool Enabled(int id)
    {
        vd::CmdUI ui(id);
        EXPECT_TRUE(view->routeUpdate(ui));
        return ui.enabled.value_or(true);
    }
    void WriteCityFolder()
    {
        WriteHomeFile("city/CITYPLGN/PG26.DAT", HeaderRecord("26100", "京都市", "北区") +
                                                    HeaderRecord("26101", "京都市", "区役所") + "999" +
                                                    std::string(78, ' ') + HeaderRecord("26999", "後", "後"));
        // No "999": the file ends the list, and a short tail is no record.
        WriteHomeFile("city/CITYPLGN/pg27.Dat", HeaderRecord("27100", "大阪市", "大阪") + "27");
        WriteHomeFile("city/CITYPLGN/readme.txt", "x");
        ASSERT_TRUE(vd::makeFolders(vd::applicationFolder() + "city\\CITYPLGN\\pg99.dat"));
        doc->folders.m_strCityBorderDir = vd::applicationFolder() + "city\\";
    }
};

TEST_F(FindPlaceCommands, FindPlaceListsSiteNamesAndPointsAndMovesTheMapToThePick)
{
    WriteHomeFile("sites.txt", Cp932Lines({"; 地名", "", "枚方 34.4900 135.3900", "金沢 36.3400 136.3900"}));
    WriteHomeFile("points.dat", Cp932Lines({"登録 34.5000 135.3000 memo.txt"}));
    doc->environment.m_strSiteNameFile = vd::applicationFolder() + "sites.txt";
    doc->registered.m_strDataFile = vd::applicationFolder() + "points.dat";
    doc->pointer.m_nFindPlaceOption = 1;
    doc->position.m_strDistrict = "全国";
    ASSERT_TRUE(view->routeCommand(ID_FIND_PLACE));
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 1);
    ASSERT_TRUE(Dialog().IsWindowVisible());
    EXPECT_EQ(Dialog().m_astrRecord, (std::vector<std::string>{"枚方 34.4900 135.3900", "金沢 36.3400 136.3900",
                                                                "登録 34.5000 135.3000 memo.txt", "999"}));
    vd::DialogDriver d(Dialog());
    EXPECT_TRUE(d.isChecked(findplaceids::IDC_REGISTERED));
    d.click(findplaceids::IDC_KINKI_CHUBU);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"枚方", "金沢", "登録"}));
    d.click(findplaceids::IDC_HOKKAIDO);
    EXPECT_TRUE(Entries().empty());
    d.click(findplaceids::IDC_WHOLE_COUNTRY);
    d.setComboEditText(findplaceids::IDC_SEARCH, "登録");
    d.click(findplaceids::IDC_SEARCH_BUTTON);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"登録"}));

    d.selectList(findplaceids::IDC_LIST, 0);
    d.click(vd::IDOK);
    vd::ui::processPendingEvents();
    EXPECT_EQ(doc->m_strMapName, "京都及大阪") << "the sheet of mesh 5235, under its whole name";
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(doc->m_strFindPlace, "登録 34.5000 135.3000 memo.txt");
    EXPECT_FALSE(Dialog().IsWindow()) << "a shown place ends the search";
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);

    // Opened again, the close box ends it too.
    ASSERT_TRUE(view->routeCommand(ID_FIND_PLACE));
    ASSERT_TRUE(Dialog().IsWindowVisible());
    vd::DialogDriver(Dialog()).closeBox();
    vd::ui::processPendingEvents();
    EXPECT_FALSE(Dialog().IsWindow());
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
}

TEST_F(FindPlaceCommands, TheCheckButtonsOpenTheDialogAnewInTheirKind)
{
    WriteHomeFile("sites.txt", Cp932Lines({"枚方 34.4900 135.3900"}));
    WriteHomeFile("points.dat", Cp932Lines({"登録 34.5000 135.3000"}));
    doc->environment.m_strSiteNameFile = vd::applicationFolder() + "sites.txt";
    doc->registered.m_strDataFile = vd::applicationFolder() + "points.dat";
    ASSERT_TRUE(view->routeCommand(ID_FIND_PLACE_POPUP));
    EXPECT_EQ(Dialog().m_astrRecord.size(), 2u) << "without registered points";
    vd::DialogDriver(Dialog()).click(findplaceids::IDC_REGISTERED);
    vd::ui::processPendingEvents();
    EXPECT_EQ(doc->pointer.m_nFindPlaceOption, 1);
    EXPECT_EQ(Dialog().m_astrRecord.size(), 3u);
    vd::DialogDriver(Dialog()).click(findplaceids::IDC_PLACES);
    vd::ui::processPendingEvents();
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 0);
    EXPECT_EQ(Dialog().m_astrRecord, (std::vector<std::string>{"登録 34.5000 135.3000", "999"}));
}

TEST_F(FindPlaceCommands, SearchResultsAreGreyWithoutResultsAndListedToTheirRoom)
{
    for (int id : {ID_FIND_SEARCH_RESULT, ID_FIND_SEARCH_RESULT_POPUP})
        EXPECT_FALSE(Enabled(id));
    for (std::string& record : doc->m_astrPlaceRecord)
        record = "点 34.5030 135.4530 ";
    doc->m_nResultCount = 30001;
    EXPECT_TRUE(Enabled(ID_FIND_SEARCH_RESULT_POPUP));
    doc->position.m_strDistrict = "東北";
    ASSERT_TRUE(view->routeCommand(ID_FIND_SEARCH_RESULT));
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 2);
    EXPECT_EQ(doc->position.m_strDistrict, "全国");
    ASSERT_EQ(Dialog().m_astrRecord.size(), 30000u) << "29,999 entries and the mark";
    EXPECT_EQ(Dialog().m_astrRecord.back(), "999");
    EXPECT_EQ(vd::DialogDriver(Dialog()).text(findplaceids::IDC_COUNT), "地点=29999");

    // Escape ends the result search, and so does キャンセル on the dialog opened again.
    vd::DialogDriver(Dialog()).pressEscape();
    vd::ui::processPendingEvents();
    EXPECT_FALSE(Dialog().IsWindow());
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 1);
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
    ASSERT_TRUE(view->routeCommand(ID_FIND_SEARCH_RESULT));
    vd::DialogDriver(Dialog()).click(vd::IDCANCEL);
    vd::ui::processPendingEvents();
    EXPECT_FALSE(Dialog().IsWindow());
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 1);
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
}

TEST_F(FindPlaceCommands, SearchResultsStopAtTheirMarkAndCount)
{
    const std::vector<std::string> results = {"a 1 2", "b 1 2", "999", "c 1 2"};
    EXPECT_EQ(SearchResultList(results, 9), (std::vector<std::string>{"a 1 2", "b 1 2", "999"}));
    EXPECT_EQ(SearchResultList(results, 1), (std::vector<std::string>{"a 1 2", "999"}));
}

TEST_F(FindPlaceCommands, FindMunicipalityListsThePgFilesOfTheCityFolder)
{
    WriteCityFolder();
    ASSERT_TRUE(view->routeCommand(ID_FIND_MUNICIPALITY));
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 2);
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 3);
    ASSERT_EQ(Dialog().m_astrRecord.size(), 4u) << "both files, the first one listed too";
    EXPECT_EQ(Dialog().m_astrRecord[0].substr(40), "26100");
    EXPECT_EQ(Dialog().m_astrRecord[3], "999");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"京都市北区", "区役所", "大阪"}));

    vd::DialogDriver d(Dialog());
    d.selectList(findplaceids::IDC_LIST, 0);
    d.click(vd::IDOK);
    vd::ui::processPendingEvents();
    EXPECT_EQ(doc->pointer.m_strFindMunicipality, "26100");
    EXPECT_EQ(doc->m_strMapName, "京都及大阪") << "the sheet of mesh 5235, under its whole name";

    // A second search while the dialog is open changes the kind alone.
    doc->pointer.m_nFindPlaceKind = 1;
    Dialog().m_astrRecord = {"999"};
    ASSERT_TRUE(view->routeCommand(ID_FIND_MUNICIPALITY));
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 3);
    EXPECT_EQ(Dialog().m_astrRecord, (std::vector<std::string>{"999"}));
    ASSERT_TRUE(view->routeCommand(ID_FIND_PLACE)) << "no place list over the municipalities";
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 2);

    EXPECT_TRUE(Dialog().IsWindowVisible()) << "the chosen municipality is drawn while its dialog is open";

    d.pressEscape();
    vd::ui::processPendingEvents();
    EXPECT_FALSE(Dialog().IsWindow());
    EXPECT_TRUE(doc->pointer.m_strFindMunicipality.empty());
    EXPECT_EQ(doc->pointer.m_nFindPlaceKind, 1);
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
}

TEST_F(FindPlaceCommands, ListsStayWithinTheirRoomAndMissingFilesAddNothing)
{
    EXPECT_EQ(ReadMunicipalityList(vd::applicationFolder() + "nowhere\\"), (std::vector<std::string>{"999"}));

    std::string records;
    for (int i = 0; i < 30001; ++i)
        records += HeaderRecord("01100", "札幌市", "中央区");
    WriteHomeFile("big/CITYPLGN/pg01.dat", records);
    const std::vector<std::string> municipalities = ReadMunicipalityList(vd::applicationFolder() + "big\\");
    ASSERT_EQ(municipalities.size(), 30000u) << "29,999 records and the mark";
    EXPECT_EQ(municipalities.back(), "999");

    WriteHomeFile("sites.txt", Cp932Lines({"a 1 2", "b 1 2", "c 1 2"}));
    std::vector<std::string> lines;
    AppendPlaceLines(vd::applicationFolder() + "missing.txt", 2, lines);
    AppendPlaceLines("", 2, lines);
    EXPECT_TRUE(lines.empty());
    AppendPlaceLines(vd::applicationFolder() + "sites.txt", 2, lines);
    AppendPlaceLines(vd::applicationFolder() + "sites.txt", 2, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"a 1 2", "b 1 2"})) << "one limit for both files";
}

TEST_F(FindPlaceCommands, TheSheetDialogOpensFromMapModeTwoAndTheOtherRegionButton)
{
    WriteHomeFile("BlcMap20.idx", SmallIndex());
    doc->position.m_strDistrict = "関東信越";
    doc->m_strMapName = "東京        ";
    doc->m_nMapDisplayMode = 2;
    Repaint();
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, 0);
    CDlgSheetSelect& sheets = *view->m_pDlgSheetSelect;
    ASSERT_TRUE(sheets.IsWindowVisible());
    EXPECT_EQ(sheets.m_astrIndexLine.size(), 11u) << "no marked sheet off the submarine layout";
    EXPECT_EQ(vd::DialogDriver(sheets).text(sheetselect::IDC_REGION_NAME), "関東信越");

    doc->depth.m_nSubmarineLayer = 1;
    doc->position.m_nMapFrame = 2;
    doc->position.m_nMapMode = 25;
    doc->environment.m_strSheetSelect = "DIALOG";
    doc->position.m_nPrefectureSel = 0;
    view->routeCommand(322);
    EXPECT_EQ(sheets.m_astrIndexLine.size(), 12u);

    vd::DialogDriver d(sheets);
    d.click(sheetselect::IDC_LAST_REGION);
    d.selectCombo(sheetselect::IDC_SHEET_COMBO, 5); // 甲府
    d.click(vd::IDOK);
    vd::ui::processPendingEvents();
    EXPECT_EQ(doc->m_strMapName, "甲府        ");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);

    // No sheet list over an open place list.
    d.pressEscape();
    vd::ui::processPendingEvents();
    EXPECT_EQ(doc->pointer.m_nActiveViewDialog, -1);
    doc->pointer.m_nActiveViewDialog = 1;
    view->routeCommand(322);
    EXPECT_FALSE(sheets.IsWindow());
}

} // namespace
