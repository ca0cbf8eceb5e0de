// Each key of accelerator table 128 fires its command id; the about box and the help commands.
#include "ShellTestSupport.h"

#include "app/shell/ShellCommands.h"
#include "app/shell/ShellResources.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/QtBridge.h"
#include "tests/support/AcceleratorKeys.h"

#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using testkeys::qtKey;
using testkeys::qtModifiers;

TEST(ShellAccelerators, EachKeyFiresItsCommandId)
{
    const vd::ui::AcceleratorTable table = shell::MainAccelerators();
    ASSERT_EQ(table.entries.size(), 30u);
    ShellRun run(ShellRun::View::RecordingAll);
    ASSERT_TRUE(run.start());
    QMainWindow* main = ShellRun::frameWidget();
    ASSERT_NE(main, nullptr);
    main->activateWindow();
    QApplication::setActiveWindow(main);

    std::vector<int> expected;
    for (const vd::ui::Accelerator& a : table.entries) {
        QTest::keyClick(main, qtKey(a.key), qtModifiers(a.flags));
        expected.push_back(a.command);
    }
    EXPECT_EQ(run.view->commands, expected);
}

TEST(ShellAccelerators, TableHoldsTheKeysOfTheMenus)
{
    struct Entry {
        int key;
        unsigned flags;
        int command;
    };
    const vd::ui::AcceleratorTable table = shell::MainAccelerators();
    EXPECT_EQ(table.id, shell::IDR_MAINFRAME);
    for (const Entry& e : {Entry{'A', vd::ui::FVIRTKEY | vd::ui::FCONTROL, 32888},
                           Entry{'B', vd::ui::FVIRTKEY | vd::ui::FCONTROL, 32794},
                           Entry{'P', vd::ui::FVIRTKEY | vd::ui::FCONTROL, 57607},
                           Entry{vd::ui::VK_F1, vd::ui::FVIRTKEY | vd::ui::FSHIFT, 57669},
                           Entry{vd::ui::VK_NEXT, vd::ui::FVIRTKEY, 32821},
                           Entry{'Z', vd::ui::FVIRTKEY | vd::ui::FCONTROL, 33150}}) {
        bool found = false;
        for (const vd::ui::Accelerator& a : table.entries)
            found |= a.key == e.key && a.flags == e.flags && a.command == e.command;
        EXPECT_TRUE(found) << e.command;
    }
}

TEST(ShellAbout, AboutBoxOpensFromTheHelpMenuAndClosesWithNoEffect)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    std::string caption, line;
    bool okShown = false, icon = false;
    int width = 0, titleNeeds = 0;
    run.script->answerDialog(shell::IDD_ABOUTBOX, [&](vd::DialogDriver& d) {
        caption = d.caption();
        // The title in bold and the 140 pixels that a window manager's icon, three buttons and
        // their padding take (openbox's default theme): the title bar shows the title whole.
        const vd::ui::Rect window = d.dialog().GetWindowRect();
        width = window.right - window.left;
        QFont bold = vd::ui::dialogFont({}, 0);
        bold.setBold(true);
        titleNeeds = QFontMetrics(bold).horizontalAdvance(QString::fromStdString(caption)) + 140;
        okShown = d.isVisible(vd::IDOK);
        const vd::ui::DialogTemplate* t = d.dialog().dialogTemplate();
        for (const vd::ui::ControlTemplate& c : t->controls)
            if (c.kind == vd::ui::ControlKind::Static)
                line = c.caption;
        icon = t->controls.front().kind == vd::ui::ControlKind::Icon;
        d.click(vd::IDOK);
    });
    run.script->answerDialog(shell::IDD_ABOUTBOX, [](vd::DialogDriver& d) { d.closeBox(); });
    const std::string title = run.frame().GetWindowText();
    vd::Menu& bar = *run.frame().GetMenu();
    EXPECT_TRUE(run.frame().ExecuteCommand(bar.GetSubMenu(8)->GetMenuItemID(0)));
    EXPECT_TRUE(run.frame().ExecuteCommand(shell::ID_APP_ABOUT));
    EXPECT_EQ(run.script->dialogsRun(), (std::vector<int>{shell::IDD_ABOUTBOX, shell::IDD_ABOUTBOX}));
    EXPECT_TRUE(run.script->unanswered().empty());
    EXPECT_EQ(caption, "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20)");
    EXPECT_GE(width, titleNeeds);
    EXPECT_EQ(line, "ヴェルドラン見聞録   Version 2.10");
    EXPECT_TRUE(okShown);
    EXPECT_TRUE(icon);
    EXPECT_EQ(run.frame().GetWindowText(), title);
    EXPECT_TRUE(run.script->messageBoxes().empty());
}

TEST(ShellAbout, HelpKeysShowWhatTheAboutBoxSays)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    for (int id : {shell::ID_HELP, shell::ID_CONTEXT_HELP, shell::ID_HELP_FINDER, shell::ID_DEFAULT_HELP})
        EXPECT_TRUE(run.frame().ExecuteCommand(id));
    ASSERT_EQ(run.script->messageBoxes().size(), 4u);
    for (const auto& box : run.script->messageBoxes()) {
        EXPECT_EQ(box.caption, "ﾊﾞｰｼﾞｮﾝ情報(TOVEN20)");
        EXPECT_EQ(box.text, "ヴェルドラン見聞録   Version 2.10");
    }
}

TEST(ShellAbout, PrintSetupOpensThePageSetupDialog)
{
    ShellRun run;
    ASSERT_TRUE(run.start());
    std::string shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->metaObject()->className();
            modal->close();
        }
    });
    EXPECT_TRUE(run.frame().ExecuteCommand(shell::ID_FILE_PRINT_SETUP));
    EXPECT_EQ(shown, "QPageSetupDialog");
}
