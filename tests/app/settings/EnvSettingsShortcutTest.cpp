// The environment settings reached as a user reaches them in the running program: Ctrl+E on the
// main window, and the menu item enabled when ﾌｧｲﾙ / 環境設定など opens.
#include "app/settings/EnvMapPage.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/app/shell/ShellTestSupport.h"

#include "app/document/VeldoranDoc.h"
#include "app/settings/EnvSettingsDialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/Menu.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// Runs the update handlers as when each sub-menu opens.
void OpenAll(vd::Menu& menu, vd::CommandTarget& target)
{
    menu.UpdateItems(target);
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        if (vd::Menu* sub = menu.GetSubMenu(i))
            OpenAll(*sub, target);
}

} // namespace

TEST(EnvSettingsShortcut, CtrlEOpensTheDialogAndItsMenuItemIsEnabled)
{
    doctest::UseBuiltLibraries();
    ShellRun run;
    ASSERT_TRUE(run.start());
    QMainWindow* main = ShellRun::frameWidget();
    ASSERT_NE(main, nullptr);
    main->activateWindow();
    QApplication::setActiveWindow(main);

    auto* doc = dynamic_cast<CVeldoranDoc*>(run.app->document());
    ASSERT_NE(doc, nullptr);
    run.script->answerDialog(CDlgEnvSettings::IDD, [](vd::DialogDriver& d) {
        d.page(CDlgEnvMap::IDD).click(envmapids::IDC_BLOCK_5X5);
        d.click(vd::IDOK);
    });
    QTest::keyClick(main, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(run.script->dialogsRun(), (std::vector<int>{CDlgEnvSettings::IDD}));
    EXPECT_EQ(doc->position.m_nMapMode, 25);

    vd::Menu& bar = *run.frame().GetMenu();
    OpenAll(bar, run.frame());
    EXPECT_EQ(bar.GetMenuState(32795, vd::MF_BYCOMMAND) & vd::MF_GRAYED, 0u);
}
