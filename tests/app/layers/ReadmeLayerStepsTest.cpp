// The README's layer steps, followed literally through the built Pelmora's dialogs on an
// application folder with the bundled sample rows: each named tab and row holds the named layer,
// and ticking it switches that layer on.
#include "LayerTestSupport.h"

#include "platform/ui/DialogDriver.h"
#include "tests/app/shell/ShellTestSupport.h"

#include <filesystem>

namespace {

struct ReadmeShell {
    ReadmeShell()
    {
        fakelayers::Install(VD_FAKE_LAYERS);
        doctest::UseBuiltLibraries();
        doctest::InstallFakeEditor();
        // A fresh application folder carries the bundled KSJ folder and its sample rows.
        std::filesystem::create_directories(doctest::Home() / "KSJ");
        doctest::WriteBytes(doctest::Home() / "KSJ" / "SAMPLE.DAT",
                            doctest::ReadBytes(std::filesystem::path(VD_SAMPLE_DATA_DIR) / "KSJ" / "SAMPLE.DAT"));
        started = run.start();
        if (started)
            doc = static_cast<CVeldoranDoc*>(run.app->document());
    }
    bool Call(int command, int templateId, vd::ui::Script::DialogActions actions)
    {
        bool opened = false;
        run.script->answerDialog("Pelmora", templateId, [&](vd::DialogDriver& d) {
            opened = true;
            actions(d);
        });
        return run.frame().ExecuteCommand(command) && opened;
    }
    ShellRun run;
    bool started = false;
    CVeldoranDoc* doc = nullptr;
};

bool names(const std::string& text, const std::string& file)
{
    return text.find(file) != std::string::npos;
}

} // namespace

TEST(ReadmeLayerSteps, EachNamedTabAndRowShowsItsLayer)
{
    ReadmeShell s;
    ASSERT_TRUE(s.started);

    // 線データ, tab 2 (線ﾃﾞｰﾀA), row 1: 河川.
    ASSERT_TRUE(s.Call(32772, 232, [](vd::DialogDriver& d) {
        d.selectTab(1516, 1);
        EXPECT_EQ(d.text(1002), "河川");
        EXPECT_TRUE(names(d.text(1518), "RIVER_S_")) << d.text(1518);
        d.check(1017);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(s.doc->m_anLineRowFlag[0][1], 1);

    // 点データ, tab 1 (施設): row 1 公共施設 and row 4 空港台帳; tab 7 (点B), row 1: 市町村.
    ASSERT_TRUE(s.Call(32771, 254, [](vd::DialogDriver& d) {
        d.selectTab(1103, 0);
        EXPECT_TRUE(names(d.text(1118), "FACIL_S_")) << d.text(1118);
        EXPECT_TRUE(names(d.text(1121), "AIRPORT_S.TXT")) << d.text(1121);
        d.check(1110);
        d.check(1113);
        d.selectTab(1103, 6);
        EXPECT_EQ(d.text(1126), "市町村");
        EXPECT_TRUE(names(d.text(1138), "CITIES_S.TXT")) << d.text(1138);
        d.check(1130);
        d.click(vd::IDOK);
    }));
    EXPECT_EQ(s.doc->m_anPointRowFlag[0][0], 1);
    EXPECT_EQ(s.doc->m_anPointRowFlag[4][3], 1);
    EXPECT_EQ(s.doc->m_anPointRowFlag[2][0], 1);

    // 3次ﾒｯｼｭ [自然環境]: tab 2 流路延長, tab 3 沿岸海域; OK keeps only the theme of the tab shown.
    ASSERT_TRUE(s.Call(32774, 235, [](vd::DialogDriver& d) {
        d.selectTab(1030, 1);
        EXPECT_TRUE(names(d.text(1338), "RVLEN_S_")) << d.text(1338);
        d.check(1337);
        d.selectTab(1030, 2);
        EXPECT_TRUE(names(d.text(1310), "COASTSEA_S.TXT")) << d.text(1310);
        d.check(1308);
        d.click(vd::IDOK);
    }));
    ASSERT_TRUE(s.Call(32774, 235, [](vd::DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(1308)) << "the theme of the tab shown at OK stays on";
        EXPECT_FALSE(d.isChecked(1337)) << "one mesh theme at a time";
        d.click(vd::IDCANCEL);
    }));
}
