// What the find-place windows leave behind once closed, as a user meets it: 市区町村を探す with a
// search text and a municipality shown, then closed: its outline goes from the map, and the next
// find-place (Ctrl+R) lists every place, its search box as empty as its filter.
#include "MainWindowFixture.h"

#include "platform/ui/Controls.h"
#include "view/findplace/FindPlaceDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

constexpr int kFindMunicipality = 32833;
constexpr int kRedisplayMap = 32885;

QWidget* Control(CDlgFindPlace& dialog, int id)
{
    return vd::widgetOf(dialog.GetDlgItem(id));
}

void Click(CDlgFindPlace& dialog, int id)
{
    QWidget* button = Control(dialog, id);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

int Listed(CDlgFindPlace& dialog)
{
    return dialog.item<vd::ListBox>(findplaceids::IDC_LIST)->GetCount();
}

bool Settled(MainWindow& w)
{
    QTest::qWait(20);
    return waitFor([&w] { return !w.repaintPending(); }, 60000);
}

TEST(FindPlaceState, AClosedMunicipalitySearchLeavesNoOutlineAndNoFilter)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    CDlgFindPlace& dialog = *w.view->m_pDlgFindPlace;
    const QImage plain = w.shown();

    // 市区町村を探す: "宇治" typed, 検索, the first municipality listed, OK.
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kFindMunicipality));
    ASSERT_TRUE(waitFor([&] { return dialog.IsWindow() && Control(dialog, findplaceids::IDC_LIST)->isVisible(); }));
    auto* search = qobject_cast<QComboBox*>(Control(dialog, findplaceids::IDC_SEARCH));
    ASSERT_NE(search, nullptr);
    // Typed through the input method, as Japanese text is.
    search->lineEdit()->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString("宇治");
    QApplication::sendEvent(search->lineEdit(), &typed);
    Click(dialog, findplaceids::IDC_SEARCH_BUTTON);
    ASSERT_TRUE(waitFor([&] { return Listed(dialog) > 0 && Listed(dialog) < 5; })) << Listed(dialog);
    auto* list = qobject_cast<QListWidget*>(Control(dialog, findplaceids::IDC_LIST));
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    Click(dialog, vd::IDOK);
    ASSERT_TRUE(waitFor([&] { return !w.doc().pointer.m_strFindMunicipality.empty(); }));
    ASSERT_TRUE(Settled(w) && w.waitUntilMapShown());
    const QImage outlined = w.shown();
    ASSERT_NE(outlined, plain) << "the municipality is shown";

    // Closed: the map as 地図再表示 draws it, without the outline.
    Click(dialog, vd::IDCANCEL);
    ASSERT_TRUE(waitFor([&] { return !dialog.IsWindow(); }));
    ASSERT_TRUE(Settled(w) && w.waitUntilMapShown());
    const QImage closed = w.shown();
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kRedisplayMap) && Settled(w) && w.waitUntilMapShown());
    EXPECT_EQ(closed, w.shown()) << "the outline outlived its dialog";

    // Ctrl+R: the place list unfiltered, the same as after 検索 with the empty box.
    w.main->activateWindow();
    QApplication::setActiveWindow(w.main);
    (void)QTest::qWaitForWindowActive(w.main, 2000);
    QTest::keyClick(w.main, Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return dialog.IsWindow() && Listed(dialog) > 0; }));
    auto* placeSearch = qobject_cast<QComboBox*>(Control(dialog, findplaceids::IDC_SEARCH));
    ASSERT_NE(placeSearch, nullptr);
    EXPECT_EQ(placeSearch->currentText(), "");
    const int listed = Listed(dialog);
    Click(dialog, findplaceids::IDC_SEARCH_BUTTON);
    EXPECT_EQ(Listed(dialog), listed) << "filtered by a text the box does not show";
}

} // namespace
