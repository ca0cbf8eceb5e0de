// The legend as the program opens it: through Pelmora's export, answered by the script.
#include "contracts/pelmora.h"
#include "layers/settings/legend/LegendDialog.h"
#include "platform/dc/ImageDc.h"
#include "platform/sys/LibraryLoader.h"
#include "platform/text/Cp932.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/TemplateRegistry.h"
#include "platform/ui/UiScript.h"
#include "tests/layers/settings/SettingsFilesSupport.h"

#include <gtest/gtest.h>

TEST(OnDlgDdLegend, TheDialogShowsTheSampleLinesOfTheChosenRows)
{
    auto script = vd::ui::Script::install();
    vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
    auto* legend = vd::entryPoint<OnDlgDdLegend_fn>("Pelmora.DLL", "OnDlgDdLegend");
    ASSERT_NE(legend, nullptr);
    WriteBytes(HomeFolder() / "DddMFile.dat", vd::utf8ToCp932("T1_2=海岸線\r\nC1_2=7\r\n"));

    bool seen = false;
    script->answerDialog("Pelmora", CDlgDdLegend::IDD, [&](vd::DialogDriver& d) {
        seen = true;
        EXPECT_EQ(d.caption(), "          国土数値情報の凡例");
        const vd::Window* area = d.dialog().GetDlgItem(CDlgDdLegend::kPaintArea);
        ASSERT_NE(area, nullptr);
        const vd::Bitmap shown = vd::captureWindow(*area);
        vd::ImageDc dc(shown);
        // Line 1's red sample at y = 26, the white fill beside it.
        EXPECT_EQ(dc.GetPixel(20, 26), vd::RGB(255, 0, 0));
        EXPECT_EQ(dc.GetPixel(40, 26), vd::RGB(255, 255, 255));
        EXPECT_EQ(d.dialog().GetWindowRect().left, 747);
        EXPECT_EQ(d.dialog().GetWindowRect().top, 320);
        d.click(vd::IDOK);
    });
    std::string flags = "0|1|";
    legend(flags, vd::applicationFolder());
    EXPECT_TRUE(seen);
    EXPECT_TRUE(script->unanswered().empty());
}

TEST(OnDlgDdLegend, TheTemplateIsTheSystemsOwn)
{
    vd::LibraryLoader::setOverride("Pelmora.DLL", VD_BIN_DIR "/libpelmora.so");
    ASSERT_NE(vd::entryPoint<OnDlgDdLegend_fn>("Pelmora.DLL", "OnDlgDdLegend"), nullptr);
    const vd::ui::DialogTemplate* t = vd::ui::findTemplate("Pelmora", CDlgDdLegend::IDD);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->fontFace, "ＭＳ ゴシック");
    EXPECT_EQ(t->fontPoints, 10);
    EXPECT_EQ(t->place->cx, 150);
    EXPECT_EQ(t->place->cy, 221);
    const vd::ui::ControlTemplate* area = t->control(CDlgDdLegend::kPaintArea);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->kind, vd::ui::ControlKind::Painted);
    EXPECT_EQ(area->place->cx, 144);
    EXPECT_EQ(area->place->cy, 201);
    EXPECT_TRUE(area->style & vd::SS_SUNKEN);
    EXPECT_EQ(t->control(vd::IDOK)->place->x, 117);
}
