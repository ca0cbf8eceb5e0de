// The slide-show settings command of the map menu bar opens the dialog library's album slide-show
// dialog with the view's settings, and the view keeps what the user chose for the next time.
#include "dialogs/AlbumSlideShowDialog.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/sys/ProfileStore.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/FrameWindow.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UiScript.h"
#include "program/VeldoranApp.h"

#include <gtest/gtest.h>

namespace {

// The command of the item with the text in a menu or its sub-menus, 0 when there is none. Each
// menu on the way is updated as when it opens, and a disabled item gives no command.
int ChooseItem(vd::Menu& menu, vd::CommandTarget& frame, const std::string& text)
{
    menu.UpdateItems(frame);
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        if (vd::Menu* sub = menu.GetSubMenu(i)) {
            if (const int id = ChooseItem(*sub, frame, text))
                return id;
        } else if (menu.GetMenuString(i, vd::MF_BYPOSITION) == text) {
            return (menu.GetMenuState(i, vd::MF_BYPOSITION) & vd::MF_GRAYED) ? 0 : menu.GetMenuItemID(i);
        }
    }
    return 0;
}

TEST(SlideShowSettingsCommand, TheMenuItemOpensTheLibrarysDialogAndTheViewKeepsTheAnswer)
{
    ASSERT_TRUE(vd::LibraryLoader::setOverride("TOVENDLG.DLL", VD_BIN_DIR "/libtovendlg.so"));
    auto script = vd::ui::Script::install();
    CVeldoranApp app;
    ASSERT_TRUE(app.InitInstance());

    script->answerDialog("TOVENDLG", CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_EQ(d.caption(), " スライドショー");
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_BOTH)) << "texts and pictures";
        EXPECT_EQ(d.text(albumslideshowids::IDC_INTERVAL), "5");
        EXPECT_FALSE(d.isChecked(albumslideshowids::IDC_NO_JPEG)) << "JPEG pictures take part";
        d.click(albumslideshowids::IDC_PICTURES);
        d.click(albumslideshowids::IDC_INTERVAL_UP);
        d.click(albumslideshowids::IDC_MANUAL);
        d.click(albumslideshowids::IDC_NO_JPEG);
        d.click(vd::IDOK);
    });
    script->answerDialog("TOVENDLG", CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_PICTURES));
        EXPECT_EQ(d.text(albumslideshowids::IDC_INTERVAL), "6");
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_MANUAL));
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_NO_JPEG));
        d.click(albumslideshowids::IDC_TEXTS);
        d.pressEscape();
    });
    script->answerDialog("TOVENDLG", CDlgAlbumSlideShow::IDD, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(albumslideshowids::IDC_PICTURES)) << "the cancelled change was not kept";
        d.click(vd::IDCANCEL);
    });
    auto& frame = *app.m_pMainWnd;
    for (int i = 0; i < 3; ++i) {
        const int command = ChooseItem(*frame.GetMenu(), frame, "　スライドショーの設定...");
        ASSERT_NE(command, 0);
        EXPECT_TRUE(frame.ExecuteCommand(command));
    }
    EXPECT_EQ(script->dialogsRun(), (std::vector<int>{142, 142, 142}));
    EXPECT_TRUE(script->unanswered().empty());
    EXPECT_EQ(vd::ProfileStore().getString("System", "JPGinSlide", "?"), "off");
}

} // namespace
