// The program on the smallest screen it is made for, 1024 x 768: the statistics data entry
// (地点案内 > 都道府県別データ > 登録...) shows the fields of all 47 prefectures and its OK and
// Cancel on the screen, none of them scrolled out of view or cut by the window's edge.
#include "tests/app/shell/MainWindowFixture.h"

#include "municipal/statistics/PrefectureDataEntryDialog.h"
#include "platform/ui/DialogDriver.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

constexpr int kStatisticsDataEntry = 33284;

// Inside its window and not hidden behind the edge of a scrolled area.
bool wholeInView(QWidget* control)
{
    return control && !control->visibleRegion().isEmpty() && control->visibleRegion().boundingRect() == control->rect();
}

} // namespace

TEST(SmallScreen, TheStatisticsDataEntryShowsEveryPrefectureAndItsButtons)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(1024, 768));
    MainWindow w;
    ASSERT_TRUE(w.start());
    bool answered = false;
    w.run.script->answerDialog("Surrick", CDlgLclDataRgst::IDD, [&](vd::DialogDriver& d) {
        answered = true;
        QWidget* window = d.dialog().impl()->widget;
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << window->frameGeometry().height();
        const auto control = [&](int id) { return d.dialog().GetDlgItem(id)->impl()->widget.data(); };
        for (int k = 0; k < 47; ++k)
            EXPECT_TRUE(wholeInView(control(prefecturedataentryids::IDC_FIRST_VALUE + k))) << k;
        for (int id : {prefecturedataentryids::IDC_DATA_NAME, int(vd::IDOK), int(vd::IDCANCEL)})
            EXPECT_TRUE(wholeInView(control(id))) << id;
        d.click(vd::IDCANCEL);
    });
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kStatisticsDataEntry));
    EXPECT_TRUE(waitFor([&] { return answered; }));
}
