// Where the user opens 地図の表示仕様 in the running program: Ctrl+A, the
// menu bar's item, the Mapping menu of a right click on the map, and the view's button 326.
#include "../doc/DocumentTestSupport.h"
#include "../shell/ShellTestSupport.h"
#include "app/document/VeldoranDoc.h"
#include "app/settings/MapDisplaySpecCommands.h"
#include "app/settings/MapDisplaySpecDialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Menu.h"
#include "view/window/VeldoranView.h"
#include "view/navigation/ViewNavigation.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class MapDisplaySpecCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        doctest::UseBuiltLibraries();
        run = std::make_unique<ShellRun>(ShellRun::View::Program);
        ASSERT_TRUE(run->start());
        view = dynamic_cast<CVeldoranView*>(run->frame().GetActiveView());
        ASSERT_NE(view, nullptr);
        doc = view->GetDocument();
        // Each run of the dialog turns the pointer coordinates on and is counted.
        for (int i = 0; i < 4; ++i)
            run->script->answerDialog(CDlgMapDisplaySpec::IDD, [](vd::DialogDriver& d) {
                d.click(mapspecids::IDC_POINTER_COORDS);
                d.click(vd::IDOK);
            });
    }
    void TearDown() override
    {
        if (run)
            run->app->Shutdown();
    }
    int Runs() const
    {
        return int(std::count(run->script->dialogsRun().begin(), run->script->dialogsRun().end(),
                              int(CDlgMapDisplaySpec::IDD)));
    }
    std::unique_ptr<ShellRun> run;
    CVeldoranView* view = nullptr;
    CVeldoranDoc* doc = nullptr;
};

TEST_F(MapDisplaySpecCommands, CtrlAOpensTheDialog)
{
    QMainWindow* main = ShellRun::frameWidget();
    ASSERT_NE(main, nullptr);
    main->activateWindow();
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Runs(), 1);
    EXPECT_EQ(doc->spec.m_nPointerCoords, 1);
}

TEST_F(MapDisplaySpecCommands, BothMenuItemsAreEnabledAndRunIt)
{
    // The item of the menu bar's 表示 menu, updated as when the menu opens.
    vd::Menu& bar = *run->frame().GetMenu();
    for (int i = 0; i < bar.GetMenuItemCount(); ++i)
        if (vd::Menu* sub = bar.GetSubMenu(i))
            sub->UpdateItems(run->frame());
    EXPECT_EQ(bar.GetMenuState(ID_MAP_DISPLAY_SPEC, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u);
    // The Mapping menu's item (ﾏｯﾋﾟﾝｸﾞ/地図仕様/地図の表示仕様...).
    vd::Menu mapping;
    ASSERT_TRUE(mapping.LoadMenu(155));
    std::function<void(vd::Menu&)> openAll = [&](vd::Menu& menu) {
        menu.UpdateItems(run->frame());
        for (int i = 0; i < menu.GetMenuItemCount(); ++i)
            if (vd::Menu* sub = menu.GetSubMenu(i))
                openAll(*sub);
    };
    openAll(mapping);
    EXPECT_EQ(mapping.GetMenuString(ID_MAP_DISPLAY_SPEC_POPUP, vd::MF_BYCOMMAND), "地図の表示仕様...");
    EXPECT_EQ(mapping.GetMenuState(ID_MAP_DISPLAY_SPEC_POPUP, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u);
    EXPECT_TRUE(run->frame().ExecuteCommand(ID_MAP_DISPLAY_SPEC));
    EXPECT_TRUE(run->frame().ExecuteCommand(ID_MAP_DISPLAY_SPEC_POPUP));
    EXPECT_EQ(Runs(), 2);
}

TEST_F(MapDisplaySpecCommands, TheMappingMenuOfARightClickRunsIt)
{
    doc->m_nMapDisplayMode = 10;
    view->m_pNavigation->m_nCursorInFrame = -1;
    run->script->answerPopupMenu(ID_MAP_DISPLAY_SPEC_POPUP);
    view->OnRButtonDown(vd::MK_RBUTTON, {700, 300});
    ASSERT_EQ(run->script->popupMenus().size(), 1u);
    EXPECT_EQ(Runs(), 1);
    EXPECT_EQ(doc->spec.m_nPointerCoords, 1);
}

TEST_F(MapDisplaySpecCommands, Button326OnTheMainMapRunsIt)
{
    view->m_pNavigation->SetViewButton(26, "仕様", 10, 10, 60, 30);
    vd::Button* button = view->m_pNavigation->ViewButton(26);
    ASSERT_NE(button, nullptr);
    doc->m_nMapDisplayMode = 10;
    vd::DialogDriver::clickControl(*button);
    EXPECT_EQ(Runs(), 1);
    doc->m_nMapDisplayMode = 13; // an album page: the button turns the page instead
    vd::DialogDriver::clickControl(*button);
    EXPECT_EQ(Runs(), 1);
}

} // namespace
