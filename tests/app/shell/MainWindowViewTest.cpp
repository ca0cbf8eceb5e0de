// The map in the main window through the real window: a resize draws the map again for the new
// size with its buttons, and activation changes leave the arrow keys and the buttons working.
#include "MainWindowFixture.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

namespace {

std::vector<QAbstractButton*> shownButtons(const MainWindow& w)
{
    std::vector<QAbstractButton*> out;
    for (QAbstractButton* b : w.viewWidget()->findChildren<QAbstractButton*>())
        if (b->isVisible())
            out.push_back(b);
    return out;
}

int nonWhiteIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++count;
    return count;
}

// The window title names the map on screen.
bool titleNamesTheMap(const MainWindow& w)
{
    std::string name = w.doc().m_strMapName;
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return !name.empty() && w.run.frame().GetWindowText().find(name) != std::string::npos;
}

// Another window takes the activation, then the main window gets it back.
void deactivate(MainWindow& w, QWidget& other)
{
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_TRUE(waitFor([&] { return !w.main->isActiveWindow(); }, 5000));
}

void activate(MainWindow& w)
{
    w.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.main));
}

} // namespace

TEST(MainWindowView, AResizeDrawsTheMapForTheNewSizeWithItsButtons)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    const auto before = shownButtons(w);
    ASSERT_FALSE(before.empty()) << "the start map has its buttons";
    const QSize oldSize = w.viewWidget()->size();

    for (const QSize frameSize : {QSize(1000, 800), QSize(1200, 700)}) {
        SCOPED_TRACE(frameSize.width());
        w.main->resize(frameSize);
        const QSize size = w.viewWidget()->size();
        ASSERT_NE(size, oldSize);
        ASSERT_TRUE(waitFor([&] {
            return w.view->m_nSavedWidth == size.width() && w.view->m_nSavedHeight == size.height() &&
                   w.doc().m_nMapDisplayMode == 10 && !w.repaintPending();
        })) << "the map is drawn again for the new size";

        const auto after = shownButtons(w);
        EXPECT_EQ(after.size(), before.size()) << "the buttons are back";
        for (QAbstractButton* b : after)
            EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(b->geometry())) << b->text().toStdString();
        const QImage shown = w.shown();
        ASSERT_EQ(shown.size(), size);
        // The map reaches into what the old size did not cover.
        if (size.width() > oldSize.width()) {
            EXPECT_GT(nonWhiteIn(shown, QRect(oldSize.width(), 40, size.width() - oldSize.width(), size.height() - 80)), 0);
        }
        EXPECT_TRUE(titleNamesTheMap(w)) << w.run.frame().GetWindowText();
    }
}

TEST(MainWindowView, AfterAnActivationTheArrowKeysMoveToTheNeighbourSheet)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    QWidget other;
    other.resize(100, 100);
    activate(w);
    // Activation arrives after the first map, as at start.
    EXPECT_EQ(w.doc().m_nMapDisplayMode, 10);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left}) {
        deactivate(w, other);
        activate(w);
        const std::string before = w.doc().m_strMapName;
        QTest::keyClick(w.viewWidget(), key);
        ASSERT_TRUE(w.waitUntilMapShown());
        EXPECT_NE(w.doc().m_strMapName, before) << "the key moved the map";
        EXPECT_TRUE(titleNamesTheMap(w)) << w.run.frame().GetWindowText();
        EXPECT_FALSE(shownButtons(w).empty());
    }
}

TEST(MainWindowView, TheFirstClickOnAnInactiveWindowsButtonActsOnce)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    QWidget other;
    other.resize(100, 100);
    activate(w);
    deactivate(w, other);

    // A neighbour sheet's button of the 3 x 3 panel.
    auto trimmed = [](std::string text) {
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    };
    QAbstractButton* button = nullptr;
    std::string neighbour;
    for (QAbstractButton* b : shownButtons(w))
        for (int cell : {11, 12, 13, 14, 16, 17, 18, 19}) {
            const std::string name = trimmed(w.doc().m_astrMapEntry[std::size_t(cell)]);
            if (!name.empty() && b->text().toStdString() == name) {
                button = b;
                neighbour = name;
            }
        }
    ASSERT_NE(button, nullptr);
    w.view->routed.clear();
    // The click activates the window on its way in, as a window manager hands it over.
    w.main->activateWindow();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(w.waitUntilMapShown());
    EXPECT_EQ(w.view->routed.size(), 1u) << "one click, one command";
    EXPECT_EQ(trimmed(w.doc().m_strMapName), neighbour) << "the click moved to the neighbour";
    EXPECT_TRUE(titleNamesTheMap(w)) << w.run.frame().GetWindowText();
}

TEST(MainWindowView, PageUpAndPageDownStepTheStartBlock)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    activate(w);
    ASSERT_TRUE(w.waitUntilMapShown());
    ASSERT_EQ(w.doc().position.m_nMapFrame, 2);
    ASSERT_EQ(w.doc().position.m_nMapMode, 9) << "the start map is the 3 x 3 block";
    QTest::keyClick(w.viewWidget(), Qt::Key_PageUp);
    ASSERT_TRUE(w.waitUntilMapShown());
    EXPECT_EQ(w.doc().position.m_nMapMode, 25);
    EXPECT_EQ(w.doc().position.m_nMapFrame, 2);
    QTest::keyClick(w.viewWidget(), Qt::Key_PageDown);
    ASSERT_TRUE(w.waitUntilMapShown());
    EXPECT_EQ(w.doc().position.m_nMapMode, 9);
}

TEST(MainWindowView, TheRouteAndAreaIndexNamesItselfInTheTitle)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    activate(w);
    ASSERT_TRUE(titleNamesTheMap(w)) << w.run.frame().GetWindowText();
    QTest::keyClick(w.main, Qt::Key_U, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return w.doc().repaint.m_nSavedMapDisplayMode == 1 && !w.repaintPending(); }));
    EXPECT_EQ(w.run.frame().GetWindowText(), "ﾙｰﾄﾏｯﾌﾟ・ｴﾘｱﾏｯﾌﾟ索引図(サンソン図法、緯線・経線10°間隔)");
}
