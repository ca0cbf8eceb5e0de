// The geology composition table (地質構成一覧表) as a user opens it from the menus: the arrow
// keys move a sheet map on screen only, so while the table is shown they leave it and the sheet
// as they are.
#include "MainWindowFixture.h"

#include "view/layercommands/GeologyTableCommand.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

TEST(GeologyTableKeys, ArrowKeysLeaveTheTableAndTheSheet)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    const std::string sheet = doc.m_strMapName;
    ASSERT_TRUE(ChooseFromMenus(w.bar(), ID_GEOLOGY_TABLE));
    ASSERT_TRUE(waitFor([&] { return doc.m_bMapOnScreen == 0 && !w.repaintPending(); }));
    const QImage table = w.shown();

    w.main->activateWindow();
    QApplication::setActiveWindow(w.main);
    (void)QTest::qWaitForWindowActive(w.main, 2000);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down}) {
        QTest::keyClick(w.main, key);
        QTest::qWait(50);
        ASSERT_TRUE(waitFor([&] { return !w.repaintPending(); }));
        EXPECT_EQ(doc.m_strMapName, sheet) << key;
        EXPECT_EQ(w.shown(), table) << key;
    }
}

} // namespace
