// The menus filled from list files at the repaint's request, the switch between the two menu
// bars, the sheet and guide-map commands, and the data-source caption of the main map.
#include "MapViewFixture.h"

#include "app/shell/ShellResources.h"
#include "platform/dc/RecordingDc.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Menu.h"
#include "view/menubars/MenuBars.h"
#include "view/menubars/MenuListFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace viewtest;

class ListMenus : public MapView {
protected:
    void SetUp() override
    {
        shell::RegisterShellResources();
        MapView::SetUp();
        PastFirstPaint();
        vd::Menu bar;
        ASSERT_TRUE(bar.LoadMenu(128));
        frame->SetMenu(bar);
    }
    static void WriteList(const std::string& relative, const std::vector<std::string>& lines)
    {
        std::string text;
        for (const auto& line : lines)
            text += vd::utf8ToCp932(line) + "\r\n";
        WriteHomeFile(relative, text);
    }
    vd::Menu& SubMenu(int position) { return *frame->GetMenu()->GetSubMenu(position); }
    // Each item as "id text"; a separator reads back as "0 -", its id shows in the next item's.
    std::vector<std::string> Items(int position)
    {
        vd::Menu& menu = SubMenu(position);
        std::vector<std::string> items;
        for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
            const int id = menu.GetMenuItemID(i);
            const std::string text = menu.GetMenuString(i, vd::MF_BYPOSITION);
            items.push_back(std::to_string(id) + " " + (text.empty() ? "-" : text));
        }
        return items;
    }
};

TEST_F(ListMenus, TheSheetMenuTakes35LinesAndItsSeparatorKeepsAnId)
{
    std::vector<std::string> lines = {"; 選んだ図幅", "", "東京", "---", "京都及大阪"};
    for (int n = 0; lines.size() < 42; ++n)
        lines.push_back("図幅" + std::to_string(n));
    WriteList("MAPFILE.DAT", lines);
    doc->menus.m_nMenuBarState = -1;
    Repaint();

    EXPECT_EQ(doc->menus.m_nMenuBarState, 1);
    const auto items = Items(1);
    ASSERT_EQ(items.size(), 35u);
    EXPECT_EQ(items[0], "1990 東京");
    EXPECT_EQ(items[1], "0 -");
    EXPECT_EQ(items[2], "1992 京都及大阪");
    EXPECT_EQ(items[34], "2024 図幅31");
    EXPECT_EQ(doc->menus.m_astrSheetMenu[1], "---");
    EXPECT_EQ(doc->menus.m_astrSheetMenu[34], "図幅31");
}

TEST_F(ListMenus, GuideMapCaptionsEndAtTheFirstBlankAndAMissingFileEmptiesTheMenu)
{
    std::filesystem::remove(doctest::Home() / "MAPFILE.DAT");
    WriteList("GUIDEMAP/GUIDEMAP.DAT", {"; 絵地図", "城下町 @:GUIDE\\JOKA.BMP", "---", "一語だけ", " 先頭が空白"});
    doc->menus.m_nMenuBarState = -1;
    Repaint();
    EXPECT_EQ(Items(2), (std::vector<std::string>{"2350 城下町", "0 -", "2352 一語だけ", "2353  先頭が空白"}));
    EXPECT_EQ(doc->menus.m_astrGuideMap[0], "城下町 @:GUIDE\\JOKA.BMP");
    EXPECT_EQ(doc->menus.m_nMenuBarState, 1) << "the sheet menu's state stays";
    EXPECT_TRUE(Items(1).empty()) << "no MAPFILE.DAT: the placeholder is gone, nothing appended";
}

TEST_F(ListMenus, ItemMenusKeepEmptySlotsAndIgnoreWhatHasNoMenu)
{
    std::vector<std::string> lines = {"01 前置き@a.txt", "[M1]", "01 河川@kawa.txt", "02 ", "03 橋@hashi.txt",
                                      "04 区切り", "05 --------@x", "[M2]", "01 港@minato.bmp"};
    for (int m = 3; m <= 9; ++m)
        lines.push_back("[M" + std::to_string(m) + "]");
    lines.push_back("01 九番目@nine.txt");
    for (int k = 0; k < 40; ++k)
        lines.insert(lines.begin() + 9 + k, "xx 項目" + std::to_string(k) + "@f.txt");
    WriteList("SOURCE/MENUFILE.DAT", lines);
    vd::Menu bar;
    ASSERT_TRUE(bar.LoadMenu(133));
    frame->SetMenu(bar);
    doc->menus.m_nMenuBarState = -2;
    Repaint();

    EXPECT_EQ(doc->menus.m_nMenuBarState, 0);
    EXPECT_EQ(Items(1), (std::vector<std::string>{"2030 河川", "2032 橋", "0 -", "0 -"}));
    EXPECT_EQ(SubMenu(1).GetMenuString(2032, vd::MF_BYCOMMAND), "橋") << "the empty slot keeps id 2031";
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[0], "河川@kawa.txt");
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[8], "");
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[16], "橋@hashi.txt");
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[24], "");
    const auto second = Items(2);
    ASSERT_EQ(second.size(), 35u) << "entries after the 35th of a section are ignored";
    EXPECT_EQ(second[0], "2070 港");
    EXPECT_EQ(second[34], "2104 項目33");
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[1], "港@minato.bmp");
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[34 * 8 + 1], "項目33@f.txt");
    for (int position = 3; position <= 8; ++position)
        EXPECT_TRUE(Items(position).empty()) << position;
}

TEST(MenuListFiles, LinesOfAnyLengthAndMissingFilesAreHarmless)
{
    WriteHomeFile("LONG.DAT", vd::utf8ToCp932("[M1]\r\n01 " + std::string(5000, 'a') + "@t.txt\r\n"));
    const auto menus = readItemMenuLists((doctest::Home() / "LONG.DAT").string());
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0][0].text.size(), 5000u);
    EXPECT_TRUE(readSheetMenuList((doctest::Home() / "NONE.DAT").string()).empty());
    EXPECT_TRUE(readItemMenuLists((doctest::Home() / "NONE.DAT").string()).empty());
}

TEST_F(ListMenus, CtrlBSwapsTheBarsBothWays)
{
    ShowButtons({12, 13, 28, 29});
    doc->m_nMapDisplayMode = 10;
    ASSERT_TRUE(view->routeCommand(32794));
    EXPECT_EQ(doc->menus.m_nMenuBarKind, 1);
    EXPECT_EQ(doc->menus.m_nMenuBarState, -2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"13 k13"})) << "他地域, settings and slide show go";
    EXPECT_EQ(SubMenu(1).GetMenuString(2030, vd::MF_BYCOMMAND), "---") << "bar 133, menus not built yet";

    ASSERT_TRUE(view->routeCommand(32794));
    EXPECT_EQ(doc->menus.m_nMenuBarKind, 0);
    EXPECT_EQ(doc->menus.m_nMenuBarState, -1);
    EXPECT_EQ(SubMenu(1).GetMenuItemID(0), 1990) << "bar 128 is back";
}

TEST_F(ListMenus, TheSheetCommandShowsItsSheetAndLeavesAGuideMap)
{
    // The guide map's buttons (他地域, 仕様, 1/20万) and a sheet button.
    ShowButtons({12, 26, 27, 13});
    doc->menus.m_astrSheetMenu[2] = "東京";
    ASSERT_TRUE(view->routeCommand(1992));
    EXPECT_EQ(doc->m_strMapName, "東京");
    EXPECT_EQ(doc->m_nMapDisplayMode, 5);
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"12 k12", "13 k13", "26 k26", "27 k27"}));

    doc->position.m_nMapType = 4;
    doc->menus.m_nGuideMapIndex = 3;
    ASSERT_TRUE(view->routeCommand(1992));
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"13 k13"})) << "a guide map's buttons go";
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, -1);
    EXPECT_EQ(doc->position.m_nMapType, 1);
}

TEST_F(ListMenus, TheGuideMapCommandOpensItsPicture)
{
    ShowButtons({13, 40});
    WriteHomeFile("GUIDE/PICT.BMP", std::string());
    doc->menus.m_astrGuideMap[1] = "案内 " + doc->folders.m_strAppDir + "GUIDE\\PICT.BMP";
    ASSERT_TRUE(view->routeCommand(2351));
    EXPECT_EQ(doc->position.m_nMapType, 4);
    EXPECT_EQ(view->m_nGuideMapShown, 1);
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"40 k40"})) << "the map's buttons go";
    EXPECT_EQ(doc->menus.m_nGuideMapIndex, 1);
    EXPECT_EQ(doc->m_nMapDisplayMode, 24);
    EXPECT_EQ(doc->menus.m_astrGuideMapCurrent[1], "案内");
}

TEST_F(ListMenus, TheCaptionNamesTheDataFileAndTheTallies)
{
    const struct {
        int width;
        std::string sw, title;
        std::array<int, 4> tally;
        vd::Point at;
        std::string text;
    } cases[] = {
        {801, "on", "HD(関東)", {1, 2, 3, 4}, {470, 581},
         "<ﾃﾞｰﾀﾌｧｲﾙ:HD(共通領域)+HD(関東)> ﾃｷｽﾄ=1  画像=2  ｱﾙﾊﾞﾑ=3  ｳｪﾌﾞﾍﾟｰｼﾞ=4"},
        {800, "on", "HD(共通領域)", {0, 0, 1, 0}, {2, 582}, "<ﾃﾞｰﾀﾌｧｲﾙ:HD(共通領域)> ﾃｷｽﾄ=0  画像=0  ｱﾙﾊﾞﾑ=1  ｳｪﾌﾞﾍﾟｰｼﾞ=0"},
        {800, "off", "CD(関東)", {0, 0, 0, 0}, {2, 582}, "<ﾃﾞｰﾀﾌｧｲﾙ:CD(関東)> "},
    };
    for (const auto& c : cases) {
        view->MoveWindow(0, 0, c.width, 600, false);
        doc->registered.m_strCommonDataSwitch = c.sw;
        doc->registered.m_strDataFileTitle = c.title;
        doc->m_anKindTally = c.tally;
        vd::RecordingDc dc;
        DrawDataSourceCaption(*view, dc);
        const auto texts = dc.Texts();
        ASSERT_EQ(texts.size(), 1u) << c.width;
        EXPECT_EQ(texts[0].text, c.text);
        EXPECT_EQ(texts[0].at, c.at) << c.width;
        EXPECT_EQ(texts[0].bkMode, vd::TRANSPARENT);
        EXPECT_EQ(dc.GetBkMode(), vd::OPAQUE);
    }
}

// A layer's red progress box lies where the wide status line goes: the line is written on its own
// ground there; the narrow line (from the left edge) leaves what stands left of where the wide one
// begins.
TEST_F(ListMenus, TheCaptionIsNotWrittenThroughALayersProgressBox)
{
    const vd::COLORREF red = vd::RGB(255, 0, 0);
    for (const int width : {1000, 800}) {
        view->MoveWindow(0, 0, width, 600, false);
        vd::RecordingDc dc({width, 600, true});
        dc.FillSolidRect(0, 0, width, 600, vd::RGB(255, 255, 255));
        dc.FillSolidRect(667, 574, 214, 22, red); // the box of a 600-pixel view
        dc.FillSolidRect(12, 578, 40, 12, red);   // a note left of the line
        DrawDataSourceCaption(*view, dc);
        int boxRed = 0;
        for (int y = 574; y < 596; ++y)
            for (int x = 667; x < 881; ++x)
                boxRed += dc.GetPixel(x, y) == red;
        if (width > 800)
            EXPECT_EQ(boxRed, 0);
        else
            EXPECT_GT(boxRed, 0);
        EXPECT_EQ(dc.GetPixel(20, 584), red) << width;
        EXPECT_EQ(dc.Texts().size(), 1u);
    }
}

} // namespace

namespace {

// The sheet registration command with the built Surrick.
class SheetRegistration : public ListMenus {
protected:
    void BeforeDocument() override
    {
        ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_BIN_DIR "/libsurrick.so"));
    }
};

TEST_F(SheetRegistration, ASheetAddedThroughTheChooserJoinsTheSheetMenu)
{
    WriteList("MAPFILE.DAT", {"東京"});
    doc->menus.m_nMenuBarState = -1;
    Repaint();
    ASSERT_EQ(Items(1), (std::vector<std::string>{"1990 東京"}));

    script->answerDialog("Surrick", 140, [](vd::DialogDriver& d) {
        d.click(1040);
        d.click(vd::IDOK);
    });
    script->answerDialog("Surrick", 138, [](vd::DialogDriver& d) {
        d.click(109); // 近畿中部
        d.doubleClickCombo(101, 0);
    });
    ASSERT_TRUE(frame->ExecuteCommand(32808)); // ﾌｧｲﾙ > 地図の登録 > 図幅の登録...
    EXPECT_EQ(doc->menus.m_nMenuBarState, -3);
    Repaint();
    EXPECT_EQ(Items(1), (std::vector<std::string>{"1990 東京", "1991 京都及大阪"}));
}

} // namespace
