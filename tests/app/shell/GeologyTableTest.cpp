// The geology composition table (地質構成一覧表) as a user opens it from the menus: whole in the
// default window; the arrow keys move a sheet map on screen only, so while the table is shown
// they leave it and the sheet as they are.
#include "MainWindowFixture.h"

#include "view/layercommands/GeologyTableCommand.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

bool ShowTable(MainWindow& w)
{
    return ChooseFromMenus(w.bar(), ID_GEOLOGY_TABLE)
        && waitFor([&w] { return w.doc().repaint.m_bMapOnScreen == 0 && !w.repaintPending(); });
}

TEST(GeologyTable, WholeInTheDefaultWindow)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    ASSERT_TRUE(ShowTable(w));
    const QImage table = w.shown();
    ASSERT_LT(table.width(), kGeologyTablePage.cx) << "the default window is narrower than the page";
    // Below the 地図 button: the page's right frame runs down one of the window's last columns,
    // and nothing lies beyond it (cut, the rocks would reach the window's edge).
    const auto inked = [&table](int x) {
        int count = 0;
        for (int y = 40; y < table.height(); ++y)
            count += table.pixel(x, y) != qRgb(255, 255, 255);
        return count;
    };
    const int right = table.width() - 1;
    EXPECT_EQ(inked(right) + inked(right - 1), 0) << "the table is cut at the right";
    bool frame = false;
    for (int x = right - 12; x < right; ++x)
        frame = frame || inked(x) > table.height() / 3;
    EXPECT_TRUE(frame) << "the page's right frame within the window";
}

TEST(GeologyTable, ArrowKeysLeaveTheTableAndTheSheet)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CVeldoranDoc& doc = w.doc();
    const std::string sheet = doc.m_strMapName;
    ASSERT_TRUE(ShowTable(w));
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
