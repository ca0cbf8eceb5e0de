// Ctrl+G on the main window opens Pelmora's prefecture selection in its prefecture-map form.
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/app/shell/ShellTestSupport.h"

#include "app/document/VeldoranDoc.h"
#include "platform/ui/DialogDriver.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(PrefectureMapShortcut, CtrlGOpensThePrefectureSelection)
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
    doc->repaint.m_fnUpdateAllViews = [] {};

    std::string caption;
    run.script->answerDialog("Pelmora", 147, [&](vd::DialogDriver& d) {
        caption = d.caption();
        d.click(vd::IDCANCEL);
    });
    QTest::keyClick(main, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(caption, " 都道府県別地図");
    EXPECT_EQ(run.script->dialogsRun(), std::vector<int>{147});
    EXPECT_EQ(doc->position.m_nMapType, 1) << "cancelled: the map stays";
}
