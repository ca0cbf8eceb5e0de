// The text and picture menus of the text/picture menu bar as a user runs them: the bundled sample
// entries, each picture kind (Surrick's picture window a logging stand-in), the picture window's
// size words, the menu slide show, and menu edits through the registration commands.
#include "MapViewFixture.h"

#include "app/shell/ShellResources.h"
#include "dialogs/MenuBarSlideShowDialog.h"
#include "dialogs/TextDisplayDialog.h"
#include "dialogs/menus/MenuEntryDialog.h"
#include "dialogs/menus/MenuRegisterDialog.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/text/Cp932.h"
#include "platform/text/StringOps.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Menu.h"
#include "view/menus/ItemMenuEntries.h"
#include "view/menus/MenuSlideShow.h"
#include "view/pages/ViewPages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

using namespace viewtest;

class ItemMenus : public MapView {
protected:
    void BeforeDocument() override { ASSERT_TRUE(vd::LibraryLoader::setOverride("SURRICK.DLL", VD_FAKE_SURRICK)); }
    void SetUp() override
    {
        shell::RegisterShellResources();
        MapView::SetUp();
        PastFirstPaint();
        for (const char* file : {"SOURCE/MENUFILE.DAT", "TEXT/TERA.TXT", "PICT/HILLS.BMP", "PICT/HILLS.TXT", "PICT/HILLS.JPG"})
            WriteHomeFile(file, SampleFile(file));
        vd::Menu bar;
        ASSERT_TRUE(bar.LoadMenu(133));
        frame->SetMenu(bar);
    }
    // The bundled MENUFILE.DAT with these entries in slot 00..: of picture menu 1.
    void PictureEntries(const std::vector<std::string>& entries)
    {
        std::string text;
        for (int m = 1; m <= 8; ++m) {
            text += "[M" + std::to_string(m) + "]\r\n";
            for (int slot = 0; slot < 35; ++slot) {
                const std::string entry = m == 6 && slot < int(entries.size()) ? entries[std::size_t(slot)] : "";
                text += vd::utf8ToCp932((slot < 10 ? "0" : "") + std::to_string(slot) + "=" + entry) + "\r\n";
            }
        }
        WriteHomeFile("SOURCE/MENUFILE.DAT", text);
        BuildItemMenus();
    }
    void BuildItemMenus()
    {
        doc->menus.m_nMenuBarState = -2;
        Repaint();
    }
    // A file of the bundled sample data, which a new application folder starts with.
    static std::string SampleFile(const std::string& relative)
    {
        std::ifstream in(std::string(VD_SAMPLE_DATA_DIR) + "/" + relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string SurrickLog()
    {
        using LogFn = const std::string*();
        auto* log = vd::entryPoint<LogFn>("SURRICK.DLL", "FakeSurrickLog");
        return log ? *log() : "<no log>";
    }
};

TEST_F(ItemMenus, TheSampleTextEntryShowsItsTemplePageAndThePictureEntryItsPicture)
{
    BuildItemMenus();
    vd::Menu& textMenu = *frame->GetMenu()->GetSubMenu(1);
    EXPECT_EQ(textMenu.GetMenuString(2030, vd::MF_BYCOMMAND), "寺めぐり");
    ASSERT_TRUE(frame->routeCommand(2030));
    EXPECT_EQ(doc->m_nMapDisplayMode, 19);
    Repaint();
    EXPECT_EQ(doc->m_nMapDisplayMode, 20);
    EXPECT_EQ(view->m_pPages->m_strCategoryText, "仏閣");
    EXPECT_EQ(picture->GetPixel(600, 600), vd::RGB(255, 255, 0)) << "the 仏閣 panel";

    EXPECT_EQ(frame->GetMenu()->GetSubMenu(6)->GetMenuString(2230, vd::MF_BYCOMMAND), "丘の絵");
    ASSERT_TRUE(frame->routeCommand(2230));
    EXPECT_EQ(doc->m_nMapDisplayMode, 15) << "a bitmap opens as a registered item: its picture page";
    EXPECT_EQ(doc->entry.m_strEntryTarget, "@:pict\\hills.bmp");
    Repaint();
    EXPECT_EQ(view->m_pPages->m_nPicWidth, 200);
    EXPECT_EQ(view->m_pPages->m_nPicHeight, 130);
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(ItemMenus, TextsInTheTextDialogLeaveTheMapOnScreen)
{
    BuildItemMenus();
    doc->environment.m_strTextAppear = "Dialog";
    script->answerDialog("TOVENDLG", CDlgTextDisplay::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    ASSERT_TRUE(frame->routeCommand(2030));
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
}

TEST_F(ItemMenus, PictureEntriesRunByTheirKind)
{
    doc->environment.m_nJpegProcess = 0;
    PictureEntries({"丘@@:PICT\\HILLS.BMP$@:PICT\\HILLS.TXT", "アルバム@@:ALBUM\\A.ALB", "写真@@:PICT\\HILLS.JPG",
                    "", "------"});
    doc->environment.m_strViewer = "Z:\\bin\\viewer";
    struct Case {
        int id;
        int picturePosition;
        int mode;           // the map mode after the entry ran (5: left as it was)
        std::string target; // m_strEntryTarget after it
        std::string log;    // what Surrick's picture window was asked
        std::size_t viewers; // programs run and waited for
    };
    const std::string hills = vd::toLowerAscii(doc->folders.m_strAppDir + "PICT\\HILLS.BMP");
    const Case cases[] = {
        {2230, 1, 15, "@:pict\\hills.bmp", "", 0},
        {2230, 2, 10, "@:PICT\\HILLS.BMP", "OnDlgBmpShow(" + hills + ",丘,VELDORAN_UP,6);", 0},
        {2231, 1, 10, "@:ALBUM\\A.ALB", "", 0},
        {2232, 1, 10, "ApplecationExec", "", 1}, // the next repaint puts the saved view back
        {2233, 1, 5, "ApplecationExec", "", 1},  // an empty slot runs nothing
        {2234, 1, 5, "ApplecationExec", "", 1},  // nor does a separator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        doc->m_nMapDisplayMode = 5;
        doc->environment.m_nPicturePosition = c.picturePosition;
        const std::string before = SurrickLog();
        ASSERT_TRUE(frame->routeCommand(c.id));
        EXPECT_EQ(doc->m_nMapDisplayMode, c.mode);
        EXPECT_EQ(doc->entry.m_strEntryTarget, c.target);
        EXPECT_EQ(SurrickLog().substr(before.size()), c.log);
        EXPECT_EQ(script->processes().size(), c.viewers);
    }
    EXPECT_EQ(script->processes().at(0),
              (std::vector<std::string>{"/bin/viewer", (doctest::Home() / "PICT" / "HILLS.JPG").string()}));
}

TEST_F(ItemMenus, ThePictureWindowIsSizedForTheView)
{
    WriteHomeFile("PICT/A.BMP", "BM");
    struct Case {
        int width;
        std::string entryParam;
        std::string caption;
        std::string parameter;
        std::string mode;
    };
    const Case cases[] = {
        {801, "", "on", "", "VELDORAN"},
        {800, "", "on", "", "SMALL"},
        {801, "@:PICT\\HILLS.TXT", "on", "", "VELDORAN_UP"},
        {800, "@:PICT\\HILLS.TXT", "on", "", "SMALL"},
        {801, "@:PICT\\HILLS.TXT", "off", "文", "文$VELDORAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        view->MoveWindow(0, 0, c.width, kHeight, false);
        doc->m_strEntryParam = c.entryParam;
        doc->entry.m_strPictureCaption = c.caption;
        const std::string before = SurrickLog();
        ShowPictureDialog(*view, "@:PICT\\A.BMP", "題", c.parameter);
        EXPECT_EQ(SurrickLog().substr(before.size()), "OnDlgBmpShow(" +
                                                          vd::toLowerAscii(doc->folders.m_strAppDir + "PICT\\A.BMP") +
                                                          ",題," + c.mode + ",6);");
        EXPECT_EQ(view->m_pPages->m_nPicOffsetX, 0) << "the caption box's offset is put back";
    }
    const std::string before = SurrickLog();
    ShowPictureDialog(*view, "@:PICT\\NONE.BMP", "題", "");
    ShowPictureDialog(*view, "", "題", "");
    EXPECT_EQ(SurrickLog(), before) << "a missing file shows nothing";
}

TEST_F(ItemMenus, TheSlideShowOfPictureMenuTwoOnlyPlaysItsEntries)
{
    std::string text = "; 注記\r\n01=前置き@x.bmp\r\n";
    for (int m = 1; m <= 8; ++m) {
        text += "[M" + std::to_string(m) + "]\r\n";
        text += m == 7 ? "00=港@@:PICT\\MINATO.BMP$@:PICT\\MINATO.TXT\r\n01=\r\n02=------\r\n03=橋@C:\\HASHI.JPG\r\n"
                       : "00=他@other.bmp\r\n";
    }
    WriteHomeFile("SOURCE/MENUFILE.DAT", vd::utf8ToCp932(text));
    ShowButtons({15, 30}); // the buttons of the page shown before
    view->m_pPages->m_nPicOffsetX = 40;
    view->m_pPages->m_nTextPage = 3;
    view->m_nPageIndex = 2;

    script->answerDialog("TOVENDLG", CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.text(menuslideshowids::IDC_FIRST_COUNT + 6), "2") << "picture menu 2 counts two entries";
        d.click(menuslideshowids::IDC_FIRST_MENU + 6);
        d.click(menuslideshowids::IDC_MANUAL);
        d.click(menuslideshowids::IDC_INTERVAL_UP);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(frame->routeCommand(ID_MENU_SLIDE_SHOW));
    EXPECT_EQ(view->m_pPages->AlbumPage(0), "港 * * * @:PICT\\MINATO.BMP");
    EXPECT_EQ(view->m_pPages->AlbumPage(1), "橋 * * * C:\\HASHI.JPG");
    EXPECT_EQ(view->m_pPages->AlbumPage(2), "999");
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 2);
    EXPECT_EQ(doc->m_nMapDisplayMode, 13);
    EXPECT_EQ(doc->entry.m_nPictureFit, 1);
    EXPECT_EQ(doc->pointer.m_nMouseMode, 200);
    EXPECT_EQ(doc->environment.m_nPicturePosition, 1);
    EXPECT_EQ(doc->repaint.m_bMapOnScreen, 0);
    EXPECT_EQ(view->m_nPageIndex, 0);
    EXPECT_EQ(view->m_pPages->m_nTextPage, 0);
    EXPECT_EQ(view->m_pPages->m_nPicOffsetX, 0);
    EXPECT_EQ(view->m_nPageInterval, 6);
    EXPECT_EQ(view->m_strPlayMode, "MANUAL");
    EXPECT_EQ(ShownButtons(), (std::vector<std::string>{"26 ⊆", "27 Θ", "28 ⊇"})) << "the album's own buttons";
    Repaint();
    EXPECT_EQ(doc->repaint.m_nSavedMapDisplayMode, 13) << "the album play draws the first page";
    EXPECT_EQ(doc->m_nMapDisplayMode, 13) << "played by hand, it stays on its page";

    // Nothing chosen plays nothing; Cancel changes nothing.
    doc->m_nMapDisplayMode = 10;
    script->answerDialog("TOVENDLG", CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) { d.click(vd::IDOK); });
    ASSERT_TRUE(frame->routeCommand(ID_MENU_SLIDE_SHOW));
    script->answerDialog("TOVENDLG", CDlgMenuBarSlideShow::IDD, [](vd::DialogDriver& d) {
        d.click(menuslideshowids::IDC_ALL);
        d.click(vd::IDCANCEL);
    });
    ASSERT_TRUE(frame->routeCommand(ID_MENU_SLIDE_SHOW));
    EXPECT_EQ(doc->m_nMapDisplayMode, 10);
    EXPECT_EQ(doc->entry.m_nAlbumPageCount, 2);
}

TEST(MenuSlideShowPages, StopsAt4999Pages)
{
    std::string text = vd::utf8ToCp932("[M1]\r\n");
    for (int m = 1; m <= 8; ++m) {
        text += "[M" + std::to_string(m) + "]\r\n";
        for (int slot = 0; slot < 35; ++slot)
            text += (slot < 10 ? "0" : "") + std::to_string(slot) + "=t@f.bmp\r\n";
    }
    WriteHomeFile("SOURCE/MENUFILE.DAT", text);
    const std::string home = vd::applicationFolder();
    const std::string path = home + "SOURCE\\MENUFILE.DAT";
    EXPECT_EQ(MenuSlideShowPages(path, {1, 1, 1, 1, 1, 1, 1, 1}).size(), 7u * 35u) << "the first section is empty";
    EXPECT_TRUE(MenuSlideShowPages(home + "NONE.DAT", {1, 1, 1, 1, 1, 1, 1, 1}).empty());
}

TEST_F(ItemMenus, MenuEditsThroughTheRegistrationCommandsChangeTheBuiltMenus)
{
    BuildItemMenus();
    script->answerDialog("TOVENDLG", CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        script->answerDialog("TOVENDLG", CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            e.setText(menuentryids::IDC_TITLE, "川");
            e.setText(menuentryids::IDC_TARGET, "@:PICT\\KAWA.BMP");
            e.click(vd::IDOK);
        });
        d.doubleClickListItem(menuregisterids::IDC_LIST, 1);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(frame->routeCommand(32806));
    EXPECT_EQ(doc->menus.m_nMenuBarState, -4);
    Repaint();
    EXPECT_EQ(doc->menus.m_nMenuBarState, 0);
    EXPECT_EQ(frame->GetMenu()->GetSubMenu(6)->GetMenuString(2231, vd::MF_BYCOMMAND), "川");
    EXPECT_EQ(doc->menus.m_astrMenuBarEntry[8 + 5], "川@@:PICT\\KAWA.BMP");

    script->answerDialog("TOVENDLG", CDlgMenuRegister::IDD, [&](vd::DialogDriver& d) {
        d.selectCombo(menuregisterids::IDC_MENU, 4);
        script->answerDialog("TOVENDLG", CDlgMenuEntry::IDD, [](vd::DialogDriver& e) {
            e.setText(menuentryids::IDC_TITLE, "五");
            e.setText(menuentryids::IDC_TARGET, "go.txt");
            e.click(vd::IDOK);
        });
        d.doubleClickListItem(menuregisterids::IDC_LIST, 0);
        d.click(vd::IDOK);
    });
    ASSERT_TRUE(frame->routeCommand(32805));
    Repaint();
    EXPECT_EQ(frame->GetMenu()->GetSubMenu(5)->GetMenuString(2190, vd::MF_BYCOMMAND), "五");
}

} // namespace
