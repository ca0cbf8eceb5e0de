// A layer dialog's OK shows its result at once, the same picture as ﾌｧｲﾙ > 地図再表示 after it:
// the seismic hazard layer registered and shown (ﾌｨｰﾙﾄﾞ情報 > 地震動予測地図), then hidden.
#include "MainWindowFixture.h"

#include "platform/ui/DialogDriver.h"
#include "platform/ui/PathForm.h"
#include "seismic/HalvetteModule.h"
#include "seismic/settings/SeismicListPage.h"
#include "seismic/settings/SeismicRegisterDialog.h"
#include "seismic/settings/SeismicSettingsDialog.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "tests/view/layers/HazardFile.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSeismicSettings = 32835;
constexpr int kRedisplayMap = 32885;

int HazardPixels(const QImage& image)
{
    const QRgb hazard = qRgb(vd::GetRValue(hazardfixture::kHazardClass4), vd::GetGValue(hazardfixture::kHazardClass4),
                             vd::GetBValue(hazardfixture::kHazardClass4));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == hazard;
    return count;
}

// The command from the menus, its dialog answered; true once the dialog closed and the window
// settled.
bool ChooseAnswered(MainWindow& w, int command, const std::string& module, int templateId,
                    std::function<void(vd::DialogDriver&)> answer)
{
    bool answered = false;
    w.run.script->answerDialog(module, templateId, [&](vd::DialogDriver& d) {
        answer(d);
        answered = true;
    });
    return ChooseFromMenus(w.bar(), command) && waitFor([&] { return answered; }) && (QTest::qWait(20), true)
        && waitFor([&] { return !w.repaintPending(); }, 60000);
}

TEST(LayerDialogRedraw, SeismicHazardShownAndHiddenAtOnce)
{
    MainWindow w;
    ASSERT_TRUE(w.start());
    const auto file = doctest::Home() / "hazard data" / "kansai_ps.csv";
    std::filesystem::create_directories(file.parent_path());
    hazardfixture::WriteHazardFile(file);
    ASSERT_EQ(HazardPixels(w.shown()), 0);

    // "登録" of the first page: the file and a name; then "表示する", OK.
    w.run.script->answerDialog(kHalvetteModule, CDlgSeisFileRegist::IDD, [](vd::DialogDriver& r) {
        r.click(seismicregisterids::IDC_BROWSE);
        r.setText(seismicregisterids::IDC_NAME, "関西");
        r.click(vd::IDOK);
    });
    w.run.script->answerFileDialog(vd::ui::toWindowsForm(file.string()));
    ASSERT_TRUE(ChooseAnswered(w, kSeismicSettings, kHalvetteModule, CDlgSeisFileSet::IDD, [](vd::DialogDriver& d) {
        d.page(kProbabilisticPage.templateId).click(kProbabilisticPage.registerButton);
        d.page(kProbabilisticPage.templateId).check(kProbabilisticPage.show, true);
        d.click(vd::IDOK);
    }));
    const QImage afterOk = w.shown();
    EXPECT_GT(HazardPixels(afterOk), afterOk.width() * afterOk.height() / 30) << "drawn at once";
    ASSERT_TRUE(ChooseFromMenus(w.bar(), kRedisplayMap) && w.waitUntilMapShown());
    EXPECT_EQ(w.shown(), afterOk) << "the same as the map redisplayed";

    // "表示する" cleared, OK: the hazard colours go.
    ASSERT_TRUE(ChooseAnswered(w, kSeismicSettings, kHalvetteModule, CDlgSeisFileSet::IDD, [](vd::DialogDriver& d) {
        d.page(kProbabilisticPage.templateId).check(kProbabilisticPage.show, false);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(HazardPixels(w.shown()), 0) << "hidden at once";
}

} // namespace
